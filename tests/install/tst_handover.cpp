#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "install/installworker.h"
#include "install/writeuninstallregistry.h"
#include "platform/launcherfiles.h"
#include "platform/processes.h"
#include "platform/uninstallrecord.h"
#include "testhome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <memory>

// The hand-overs between real launcher processes: the self-update copier started by an old
// launcher, and the two stages of the uninstaller. Every launcher here is launcher_probe.
class HandOverTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void copierReplacesOldLauncher_data();
    void copierReplacesOldLauncher();
    void copierRefusesMissingOptions_data();
    void copierRefusesMissingOptions();
    void copierKeepsOldFileWhenCopyFails();
    void uninstallRunsFromTemporaryCopy();
    void uninstallStopsWhenCopyFails();
    void uninstallRefusesHalfOptions_data();
    void uninstallRefusesHalfOptions();

private:
    void placeLauncher(const QString &folder, const QByteArray &notices);
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments,
                                    const QMap<QString, QString> &extra = {});
    QList<QJsonObject> events() const;
    QJsonObject waitForEvent(const QString &event, const QString &folder, int timeoutMs = 20000) const;
    QString installedVersion() const;

    std::unique_ptr<TestHome> m_home;
    QString m_events;
    QString m_installed; // the installation, with its launcher
    QString m_unpacked;  // where the old launcher unpacked the new one
};

void HandOverTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    m_events = m_home->outsidePath(QStringLiteral("events.json"));
    m_installed = m_home->filePath(QString::fromUtf8("Games/Glimmer deep – Tiefe 游戏/"));
    m_unpacked = m_installed + QStringLiteral("UpdateTemp/gd7_launcher_en/");
}

void HandOverTest::init()
{
    QFile::remove(m_events);
    placeLauncher(m_installed, "old notices");
    placeLauncher(m_unpacked, "new notices");
    // The record of the installed old version.
    ProductInfo old = launcherProduct;
    old.version = Version(4, 0, 100);
    install::WriteUninstallRegistry record(QStringLiteral("m"), old);
    InstallOptions options;
    options.m_installFolder = m_installed;
    record.setOptions(options);
    QVERIFY(record.install());
}

void HandOverTest::cleanup()
{
    QDir(m_installed).removeRecursively();
    platform::removeUninstallRecord(launcherProduct.applicationId);
}

void HandOverTest::placeLauncher(const QString &folder, const QByteArray &notices)
{
    QDir().mkpath(folder);
    QFile::remove(folder + QStringLiteral("GD7Launcher"));
    QVERIFY(QFile::copy(QStringLiteral(LAUNCHER_PROBE), folder + QStringLiteral("GD7Launcher")));
    QVERIFY(TestHome::writeFile(folder + QStringLiteral("3rdparty.txt"), notices));
    QCOMPARE(platform::launcherFileNames(QStringLiteral("GD7Launcher")).size(), 2);
}

std::unique_ptr<QProcess> HandOverTest::start(const QString &program, const QStringList &arguments,
                                              const QMap<QString, QString> &extra)
{
    QProcessEnvironment environment = m_home->environment();
    environment.insert(QStringLiteral("GD7_PROBE_EVENTS"), m_events);
    for (auto it = extra.begin(); it != extra.end(); ++it)
        environment.insert(it.key(), it.value());
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    process->waitForStarted();
    return process;
}

QList<QJsonObject> HandOverTest::events() const
{
    return TestHome::readJsonLines(m_events);
}

// The first event of that kind from a launcher in that folder (any folder when empty).
QJsonObject HandOverTest::waitForEvent(const QString &event, const QString &folder, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    do {
        for (const QJsonObject &line : events()) {
            const QString from = line.value(QStringLiteral("folder")).toString();
            if (line.value(QStringLiteral("event")).toString() == event &&
                (folder.isEmpty() || QDir::cleanPath(from) == QDir::cleanPath(folder)))
                return line;
        }
        QThread::msleep(20);
    } while (!timer.hasExpired(timeoutMs));
    return QJsonObject();
}

QString HandOverTest::installedVersion() const
{
    platform::UninstallRecord record;
    return platform::readUninstallRecord(launcherProduct.applicationId, &record) ? record.displayVersion
                                                                                 : QString();
}

