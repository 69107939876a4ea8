// The diagnostics collector against a deployment whose hosts and game servers are all on 127.0.0.1.
#include "app/deploymentconfig.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "diag/diagnostics.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every probed host is a loopback address of its own, so the order of the probes shows in the log.
QByteArray loopbackDeployment()
{
    const QStringList roles{"W-home",    "W-intl",    "W-r1",     "W-r2",  "W-r3",  "W-r4", "API-home",
                            "API2-home", "API3-home", "API-intl", "CDN-a", "CDN-b", "CDN-c"};
    QJsonObject hosts;
    for (int i = 0; i < roles.size(); ++i)
        hosts.insert(roles.at(i), QStringLiteral("127.0.0.%1").arg(10 + i));
    const QJsonArray servers{"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"};
    const QJsonObject root{{"mirrors", QJsonArray{"http://127.0.0.1:9/update.json"}},
                           {"diagnostics", QJsonObject{{"hosts", hosts}, {"servers", servers}}}};
    return QJsonDocument(root).toJson();
}

QByteArray run7zz(const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("7zz"), arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

QStringList archivedNames(const QString &archive)
{
    QStringList names;
    const QList<QByteArray> lines =
        run7zz({QStringLiteral("l"), QStringLiteral("-slt"), archive}).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Path = ") && !line.endsWith(".7z"))
            names.append(QString::fromUtf8(line.mid(7)));
    }
    names.sort();
    return names;
}

// The ">>> command" lines of a network log, in order.
QStringList loggedCommands(const QByteArray &netlog)
{
    QStringList commands;
    for (const QByteArray &line : netlog.split('\n')) {
        if (line.startsWith(">>> "))
            commands.append(QString::fromUtf8(line.mid(4)));
    }
    return commands;
}

QByteArray netlogEntryOf(const QByteArray &netlog, const QString &command)
{
    const QByteArray head = ">>> " + command.toUtf8() + "\n";
    const int start = netlog.indexOf(head);
    const int next = netlog.indexOf("\n>>> ", start + 1);
    return netlog.mid(start, next < 0 ? -1 : next + 1 - start);
}

QList<int> firstSeenSteps(const QSignalSpy &progress)
{
    QList<int> steps;
    for (const QList<QVariant> &args : progress) {
        if (!steps.contains(args.at(2).toInt()))
            steps.append(args.at(2).toInt());
    }
    return steps;
}

} // namespace

class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void packsLogsReportsAndNetworkLog_data();
    void packsLogsReportsAndNetworkLog();
    void cutsOffCommandsThatOverrun();
    void stopDuringCopyWritesNothing();
    void archiveName_data();
    void archiveName();

private:
    QString desktop() const { return m_home.path() + QStringLiteral("/Desktop/"); }
    Diagnostics::Options quickOptions() const;

    QTemporaryDir m_home;
    QTemporaryDir m_app;
};

void TestDiagnostics::initTestCase()
{
    QVERIFY(m_home.isValid() && m_app.isValid());
    qputenv("HOME", m_home.path().toUtf8());
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(name);
    const QString config = m_home.filePath(QStringLiteral("deployment.json"));
    QVERIFY(writeFile(config, loopbackDeployment()));
    QVERIFY(DeploymentConfig::loadInstance(config));
    Paths::setApplicationFolder(m_app.path());
}

void TestDiagnostics::init()
{
    QDir(desktop()).removeRecursively();
    QFile::remove(Paths::gameSessionDataPath());
    gameProduct.version = Version();
}

Diagnostics::Options TestDiagnostics::quickOptions() const
{
    Diagnostics::Options options;
    options.pingCount = 1;
    options.traceCycles = 1;
    options.nameServer = QStringLiteral("127.0.0.1");
    options.batchTimeLimitMs = 30000;
    return options;
}

void TestDiagnostics::packsLogsReportsAndNetworkLog_data()
{
    QTest::addColumn<bool>("withTraceTool");
    QTest::newRow("trace tool missing") << false;
    QTest::newRow("system trace tool") << true;
}

