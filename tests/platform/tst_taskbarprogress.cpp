#include "platform/taskbarprogress.h"

#include <QDBusConnection>
#include <QtTest>

// The task-bar progress's own arithmetic, and its silence without a session bus. What it sends
// over a bus is checked with the footer that drives it (tests/ui/tst_launcherbars).
class TaskbarProgressTest : public QObject
{
    Q_OBJECT
private slots:
    void fraction_data();
    void fraction();
    void keepsTheValueInTheRange_data();
    void keepsTheValueInTheRange();
    void keepsWorkingWithoutASessionBus();
};

void TaskbarProgressTest::fraction_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("busy range") << 0 << 0 << 5 << 0.0;
    QTest::newRow("half") << 0 << 100 << 50 << 0.5;
    QTest::newRow("a quarter of the footer's steps") << 0 << 1000000 << 250000 << 0.25;
    QTest::newRow("past the end") << 0 << 100 << 150 << 1.0;
    QTest::newRow("below the start") << 10 << 20 << 5 << 0.0;
    QTest::newRow("offset range") << 10 << 20 << 15 << 0.5;
    QTest::newRow("reversed range") << 20 << 10 << 15 << 0.0;
}

void TaskbarProgressTest::fraction()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(double, expected);
    QCOMPARE(platform::TaskbarProgress::fraction(minimum, maximum, value), expected);
}

void TaskbarProgressTest::keepsTheValueInTheRange_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 0 << 100 << 40 << 40;
    QTest::newRow("above") << 0 << 100 << 140 << 100;
    QTest::newRow("below") << 0 << 100 << -3 << 0;
    QTest::newRow("busy range holds only its start") << 0 << 0 << 7 << 0;
}

void TaskbarProgressTest::keepsTheValueInTheRange()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, expected);
    platform::TaskbarProgress progress;
    progress.setRange(minimum, maximum);
    progress.setValue(value);
    QCOMPARE(progress.value(), expected);
    // A narrower range pulls a value that no longer fits back in.
    progress.setRange(minimum, minimum);
    QCOMPARE(progress.value(), minimum);
}

void TaskbarProgressTest::keepsWorkingWithoutASessionBus()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/gd7-test-bus");
    platform::TaskbarProgress progress;
    progress.setRange(0, 100);
    progress.setValue(30);
    progress.setPaused(true);
    progress.setVisible(false);
    QVERIFY(!QDBusConnection::sessionBus().isConnected());
    QCOMPARE(progress.value(), 30);
    QVERIFY(progress.isPaused());
    QVERIFY(!progress.isVisible());
}

QTEST_MAIN(TaskbarProgressTest)
#include "tst_taskbarprogress.moc"
