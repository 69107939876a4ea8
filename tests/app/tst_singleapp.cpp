#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

class SingleAppTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void oneOfTwoSimultaneousStartsIsPrimary();
    void secondStartActivatesPrimaryOnce();
    void newStartAfterPrimaryExitsIsPrimary();
    void startLockLeftBehindDoesNotBlock_data();
    void startLockLeftBehindDoesNotBlock();

private:
    std::unique_ptr<QProcess> start(int lifetimeMs);
    std::unique_ptr<QProcess> start(const QString &mode);
    static QString firstLine(QProcess &process);

    QString m_lockKey;
    QString m_memoryKey;
};

void SingleAppTest::init()
{
    // Keys of our own, so parallel test runs and a real launcher never meet.
    const QString suffix = QStringLiteral("%1.%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QString::fromLatin1(QTest::currentTestFunction()));
    m_lockKey = QStringLiteral("gd7test.applock.") + suffix;
    m_memoryKey = QStringLiteral("gd7test.appmem.") + suffix;
}

std::unique_ptr<QProcess> SingleAppTest::start(int lifetimeMs)
{
    return start(QString::number(lifetimeMs));
}

std::unique_ptr<QProcess> SingleAppTest::start(const QString &mode)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(SINGLEAPP_PROBE), {m_lockKey, m_memoryKey, mode});
    return process;
}

QString SingleAppTest::firstLine(QProcess &process)
{
    if (!process.canReadLine() && !process.waitForReadyRead(10000))
        return QString();
    return QString::fromLatin1(process.readLine()).trimmed();
}

void SingleAppTest::oneOfTwoSimultaneousStartsIsPrimary()
{
    for (int round = 0; round < 5; ++round) {
        auto a = start(1500);
        auto b = start(1500);
        const QStringList roles{firstLine(*a), firstLine(*b)};
        QCOMPARE(roles.count(QStringLiteral("primary")), 1);
        QCOMPARE(roles.count(QStringLiteral("secondary")), 1);
        QVERIFY(a->waitForFinished(10000));
        QVERIFY(b->waitForFinished(10000));
    }
}

void SingleAppTest::secondStartActivatesPrimaryOnce()
{
    auto primary = start(4000);
    QCOMPARE(firstLine(*primary), QStringLiteral("primary"));
    QElapsedTimer rung;
    for (int i = 0; i < 3; ++i) {
        auto second = start(0);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(QString::fromLatin1(second->readAll()).trimmed(), QStringLiteral("secondary"));
        QCOMPARE(second->exitCode(), 0);
    }
    rung.start();
    QCOMPARE(firstLine(*primary), QStringLiteral("activated"));
    QVERIFY2(rung.elapsed() < 2500, "the primary did not answer its doorbell within the poll interval");
    QVERIFY(primary->waitForFinished(10000));
    QCOMPARE(QString::fromLatin1(primary->readAll()).count(QStringLiteral("activated")), 0);
}

void SingleAppTest::newStartAfterPrimaryExitsIsPrimary()
{
    auto first = start(200);
    QCOMPARE(firstLine(*first), QStringLiteral("primary"));
    QVERIFY(first->waitForFinished(10000));
    auto next = start(200);
    QCOMPARE(firstLine(*next), QStringLiteral("primary"));
    QVERIFY(next->waitForFinished(10000));

    // A primary that dies without cleaning up must not block later starts either.
    auto killed = start(10000);
    QCOMPARE(firstLine(*killed), QStringLiteral("primary"));
    killed->kill();
    QVERIFY(killed->waitForFinished(10000));
    auto after = start(200);
    QCOMPARE(firstLine(*after), QStringLiteral("primary"));
    QVERIFY(after->waitForFinished(10000));
}

void SingleAppTest::startLockLeftBehindDoesNotBlock_data()
{
    QTest::addColumn<bool>("holderKilled");
    // The start that held the lock was killed: its lock file is taken over.
    QTest::newRow("holder killed") << true;
#ifdef Q_OS_UNIX
    // The start that holds the lock hangs (stopped): later starts go on without it.
    QTest::newRow("holder hangs") << false;
#endif
}

void SingleAppTest::startLockLeftBehindDoesNotBlock()
{
    QFETCH(bool, holderKilled);
    auto holder = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*holder), QStringLiteral("held"));
    if (holderKilled) {
        holder->kill();
        QVERIFY(holder->waitForFinished(10000));
    } else {
#ifdef Q_OS_UNIX
        QCOMPARE(::kill(pid_t(holder->processId()), SIGSTOP), 0);
#endif
    }

    auto next = start(200);
    QCOMPARE(firstLine(*next), QStringLiteral("primary"));
    QVERIFY(next->waitForFinished(10000));
    QCOMPARE(next->exitCode(), 0);

    if (!holderKilled) {
        holder->kill();
        QVERIFY(holder->waitForFinished(10000));
    }
}

QTEST_GUILESS_MAIN(SingleAppTest)
#include "tst_singleapp.moc"
