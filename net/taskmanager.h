#pragma once

#include "net/task.h"

#include <QHash>
#include <QObject>
#include <QString>

class QThreadPool;

// Runs tasks on a private thread pool, numbers them, re-emits their signals in its own thread
// and deletes each task once its ended signal has been delivered. An id of -1 means every task.
class TaskManager : public QObject
{
    Q_OBJECT
public:
    explicit TaskManager(QObject *parent = nullptr);
    // Drops queued tasks and waits for running ones.
    ~TaskManager() override;

    // Takes ownership of task and queues it; returns its id, or -1 (task deleted) when a task
    // with the same preset id is already managed.
    int start(Task *task);
    // True while the task is queued or running; for -1, while any task is.
    bool isRunning(int id) const;

signals:
    void started(int id);
    void progress(int id, int processed, int total, int status, QString msg);
    void ended(int id, int result);
    void exception(int id);

public slots:
    // A task still queued is dropped without any signal; a running one is asked to stop and,
    // with _wait, awaited.
    void terminate(int id, bool _wait);
    void terminate(int id) { terminate(id, true); }
    void terminate() { terminate(-1, true); }
    void wait(int id);
    void wait() { wait(-1); }
    void pause(int id);
    void pause() { pause(-1); }
    void resume(int id);
    void resume() { resume(-1); }

private slots:
    void _eraseTask(int id, int result);
    void _eraseTask(int id) { _eraseTask(id, -1); }

private:
    bool takeFromQueue(Task *task);
    void terminateOne(int id, bool _wait);
    void terminateAll(bool _wait);
    void waitFor(int id);
    template<typename Action> void forEachTask(int id, Action action);

    int m_lastId = -1;
    QHash<int, Task *> m_tasks;
    QThreadPool *m_pool;
};
