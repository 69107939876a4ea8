#include "net/taskmanager.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <stdexcept>

namespace {

std::atomic<int> destroyedTasks{0};

// Counts its own destruction so that tests see when the manager lets a task go.
class CountedTask : public Task
{
public:
    using Task::Task;
    ~CountedTask() override { ++destroyedTasks; }
};

// Reports once, then succeeds.
class ReportingTask : public CountedTask
{
public:
    QThread *bodyThread = nullptr;

protected:
    void execute() override
    {
        setResult(-1);
        bodyThread = QThread::currentThread();
        emit progress(id(), 1, 2, 3, QStringLiteral("half"));
        setResult(0);
    }
};

class ThrowingTask : public CountedTask
{
protected:
    void execute() override
    {
        setResult(-1);
        setResult(1);
        throw std::runtime_error("disk on fire");
    }
};

// Runs until it is asked to stop, the way a body written for stopping polls its flag.
class PollingTask : public CountedTask
{
public:
    using CountedTask::CountedTask;
    std::atomic<bool> stopSeenAtStart{true};
    std::atomic<bool> returned{false};

protected:
    void execute() override
    {
        stopSeenAtStart = isStopRequested();
        while (!isStopRequested())
            QThread::msleep(1);
        returned = true;
    }
};

} // namespace

// Records the manager's signals as text, and on which thread they arrived.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(TaskManager *manager)
    {
        connect(manager, &TaskManager::started, this, [this](int id) { add(id, "started"); });
        connect(
            manager, &TaskManager::progress, this,
            [this](int id, int processed, int total, int status, const QString &msg) {
                add(id,
                    QStringLiteral("progress %1 %2 %3 %4").arg(processed).arg(total).arg(status).arg(msg));
            });
        connect(manager, &TaskManager::ended, this, [this, manager](int id, int result) {
            add(id, QStringLiteral("ended %1").arg(result));
            if (manager->isRunning(id))
                add(id, "still running at ended");
        });
        connect(manager, &TaskManager::exception, this, [this](int id) { add(id, "exception"); });
    }

    QStringList of(int id) const { return m_entries.value(id); }
    int endedCount() const { return m_ended; }
    bool allOnThread(QThread *thread) const { return m_threads.size() == 1 && m_threads.contains(thread); }

private:
    void add(int id, const QString &entry)
    {
        m_entries[id].append(entry);
        m_threads.insert(QThread::currentThread());
        if (entry.startsWith(QLatin1String("ended")))
            ++m_ended;
    }

    QHash<int, QStringList> m_entries;
    QSet<QThread *> m_threads;
    int m_ended = 0;
};

class TaskManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { destroyedTasks = 0; }
    void numbersTasksAndForwardsSignals();
    void dropsQueuedTaskWithoutSignals();
    void terminateWaitsForRunningBody();
    void terminateAllDropsQueuedAndStopsRunning();
    void ignoresUnknownIds();
    void refusesDuplicateId();
    void destructionStopsEverything();
    void neverStartedTaskDoesNotBlock();

private:
    // Starts one polling task per pool thread and returns them once all are running.
    QList<PollingTask *> occupyPool(TaskManager &manager, SignalLog &log);
};

QList<PollingTask *> TaskManagerTest::occupyPool(TaskManager &manager, SignalLog &log)
{
    QList<PollingTask *> running;
    for (int i = 0; i < QThread::idealThreadCount(); ++i) {
        auto *task = new PollingTask;
        manager.start(task);
        running.append(task);
    }
    for (PollingTask *task : running) {
        if (!QTest::qWaitFor([&] { return !log.of(task->id()).isEmpty(); }, 10000))
            return {};
    }
    return running;
}

void TaskManagerTest::numbersTasksAndForwardsSignals()
{
    TaskManager manager;
    SignalLog log(&manager);
    auto *reporting = new ReportingTask;
    QCOMPARE(manager.start(reporting), 0);
    QCOMPARE(manager.start(new ThrowingTask), 1);
    manager.wait();
    QTRY_COMPARE(log.endedCount(), 2);

    QCOMPARE(log.of(0), QStringList({"started", "progress 1 2 3 half", "ended 0"}));
    QCOMPARE(log.of(1), QStringList({"started", "exception", "ended 1"}));
    QVERIFY(log.allOnThread(QThread::currentThread()));
    QTRY_COMPARE(destroyedTasks.load(), 2);
    QVERIFY(!manager.isRunning(-1));

    QCOMPARE(manager.start(new ReportingTask), 2);
    manager.wait(2);
    QTRY_COMPARE(log.endedCount(), 3);
}