void TestDiagnostics::packsLogsReportsAndNetworkLog()
{
    QFETCH(bool, withTraceTool);
    QVERIFY(writeFile(Paths::logPath(), "launcher log\n"));
    QVERIFY(writeFile(Paths::previousLogPath(), "previous launcher log\n"));
    Diagnostics::Options options = quickOptions();
    options.traceTool = withTraceTool ? QStandardPaths::findExecutable(QStringLiteral("mtr"))
                                      : m_app.filePath(QStringLiteral("missing/mtr"));
    QVERIFY(!options.traceTool.isEmpty());
    Diagnostics diagnostics;
    diagnostics.setOptions(options);
    QSignalSpy progress(&diagnostics, &Diagnostics::progress);
    QSignalSpy ended(&diagnostics, &Diagnostics::ended);
    diagnostics.start();
    QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 60000);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().toInt(), int(Diagnostics::Written));
    QCOMPARE(firstSeenSteps(progress), QList<int>({1, 3, 2, 4, 5}));
    QCOMPARE(diagnostics.step(), int(Diagnostics::Finished));

    const QString archive = diagnostics.archivePath();
    QVERIFY(archive.startsWith(desktop()));
    QVERIFY(QFile::exists(archive));
    int testResult = -1;
    run7zz({QStringLiteral("t"), archive}, &testResult);
    QCOMPARE(testResult, 0);
    QCOMPARE(archivedNames(archive),
             QStringList({"dxdiag.txt", "hosts", "log.txt", "log_prev.txt", "msinfo.txt", "netlog.txt"}));
    QVERIFY(run7zz({"e", "-so", archive, "msinfo.txt"}).contains("== Kernel\nLinux"));
    QVERIFY(run7zz({"e", "-so", archive, "dxdiag.txt"}).contains("== Display session"));

    const QByteArray netlog =
        run7zz({QStringLiteral("e"), QStringLiteral("-so"), archive, QStringLiteral("netlog.txt")});
    const QStringList commands = diagnostics.networkCommands();
    QCOMPARE(commands.size(), 28);
    QCOMPARE(loggedCommands(netlog), commands);
    QCOMPARE(commands.at(0), QStringLiteral("nslookup 127.0.0.10 127.0.0.1"));
    QCOMPARE(commands.at(13), QStringLiteral("ping -c 1 127.0.0.10"));
    QCOMPARE(commands.at(18), QStringLiteral("ping -c 1 127.0.0.5"));
    QVERIFY(netlogEntryOf(netlog, commands.at(18)).contains("1 received"));
    QCOMPARE(commands.at(27), QStringLiteral("\"%1\" -c 1 -r -n 127.0.0.1").arg(options.traceTool));
    for (int i = 23; i < 28; ++i) {
        const QByteArray entry = netlogEntryOf(netlog, commands.at(i));
        if (withTraceTool)
            QVERIFY2(entry.contains("127.0.0." + QByteArray::number(28 - i)), entry.constData());
        else
            QCOMPARE(entry, ">>> " + commands.at(i).toUtf8() + "\n\n\n\n");
    }
}

