#include "net/taskwrapper.h"
#include "tests/support/logcapture.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QtTest>

#include <atomic>
#include <stdexcept>

// One callable on the global pool: cancel while queued, wait while running, and a handle that
// stays valid whoever lets go first.
class TaskWrapperTest : public QObject
{
    Q_OBJECT
private slots:
    void waitsForRunningFunction();
    void cancelsQueuedWrapper();
    void survivesThrowingFunctions_data();
    void survivesThrowingFunctions();
    void releasedWhenBothSidesLetGo();

private:
    LogCapture m_log;
};

void TaskWrapperTest::waitsForRunningFunction()
{
    QSemaphore entered;
    std::atomic<bool> returned{false};
    const auto handle = TaskWrapper::launch([&] {
        entered.release();
        QThread::msleep(200);
        returned = true;
    });
    QVERIFY(entered.tryAcquire(1, 10000));
    QVERIFY(!handle->cancel());
    handle->wait();
    QVERIFY(returned);
    QVERIFY(handle->isDone());
}

void TaskWrapperTest::cancelsQueuedWrapper()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    QSemaphore gate;
    QSemaphore entered;
    QList<std::shared_ptr<TaskWrapper>> blockers;
    for (int i = 0; i < pool->maxThreadCount(); ++i)
        blockers.append(TaskWrapper::launch([&] {
            entered.release();
            gate.acquire();
        }));
    QVERIFY(entered.tryAcquire(blockers.size(), 10000));

    std::atomic<bool> ran{false};
    auto queued = TaskWrapper::launch([&] { ran = true; });
    QVERIFY(!queued->isDone());
    QVERIFY(queued->cancel());
    QVERIFY(queued->isDone());
    queued->wait();
    queued.reset();

    gate.release(blockers.size());
    for (const auto &blocker : blockers) {
        if (!blocker->cancel())
            blocker->wait();
    }
    pool->waitForDone();
    QVERIFY(!ran);
}

void TaskWrapperTest::survivesThrowingFunctions_data()
{
    QTest::addColumn<bool>("empty");
    QTest::newRow("throwing function") << false;
    QTest::newRow("empty function") << true;
}

void TaskWrapperTest::survivesThrowingFunctions()
{
    QFETCH(bool, empty);
    m_log.takeLines();
    const auto handle = TaskWrapper::launch(empty ? std::function<void()>()
                                                  : [] { throw std::runtime_error("no space left"); });
    handle->wait();
    QVERIFY(handle->isDone());
    QCOMPARE(m_log.takeLines(), QStringList({"crit background job ended by an exception"}));
}

void TaskWrapperTest::releasedWhenBothSidesLetGo()
{
    QSemaphore gate;
    const auto token = std::make_shared<int>(0);
    auto handle = TaskWrapper::launch([&gate, token] { gate.acquire(); });
    const std::weak_ptr<TaskWrapper> wrapper = handle;
    handle.reset();
    QVERIFY(!wrapper.expired());
    gate.release();
    QTRY_VERIFY(wrapper.expired());
    // The function, and what it captured, went with the wrapper.
    QCOMPARE(token.use_count(), 1L);
}

QTEST_GUILESS_MAIN(TaskWrapperTest)
#include "tst_taskwrapper.moc"