void HandOverTest::copierReplacesOldLauncher_data()
{
    QTest::addColumn<QStringList>("oldLauncher");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<QProcess::ExitStatus>("oldExit");
    QTest::newRow("old launcher exits in time") << QStringList{"--probe-sleep", "1000"} << 20000
                                                << QStringList{"Wait for PID: OK"} << QProcess::NormalExit;
    QTest::newRow("old launcher hangs")
        << QStringList{"--probe-hang"} << 600
        << QStringList{"Wait for PID: FAILED", "Kill PID: OK", "Wait for PID#2: OK"} << QProcess::CrashExit;
}

void HandOverTest::copierReplacesOldLauncher()
{
    QFETCH(QStringList, oldLauncher);
    QFETCH(int, waitMs);
    QFETCH(QStringList, expectedLog);
    QFETCH(QProcess::ExitStatus, oldExit);
    const QString oldProgram = m_installed + QStringLiteral("GD7Launcher");
    auto old = start(oldProgram, oldLauncher);
    QVERIFY(!waitForEvent(QStringLiteral("started"), m_installed).isEmpty());

    // The hand-over command line: the old executable's path and the old process's id.
    auto copier = start(m_unpacked + QStringLiteral("GD7Launcher"),
                        {QStringLiteral("--update"), QStringLiteral("--path"), oldProgram,
                         QStringLiteral("--pid"), QString::number(old->processId())},
                        {{QStringLiteral("GD7_PROBE_VERSION"), QStringLiteral("4.1.2")},
                         {QStringLiteral("GD7_PROBE_WAIT_MS"), QString::number(waitMs)}});
    QVERIFY(copier->waitForFinished(60000));
    QCOMPARE(copier->exitCode(), 0);
    QCOMPARE(copier->readAllStandardOutput(), QByteArray());
    QVERIFY(old->waitForFinished(5000));
    QCOMPARE(old->exitStatus(), oldExit);

    QCOMPARE(TestHome::readFile(m_installed + QStringLiteral("3rdparty.txt")), QByteArray("new notices"));
    QCOMPARE(installedVersion(), QStringLiteral("4.1.2"));
    // The installed launcher started again, without options.
    QList<QJsonObject> starts;
    QElapsedTimer timer;
    timer.start();
    while (starts.size() < 2 && !timer.hasExpired(20000)) {
        QThread::msleep(20);
        starts.clear();
        for (const QJsonObject &event : events()) {
            if (event.value(QStringLiteral("event")).toString() == QLatin1String("started"))
                starts.append(event);
        }
    }
    QCOMPARE(starts.size(), 2);
    QCOMPARE(starts[0].value(QStringLiteral("args")).toVariant().toStringList(), oldLauncher);
    QCOMPARE(QDir::cleanPath(starts[1].value(QStringLiteral("folder")).toString()),
             QDir::cleanPath(m_installed));
    QCOMPARE(starts[1].value(QStringLiteral("args")).toArray().size(), 0);

    const QString log = QString::fromUtf8(TestHome::readFile(m_unpacked + QStringLiteral("log.txt")));
    QVERIFY2(log.contains(QStringLiteral("Update path is not a directory: ") + oldProgram +
                          QStringLiteral(" converting to ") + QDir::cleanPath(m_installed)),
             qPrintable(log));
    for (const QString &line : expectedLog)
        QVERIFY2(log.contains(line), qPrintable(line));
    QCOMPARE(log.contains(QStringLiteral("Kill PID")), expectedLog.size() > 1);
    QVERIFY(!log.contains(QStringLiteral("AutoUpdate job failed")));
}

void HandOverTest::copierRefusesMissingOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("no options") << QStringList{};
    QTest::newRow("path only") << QStringList{"--path", "/opt/GD7/GD7Launcher"};
    QTest::newRow("pid only") << QStringList{"--pid", "4242"};
    QTest::newRow("pid not a number") << QStringList{"--path", "/opt/GD7/GD7Launcher", "--pid", "abc"};
    QTest::newRow("path is the last argument") << QStringList{"--pid", "4242", "--path"};
}

