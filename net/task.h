#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

#include <atomic>

// A unit of background work run by a TaskManager on its thread pool. The body (execute) runs on
// a pool thread; the four signals carry the task's id first so that one listener can follow
// many tasks through the manager.
class Task : public QObject, public QRunnable
{
    Q_OBJECT
public:
    // A task may come with its own id; by default its manager numbers it.
    explicit Task(int id = -1) : m_id(id) {}
    // Waits for a body that is queued or running; a task that never reached a pool goes at once.
    ~Task() override;

    void run() final;

    int id() const { return m_id; }
    int result() const { return m_result; }
    bool isFinished() const { return m_finished.load(); }
    bool isStopRequested() const { return m_stopRequested.load(); }
    bool isPaused() const { return m_paused.load(); }

signals:
    void started(int id);
    void progress(int id, int processed, int total, int status, QString msg);
    void ended(int id, int result);
    void exception(int id);

public slots:
    // Asks a body that polls isStopRequested() to stop; with _wait, returns once it has ended.
    void terminate(bool _wait);
    void terminate() { terminate(true); }
    // Returns once the body has ended, or at once when the task is not in a pool at all.
    void wait();
    void pause();
    void resume();

protected:
    // The work; runs once. By convention it sets the result to -1 on entry, 0 on success and 1
    // before throwing on failure; an exception becomes the exception signal.
    virtual void execute() = 0;
    void setResult(int result) { m_result = result; }

private:
    friend class TaskManager;

    // Where the task is with respect to a pool; only Queued and Running tasks will still end.
    enum class RunState { Idle, Queued, Running, Returned };

    bool willStillEnd() const;
    void requestStop();
    void waitUntilFinished();

    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_paused{false};
    std::atomic<RunState> m_runState{RunState::Idle};
    int m_id = -1;
    int m_result = -1;
};
