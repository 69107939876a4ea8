#include "platform/launcherfiles.h"
#include "platform/processes.h"
#include "probehelpers.h"

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// "GD7Launcher.exe" on Windows, "GD7Launcher" elsewhere.
QString launcherName()
{
    return platform::executableFileName(QStringLiteral("GD7Launcher.exe"));
}

} // namespace

class ProcessesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void waitsForProcessThatEnds();
    void killsProcessThatHangs();
    void refusesIdsWithoutProcess_data();
    void refusesIdsWithoutProcess();
    void startsDetachedFromAnyFolder_data();
    void startsDetachedFromAnyFolder();
    void reportsProgramThatCannotStart();
    void namesOwnProcess();
    void exitsAtOnce();

private:
    static std::unique_ptr<QProcess> startProbe(const QStringList &arguments);
    QTemporaryDir m_dir;
};

void ProcessesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

std::unique_ptr<QProcess> ProcessesTest::startProbe(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(PLATFORM_PROBE), arguments);
    process->waitForStarted();
    return process;
}

void ProcessesTest::waitsForProcessThatEnds()
{
    auto probe = startProbe({QStringLiteral("sleep"), QStringLiteral("400")});
    QVERIFY(probe->processId() > 0);
    QVERIFY(platform::waitForProcess(probe->processId(), 10000));
    QVERIFY(probe->waitForFinished(1000));
    QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe->exitCode(), 0);
}

void ProcessesTest::killsProcessThatHangs()
{
    auto probe = startProbe({QStringLiteral("hang")});
    const qint64 pid = probe->processId();
    QVERIFY(!platform::waitForProcess(pid, 300));
    QCOMPARE(probe->state(), QProcess::Running);
    QVERIFY(platform::killProcess(pid));
    QVERIFY(platform::waitForProcess(pid, 10000));
    QVERIFY(probe->waitForFinished(5000));
    QCOMPARE(probe->exitStatus(), QProcess::CrashExit);
}

void ProcessesTest::refusesIdsWithoutProcess_data()
{
    QTest::addColumn<qint64>("pid");
    auto ended = startProbe({QStringLiteral("sleep"), QStringLiteral("0")});
    const qint64 endedPid = ended->processId();
    QVERIFY(ended->waitForFinished(5000));
    QTest::newRow("ended and reaped") << endedPid;
    // 0 and -1 would name this process group and every process to kill(2).
    QTest::newRow("zero") << qint64(0);
    QTest::newRow("minus one") << qint64(-1);
#ifdef Q_OS_UNIX
    QTest::newRow("negative group") << -qint64(::getpgrp());
#endif
}

void ProcessesTest::refusesIdsWithoutProcess()
{
    QFETCH(qint64, pid);
    QVERIFY(!platform::waitForProcess(pid, 200));
    QVERIFY(!platform::killProcess(pid));
}

void ProcessesTest::startsDetachedFromAnyFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain") << "plain" << QStringList{"report"};
    QTest::newRow("blanks") << "Program Files/Glimmer deep" << QStringList{"report", "two words", ""};
    QTest::newRow("non-ASCII") << QString::fromUtf8("Spiele/Glänzende Tiefe 游戏")
                               << QStringList{"report", QString::fromUtf8("ärger"), "\"quoted\""};
    QTest::newRow("shell characters") << "it's $HOME `x` \\ %1" << QStringList{"report", "$PATH", "a;b", "*"};
}

void ProcessesTest::startsDetachedFromAnyFolder()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, arguments);
    const QString program = m_dir.filePath(folder + QLatin1Char('/') + launcherName());
    QVERIFY(placeProbe(program));
    const QString report = m_dir.filePath(QStringLiteral("report-") + QTest::currentDataTag());
    qputenv("GD7_PROBE_REPORT", QFile::encodeName(report));

    QVERIFY(platform::startDetachedQuoted(program, arguments));
    const QJsonObject started = waitForReport(report);
    QCOMPARE(started.value(QStringLiteral("program")).toString(), program);
    QCOMPARE(started.value(QStringLiteral("args")).toVariant().toStringList(), arguments.mid(1));
    QCOMPARE(started.value(QStringLiteral("cwd")).toString(), QFileInfo(program).absolutePath());
}

void ProcessesTest::reportsProgramThatCannotStart()
{
    QVERIFY(!platform::startDetachedQuoted(m_dir.filePath(QStringLiteral("missing/") + launcherName()), {}));
    const QString notExecutable = m_dir.filePath(QStringLiteral("data/") + launcherName());
    QDir().mkpath(QFileInfo(notExecutable).absolutePath());
    QFile file(notExecutable);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a program");
    file.close();
    QVERIFY(!platform::startDetachedQuoted(notExecutable, {}));
}

void ProcessesTest::namesOwnProcess()
{
    QCOMPARE(platform::currentProcessId(), QCoreApplication::applicationPid());
}

void ProcessesTest::exitsAtOnce()
{
    auto probe = startProbe({QStringLiteral("exit"), QStringLiteral("7")});
    QVERIFY(probe->waitForFinished(5000));
    QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe->exitCode(), 7);
    // Destructors do not run: the output stops where exitApp was called.
    QCOMPARE(QString::fromLatin1(probe->readAllStandardOutput()), QStringLiteral("before\n"));
}

QTEST_GUILESS_MAIN(ProcessesTest)
#include "tst_processes.moc"