void TestDiagnostics::cutsOffCommandsThatOverrun()
{
    // A trace tool and a graphics tool that hang: the first of each batch is cut off.
    const QString bin = m_app.filePath(QStringLiteral("bin"));
    const QString tool = bin + QStringLiteral("/slowtrace");
    for (const QString &path : {tool, bin + QStringLiteral("/glxinfo")}) {
        QVERIFY(writeFile(path, "#!/bin/sh\necho tracing\nexec sleep 20\n"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    Diagnostics::Options options = quickOptions();
    options.traceTool = tool;
    options.batchTimeLimitMs = 2000;
    Diagnostics diagnostics;
    diagnostics.setOptions(options);
    QSignalSpy ended(&diagnostics, &Diagnostics::ended);
    diagnostics.start();
    QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 40000);
    qputenv("PATH", path);
    QCOMPARE(ended.first().first().toInt(), int(Diagnostics::Written));
    const QByteArray netlog = run7zz({"e", "-so", diagnostics.archivePath(), "netlog.txt"});
    const QStringList commands = diagnostics.networkCommands();
    QCOMPARE(loggedCommands(netlog), commands);
    const QByteArray note = "*** cut off: still running after 2 s";
    for (int i = 0; i < 28; ++i) {
        const QByteArray entry = netlogEntryOf(netlog, commands.at(i));
        const bool cutOff = entry.contains(note + "\n");
        QVERIFY2(cutOff == (i >= 23), entry.constData());
        if (i >= 23)
            QVERIFY(entry.contains("tracing"));
    }
    const QList<QByteArray> lines = netlog.split('\n');
    QVERIFY(lines.size() > 2);
    QVERIFY2(lines.at(lines.size() - 2).startsWith(note + ": sh -c "),
             lines.at(lines.size() - 2).constData());
    QVERIFY(lines.at(lines.size() - 2).contains("glxinfo"));
    QVERIFY(run7zz({"e", "-so", diagnostics.archivePath(), "dxdiag.txt"}).contains("tracing"));
}

void TestDiagnostics::stopDuringCopyWritesNothing()
{
    Diagnostics diagnostics;
    diagnostics.setOptions(quickOptions());
    QSemaphore reached;
    QSemaphore proceed;
    // The body waits after its first copied file until the stop has been asked for.
    connect(
        &diagnostics, &Diagnostics::progress, &diagnostics,
        [&](int processed, int, int status, const QString &) {
            if (status == Diagnostics::CopyingLogs && processed == 1) {
                reached.release();
                proceed.acquire();
            }
        },
        Qt::DirectConnection);
    QSignalSpy progress(&diagnostics, &Diagnostics::progress);
    QSignalSpy ended(&diagnostics, &Diagnostics::ended);
    diagnostics.start();
    QVERIFY(reached.tryAcquire(1, 10000));
    QTimer::singleShot(0, &diagnostics, [&proceed] { proceed.release(); });
    diagnostics.stop();
    QTest::qWait(200);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().toInt(), int(Diagnostics::Stopped));
    QCOMPARE(firstSeenSteps(progress), QList<int>({1, 0}));
    QCOMPARE(progress.last(), QList<QVariant>({1, 1, 0, QString()}));
    QCOMPARE(diagnostics.step(), int(Diagnostics::Idle));
    QVERIFY(QDir(desktop()).entryList({QStringLiteral("*.7z")}).isEmpty());
}

void TestDiagnostics::archiveName_data()
{
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("login and build") << QByteArray("{\"login\": \"abc\"}") << "1.2.345"
                                     << "GD7EN_abc_345_\\d{14}\\.7z";
    QTest::newRow("nothing known") << QByteArray() << QString() << "GD7EN_\\d{14}\\.7z";
    QTest::newRow("session not json") << QByteArray("login=abc") << "2.0.7"
                                      << "GD7EN_7_\\d{14}\\.7z";
    QTest::newRow("empty login") << QByteArray("{\"login\": \"\"}") << "0.0.0"
                                 << "GD7EN_0_\\d{14}\\.7z";
}

void TestDiagnostics::archiveName()
{
    QFETCH(QByteArray, session);
    QFETCH(QString, version);
    QFETCH(QString, pattern);
    if (!session.isEmpty())
        QVERIFY(writeFile(Paths::gameSessionDataPath(), session));
    gameProduct.version = parseVersion(version);
    const QString name = Diagnostics::archiveName();
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(name).hasMatch(),
             qPrintable(name));
    const QDateTime stamp = QDateTime::fromString(name.right(17).left(14), QStringLiteral("yyyyMMddhhmmss"));
    QVERIFY(qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 60);
}

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