void HandOverTest::copierRefusesMissingOptions()
{
    QFETCH(QStringList, options);
    auto copier =
        start(m_unpacked + QStringLiteral("GD7Launcher"), QStringList{QStringLiteral("--update")} + options);
    QVERIFY(copier->waitForFinished(20000));
    QCOMPARE(copier->exitCode(), 1);
    QCOMPARE(QString::fromUtf8(copier->readAllStandardOutput()),
             QStringLiteral("Update failed: missing option"));
    QCOMPARE(TestHome::readFile(m_installed + QStringLiteral("3rdparty.txt")), QByteArray("old notices"));
    QCOMPARE(installedVersion(), QStringLiteral("4.0.100"));
    QCOMPARE(events().size(), 1);
    QCOMPARE(events().first().value(QStringLiteral("event")).toString(), QStringLiteral("update"));
}

void HandOverTest::copierKeepsOldFileWhenCopyFails()
{
    // The notices file cannot be replaced: a folder with files took its name.
    QVERIFY(QFile::remove(m_installed + QStringLiteral("3rdparty.txt")));
    QVERIFY(TestHome::writeFile(m_installed + QStringLiteral("3rdparty.txt/kept"), "kept"));
    auto old = start(m_installed + QStringLiteral("GD7Launcher"), {QStringLiteral("--probe-sleep"), "300"});
    QVERIFY(!waitForEvent(QStringLiteral("started"), m_installed).isEmpty());

    auto copier = start(m_unpacked + QStringLiteral("GD7Launcher"),
                        {QStringLiteral("--update"), QStringLiteral("--path"), m_installed,
                         QStringLiteral("--pid"), QString::number(old->processId())});
    QVERIFY(copier->waitForFinished(60000));
    QVERIFY(old->waitForFinished(5000));
    QCOMPARE(old->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copier->exitCode(), 1);
    QCOMPARE(QString::fromUtf8(copier->readAllStandardOutput()),
             QStringLiteral("Update process failed for unknown reason. Please try again."));
    QCOMPARE(TestHome::readFile(m_installed + QStringLiteral("3rdparty.txt/kept")), QByteArray("kept"));
    QCOMPARE(installedVersion(), QStringLiteral("4.0.100"));
    const QString log = QString::fromUtf8(TestHome::readFile(m_unpacked + QStringLiteral("log.txt")));
    QVERIFY(log.contains(QStringLiteral("Wait for PID: OK")));
    QVERIFY(log.contains(QStringLiteral("AutoUpdate job failed: Installing files...")));
    QVERIFY(log.contains(QStringLiteral("Failed to uptate files from ") + QDir::cleanPath(m_unpacked) +
                         QStringLiteral(" in ") + m_installed));
    // No half-updated launcher is started.
    QThread::msleep(300);
    const QList<QJsonObject> all = events();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.last().value(QStringLiteral("event")).toString(), QStringLiteral("update"));
}