void TaskManagerTest::dropsQueuedTaskWithoutSignals()
{
    TaskManager manager;
    SignalLog log(&manager);
    const QList<PollingTask *> running = occupyPool(manager, log);
    QVERIFY(!running.isEmpty());

    const int queued = manager.start(new PollingTask);
    QVERIFY(manager.isRunning(queued));
    manager.terminate(queued);
    QCOMPARE(destroyedTasks.load(), 1);
    QVERIFY(!manager.isRunning(queued));

    manager.terminate();
    QTRY_COMPARE(log.endedCount(), running.size());
    QVERIFY(log.of(queued).isEmpty());
}

void TaskManagerTest::terminateWaitsForRunningBody()
{
    TaskManager manager;
    SignalLog log(&manager);
    auto *task = new PollingTask;
    const int id = manager.start(task);
    QTRY_VERIFY(!log.of(id).isEmpty());
    QVERIFY(!task->stopSeenAtStart);
    QVERIFY(manager.isRunning(id));

    manager.terminate(id);
    // The task may already be deleted here; its end shows in the log and in the counter.
    QVERIFY(!manager.isRunning(id));
    QTRY_COMPARE(log.of(id), QStringList({"started", "ended -1"}));
    QTRY_COMPARE(destroyedTasks.load(), 1);
}

void TaskManagerTest::terminateAllDropsQueuedAndStopsRunning()
{
    TaskManager manager;
    SignalLog log(&manager);
    const QList<PollingTask *> running = occupyPool(manager, log);
    QVERIFY(!running.isEmpty());
    const int firstQueued = manager.start(new PollingTask);
    const int secondQueued = manager.start(new PollingTask);

    manager.terminate(-1, true);
    QVERIFY(!manager.isRunning(-1));
    QTRY_COMPARE(destroyedTasks.load(), running.size() + 2);
    QCOMPARE(log.endedCount(), running.size());
    QVERIFY(log.of(firstQueued).isEmpty());
    QVERIFY(log.of(secondQueued).isEmpty());
}

void TaskManagerTest::ignoresUnknownIds()
{
    TaskManager manager;
    manager.terminate(-1, true);
    manager.wait();
    QVERIFY(!manager.isRunning(-1));

    SignalLog log(&manager);
    auto *task = new PollingTask;
    const int id = manager.start(task);
    QTRY_VERIFY(!log.of(id).isEmpty());
    const int unknown = id + 7;
    manager.pause(unknown);
    QVERIFY(!task->isPaused());
    manager.terminate(unknown);
    manager.wait(unknown);
    QVERIFY(QMetaObject::invokeMethod(&manager, "_eraseTask", Q_ARG(int, -1), Q_ARG(int, 3)));
    QVERIFY(QMetaObject::invokeMethod(&manager, "_eraseTask", Q_ARG(int, unknown), Q_ARG(int, 3)));
    QVERIFY(!manager.isRunning(unknown));
    QVERIFY(manager.isRunning(id));
    QVERIFY(!task->isStopRequested());

    manager.pause();
    QVERIFY(task->isPaused());
    manager.resume(unknown);
    QVERIFY(task->isPaused());
    manager.resume(id);
    QVERIFY(!task->isPaused());
    manager.pause(id);
    manager.terminate(id);
    QTRY_COMPARE(log.endedCount(), 1);
}

void TaskManagerTest::refusesDuplicateId()
{
    TaskManager manager;
    SignalLog log(&manager);
    QCOMPARE(manager.start(new PollingTask(5)), 5);
    QCOMPARE(manager.start(new PollingTask(5)), -1);
    QCOMPARE(destroyedTasks.load(), 1);
    QCOMPARE(manager.start(new PollingTask), 0);
    QCOMPARE(manager.start(nullptr), -1);
    manager.terminate();
    QTRY_COMPARE(destroyedTasks.load(), 3);
}

void TaskManagerTest::destructionStopsEverything()
{
    auto manager = std::make_unique<TaskManager>();
    SignalLog log(manager.get());
    const QList<PollingTask *> running = occupyPool(*manager, log);
    QVERIFY(!running.isEmpty());
    const int queued = manager->start(new PollingTask);
    manager.reset();
    QCOMPARE(destroyedTasks.load(), running.size() + 1);
    QVERIFY(log.of(queued).isEmpty());
}

void TaskManagerTest::neverStartedTaskDoesNotBlock()
{
    auto *task = new PollingTask;
    task->wait();
    task->terminate(true);
    QVERIFY(task->isStopRequested());
    QVERIFY(!task->isFinished());
    delete task;
    QCOMPARE(destroyedTasks.load(), 1);
}

QTEST_GUILESS_MAIN(TaskManagerTest)
#include "tst_taskmanager.moc"