void HandOverTest::uninstallRunsFromTemporaryCopy()
{
    QVERIFY(platform::removeUninstallRecord(launcherProduct.applicationId));
    QDir(m_installed).removeRecursively();
    const auto before = m_home->snapshot();

    // Install the launcher from a folder outside the home, as the install dialog does.
    const QString medium = m_home->outsidePath(QStringLiteral("install medium/"));
    placeLauncher(medium, "notices");
    Paths::setApplicationFolder(medium);
    InstallOptions options;
    options.m_createQuickLaunchItems = false;
    options.m_installFolder = m_installed;
    install::InstallWorker installer(true, options);
    bool installed = false;
    connect(
        &installer, &install::InstallWorker::installFinished, this, [&](bool ok) { installed = ok; },
        Qt::DirectConnection);
    installer.start();
    QVERIFY(installer.wait(30000));
    QVERIFY(installed);
    QVERIFY(QFileInfo::exists(m_home->filePath(QStringLiteral("Desktop/GD7Launcher.desktop"))));
    for (const char *file : {"Game/data/level.bin", "Update/gd7_1.7z", "GD7Launcher.conf", "log.txt"})
        QVERIFY(TestHome::writeFile(m_installed + QString::fromLatin1(file), "x"));
    QVERIFY(TestHome::writeFile(m_home->filePath(QStringLiteral(".config/Orvane/Glimmerdeep/accounts.dat")),
                                "a"));

    // The command line of the uninstall record.
    auto first = start(m_installed + QStringLiteral("GD7Launcher"), {QStringLiteral("--uninstall")},
                       {{QStringLiteral("GD7_PROBE_WAIT_MS"), QStringLiteral("20000")}});
    const qint64 firstPid = first->processId();
    QVERIFY(first->waitForFinished(20000));
    QCOMPARE(first->exitCode(), 0);
    // Two uninstall runs: the first from the installation, the second from its temporary copy.
    QList<QJsonObject> runs;
    QElapsedTimer timer;
    timer.start();
    while (runs.size() < 2 && !timer.hasExpired(30000)) {
        QThread::msleep(20);
        runs = events();
    }
    QCOMPARE(runs.size(), 2);
    QCOMPARE(QDir::cleanPath(runs[0].value(QStringLiteral("folder")).toString()),
             QDir::cleanPath(m_installed));
    const QJsonObject second = runs[1];
    QCOMPARE(second.value(QStringLiteral("event")).toString(), QStringLiteral("uninstall"));
    QCOMPARE(second.value(QStringLiteral("code")).toInt(), 0);
    const QString temporary = second.value(QStringLiteral("folder")).toString();
    QVERIFY2(temporary.startsWith(m_home->filePath(QStringLiteral(".local/share/Temp/gd_"))),
             qPrintable(temporary));
    const QStringList handOver = second.value(QStringLiteral("args")).toVariant().toStringList();
    QCOMPARE(handOver, (QStringList{"--uninstall", "--path", QDir::cleanPath(m_installed), "--pid",
                                    QString::number(firstPid)}));
    // It may have ended already.
    platform::waitForProcess(second.value(QStringLiteral("pid")).toVariant().toLongLong(), 20000);

    auto after = m_home->snapshot();
    const QString installFolder = QDir(m_home->path()).relativeFilePath(m_installed) + QLatin1Char('/');
    QVERIFY(after.remove(installFolder) == 1);
    const QString differences = TestHome::differences(before, after);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    QDir(medium).removeRecursively();
}

void HandOverTest::uninstallStopsWhenCopyFails()
{
    QVERIFY(QFile::remove(m_installed + QStringLiteral("3rdparty.txt")));
    const auto before = m_home->snapshot();
    auto first = start(m_installed + QStringLiteral("GD7Launcher"), {QStringLiteral("--uninstall")});
    QVERIFY(first->waitForFinished(20000));
    QCOMPARE(first->exitCode(), 1);
    // Nothing but the first run's log: no temporary copy, the record as it was, nothing removed.
    auto after = m_home->snapshot();
    const QString log = QDir(m_home->path()).relativeFilePath(m_installed + QStringLiteral("log.txt"));
    QVERIFY(QString::fromUtf8(after.take(log))
                .contains(QStringLiteral("Uninstall: failed to copy the launcher")));
    const QString differences = TestHome::differences(before, after);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    QCOMPARE(events().size(), 1);
}

void HandOverTest::uninstallRefusesHalfOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("path only") << QStringList{"--path", "INSTALLED"};
    QTest::newRow("pid only") << QStringList{"--pid", "4242"};
    QTest::newRow("pid not a number") << QStringList{"--path", "INSTALLED", "--pid", "abc"};
    QTest::newRow("empty path") << QStringList{"--path", "", "--pid", "4242"};
}

void HandOverTest::uninstallRefusesHalfOptions()
{
    QFETCH(QStringList, options);
    options.replaceInStrings(QStringLiteral("INSTALLED"), m_installed);
    const auto before = m_home->snapshot();
    auto uninstaller = start(m_unpacked + QStringLiteral("GD7Launcher"),
                             QStringList{QStringLiteral("--uninstall")} + options);
    QVERIFY(uninstaller->waitForFinished(20000));
    QCOMPARE(uninstaller->exitCode(), 1);
    auto after = m_home->snapshot();
    for (const QString &log : {QStringLiteral("log.txt"), QStringLiteral("log_prev.txt")})
        after.remove(QDir(m_home->path()).relativeFilePath(m_unpacked + log));
    const QString differences = TestHome::differences(before, after);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    QVERIFY(TestHome::readFile(m_unpacked + QStringLiteral("log.txt")).contains("Uninstall refused"));
}

QTEST_GUILESS_MAIN(HandOverTest)
#include "tst_handover.moc"
