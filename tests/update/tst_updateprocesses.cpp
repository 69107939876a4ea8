#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/productinfo.h"
#include "install/installoptions.h"
#include "install/writeuninstallregistry.h"
#include "platform/uninstallrecord.h"
#include "tests/install/testhome.h"
#include "tests/support/nginxserver.h"
#include "tests/update/releasekit.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

ReleaseKit::Files gameFiles(int version)
{
    QByteArray big = randomBytes(3 * 1024 * 1024, 21);
    ReleaseKit::Files files{{"readme.txt", QByteArray("version ") + QByteArray::number(version)}};
    for (int step = 2; step <= version; ++step)
        big.replace(step * 100000, 5000, randomBytes(5000, 30 + step));
    if (version >= 2)
        files.insert(QStringLiteral("data/new.bin"), randomBytes(200000 * version, 40 + version));
    files.insert(QStringLiteral("data/game.bin"), big);
    return files;
}

qint64 bytesBelow(const QString &folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

} // namespace

// The update between real processes: a headless launcher (update_probe) runs the orchestrator
// against nginx, hands over to the real copier, or is killed in the middle of its work.
class UpdateProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void selfUpdateHandsOverToTheCopier();
    void killedRunsResumeToNewest();
    void closingEndsTheProcessAtOnce_data();
    void closingEndsTheProcessAtOnce();
    void killedTorrentDownloadContinues();

private:
    std::unique_ptr<QProcess> startLauncher(const QString &program, const QMap<QString, QString> &extra);
    QList<QJsonObject> events() const;
    QJsonObject waitForEvent(const QString &event, int timeoutMs = 30000) const;

    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_served;
    NginxServer m_nginx;
    QString m_events;
    QString m_installed;
};

void UpdateProcessesTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    QVERIFY(m_nginx.start(m_served.path(), QStringLiteral("limit_rate 4m;")));
    m_events = m_home->outsidePath(QStringLiteral("events.json"));
    m_installed = m_home->filePath(QString::fromUtf8("Games/Glimmer deep – Tiefe 游戏/"));
}

void UpdateProcessesTest::cleanup()
{
    QDir(m_installed).removeRecursively();
    platform::removeUninstallRecord(launcherProduct.applicationId);
    QFile::remove(m_events);
}

std::unique_ptr<QProcess> UpdateProcessesTest::startLauncher(const QString &program,
                                                             const QMap<QString, QString> &extra)
{
    QProcessEnvironment environment = m_home->environment();
    environment.insert(QStringLiteral("GD7_PROBE_EVENTS"), m_events);
    for (auto it = extra.begin(); it != extra.end(); ++it)
        environment.insert(it.key(), it.value());
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, {m_nginx.url(QStringLiteral("/update.json")).toString()});
    process->waitForStarted();
    return process;
}

QList<QJsonObject> UpdateProcessesTest::events() const
{
    return TestHome::readJsonLines(m_events);
}

QJsonObject UpdateProcessesTest::waitForEvent(const QString &event, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    do {
        for (const QJsonObject &line : events()) {
            if (line.value(QStringLiteral("event")).toString() == event)
                return line;
        }
        QThread::msleep(20);
    } while (!timer.hasExpired(timeoutMs));
    return QJsonObject();
}

void UpdateProcessesTest::selfUpdateHandsOverToTheCopier()
{
    // The installation: an old launcher, which is the headless launcher, and its record.
    const QString oldLauncher = m_installed + QStringLiteral("GD7Launcher");
    QVERIFY(QDir().mkpath(m_installed));
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROBE), oldLauncher));
    QVERIFY(TestHome::writeFile(m_installed + QStringLiteral("3rdparty.txt"), "old notices"));
    ProductInfo old = launcherProduct;
    old.version = Version(4, 0, 100);
    install::WriteUninstallRegistry record(QStringLiteral("m"), old);
    InstallOptions options;
    options.m_installFolder = m_installed;
    record.setOptions(options);
    QVERIFY(record.install());

    // The new launcher, whose copier is the real one.
    ReleaseKit kit(m_served.path());
    kit.setBaseUrl(m_nginx.url(QStringLiteral("/")));
    const QByteArray newLauncher = TestHome::readFile(QStringLiteral(LAUNCHER_PROBE));
    const QJsonObject content =
        kit.full("gd7_launcher_en-9.0.0", "9.0.0",
                 {{"GD7Launcher", newLauncher}, {"3rdparty.txt", "new notices"}}, false, "gd7_launcher_en");
    const QJsonObject game = kit.full("game-1.0.0", "1.0.0", {{"readme.txt", "game"}}, false);
    QVERIFY(kit.publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("9.0.0", {content})},
                                            {"gd7", ReleaseKit::product("1.0.0", {game})}}));

    std::unique_ptr<QProcess> launcher =
        startLauncher(oldLauncher, {{"GD7_UPDATE_VERSION", "4.0.100"}, {"GD7_PROBE_VERSION", "9.0.0"}});
    const qint64 oldPid = launcher->processId();
    QVERIFY(launcher->waitForFinished(60000));
    QCOMPARE(launcher->exitCode(), 0);

    const QJsonObject copier = waitForEvent(QStringLiteral("update"));
    QCOMPARE(copier.value(QStringLiteral("code")).toInt(), 0);
    QCOMPARE(QDir::cleanPath(copier.value(QStringLiteral("folder")).toString()),
             QDir::cleanPath(m_installed + QStringLiteral("UpdateTemp/gd7_launcher_en-9.0.0")));
    QCOMPARE(copier.value(QStringLiteral("args")).toArray(),
             (QJsonArray{"--update", "--path", oldLauncher, "--pid", QString::number(oldPid)}));
    const QJsonObject started = waitForEvent(QStringLiteral("started"));
    QCOMPARE(QDir::cleanPath(started.value(QStringLiteral("folder")).toString()),
             QDir::cleanPath(m_installed));
    QVERIFY(started.value(QStringLiteral("args")).toArray().isEmpty());
    QCOMPARE(TestHome::readFile(oldLauncher), newLauncher);
    QCOMPARE(TestHome::readFile(m_installed + QStringLiteral("3rdparty.txt")), QByteArray("new notices"));
    platform::UninstallRecord written;
    QVERIFY(platform::readUninstallRecord(launcherProduct.applicationId, &written));
    QCOMPARE(written.displayVersion, QStringLiteral("9.0.0"));
    // The game was not looked at by the old launcher.
    QVERIFY(!QFileInfo::exists(m_installed + QStringLiteral("Game")));
}

void UpdateProcessesTest::killedRunsResumeToNewest()
{
    const QString launcher = m_installed + QStringLiteral("GD7Launcher");
    QVERIFY(QDir().mkpath(m_installed));
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROBE), launcher));
    ReleaseKit kit(m_served.path());
    kit.setBaseUrl(m_nginx.url(QStringLiteral("/")));
    const QJsonObject full = kit.full("game-1.0.0", "1.0.0", gameFiles(1), false);
    const QJsonObject first = kit.patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1), gameFiles(2), false);
    const QJsonObject second = kit.patch("patch-1.2.0", "1.1.0", "1.2.0", gameFiles(2), gameFiles(3), false);
    QVERIFY(!full.isEmpty() && !first.isEmpty() && !second.isEmpty());
    QVERIFY(kit.publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("0.0.1", {})},
                                            {"gd7", ReleaseKit::product("1.2.0", {full, first, second})}}));
    const QMap<QString, QString> environment{{"GD7_UPDATE_VERSION", "4.0.100"},
                                             {"GD7_UPDATE_PAUSE_MS", "300"}};

    // Killed at moments spread over download, unpack and patching; UpdateTemp holds at most the
    // unpacked patches and their work files, whatever the run it was left by.
    const qint64 tempLimit = 2 * bytesBelow(m_served.path()) + 2 * 4 * 1024 * 1024;
    const QStringList tempEntries{"patch-1.1.0", "patch-1.1.0_work", "patch-1.2.0", "patch-1.2.0_work"};
    QRandomGenerator moments(2026);
    int killed = 0;
    for (int run = 0; run < 5; ++run) {
        std::unique_ptr<QProcess> process = startLauncher(launcher, environment);
        QThread::msleep(300 + moments.bounded(2500));
        if (process->state() == QProcess::Running)
            ++killed;
        process->kill();
        QVERIFY(process->waitForFinished(10000));
        const QString tempFolder = m_installed + QStringLiteral("UpdateTemp");
        const qint64 temp = bytesBelow(tempFolder);
        QVERIFY2(temp <= tempLimit, qPrintable(QString::number(temp)));
        for (const QString &entry : QDir(tempFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QVERIFY2(tempEntries.contains(entry), qPrintable(entry));
    }
    QVERIFY(killed >= 4);
    std::unique_ptr<QProcess> last = startLauncher(launcher, environment);
    QVERIFY(last->waitForFinished(90000));
    QVERIFY(last->exitCode() == 0 || last->exitCode() == 1);
    QCOMPARE(ReleaseKit::digestsBelow(m_installed + QStringLiteral("Game")),
             ReleaseKit::digestsOf(gameFiles(3)));
    JsonSettings settings;
    QVERIFY(settings.load(m_installed + QStringLiteral("GD7Launcher.conf")));
    QCOMPARE(settings.value(QStringLiteral("gd7.installed_version")).toString(), QStringLiteral("1.2.0"));
    QVERIFY(!QFileInfo::exists(m_installed + QStringLiteral("UpdateTemp")));
}

void UpdateProcessesTest::closingEndsTheProcessAtOnce_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("downloading") << 3;
    QTest::newRow("before unpacking") << 4;
}

// The player closes the launcher in the middle of a long step: the process ends before the step
// would have, leaving neither a partial download nor a game.
void UpdateProcessesTest::closingEndsTheProcessAtOnce()
{
    QFETCH(int, action);
    const QString launcher = m_installed + QStringLiteral("GD7Launcher");
    QVERIFY(QDir().mkpath(m_installed));
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROBE), launcher));
    // Most of a minute for the download; the pause before unpacking lasts ten.
    NginxServer slow;
    QVERIFY(slow.start(m_served.path(), action == 3 ? QStringLiteral("limit_rate 64k;") : QString()));
    ReleaseKit kit(m_served.path());
    kit.setBaseUrl(slow.url(QStringLiteral("/")));
    const QJsonObject full = kit.full("game-1.0.0", "1.0.0", gameFiles(1), false);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit.publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("0.0.1", {})},
                                            {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    QProcessEnvironment environment = m_home->environment();
    environment.insert(QStringLiteral("GD7_UPDATE_VERSION"), QStringLiteral("4.0.100"));
    environment.insert(QStringLiteral("GD7_UPDATE_PAUSE_MS"), QStringLiteral("600000"));
    environment.insert(QStringLiteral("GD7_UPDATE_CLOSE_AT"), QString::number(action));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(launcher, {slow.url(QStringLiteral("/update.json")).toString()});
    QVERIFY(process.waitForFinished(240000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(ReleaseKit::digestsBelow(m_installed + QStringLiteral("Game")).isEmpty());
    if (action == 3)
        QVERIFY(!QFileInfo::exists(m_installed + QStringLiteral("Update/game-1.0.0.7z")));
}

// Killed half-way through a torrent download, nothing saved: the next start checks what is on disk
// and fetches only the rest.
void UpdateProcessesTest::killedTorrentDownloadContinues()
{
    const QString launcher = m_installed + QStringLiteral("GD7Launcher");
    QVERIFY(QDir().mkpath(m_installed));
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROBE), launcher));
    QTemporaryDir logs;
    const QString accessLog = logs.filePath(QStringLiteral("access.log"));
    NginxServer slow;
    QVERIFY(
        slow.start(m_served.path(), QStringLiteral("limit_rate 512k;\n") + accessLogDirective(accessLog)));
    ReleaseKit kit(m_served.path());
    kit.setBaseUrl(slow.url(QStringLiteral("/")));
    const QJsonObject full = kit.full("game-1.0.0", "1.0.0", gameFiles(1), true);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit.publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("0.0.1", {})},
                                            {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    const QString archive = QStringLiteral("game-1.0.0.7z");
    // As the web seed asks for it.
    const QString archivePath = QUrl(full.value("http").toArray().first().toString()).path();
    const qint64 archiveSize = QFileInfo(kit.publishedPath(archive)).size();
    QMap<QString, QString> environment{
        {"GD7_UPDATE_VERSION", "4.0.100"}, {"GD7_UPDATE_PAUSE_MS", "0"}, {"GD7_UPDATE_TORRENTS", "1"}};

    environment.insert(QStringLiteral("GD7_UPDATE_KILL_AT"), QStringLiteral("50"));
    std::unique_ptr<QProcess> killed = startLauncher(launcher, environment);
    QVERIFY(killed->waitForFinished(90000));
    QCOMPARE(killed->exitStatus(), QProcess::CrashExit);
    QTRY_VERIFY(loggedBytes(accessLog, archivePath) * 2 >= archiveSize);
    const qint64 first = loggedBytes(accessLog, archivePath);
    QVERIFY2(first < archiveSize, qPrintable(QString::number(first)));

    environment.remove(QStringLiteral("GD7_UPDATE_KILL_AT"));
    std::unique_ptr<QProcess> next = startLauncher(launcher, environment);
    QVERIFY(next->waitForFinished(90000));
    QCOMPARE(next->exitCode(), 0);
    QCOMPARE(ReleaseKit::digestsBelow(m_installed + QStringLiteral("Game")),
             ReleaseKit::digestsOf(gameFiles(1)));
    const qint64 second = loggedBytes(accessLog, archivePath) - first;
    // What the first start had not verified, give or take the pieces under way when it died.
    QVERIFY2(second <= archiveSize - first + archiveSize / 4 && second * 4 <= archiveSize * 3,
             qPrintable(QStringLiteral("first %1, second %2 of %3").arg(first).arg(second).arg(archiveSize)));
}

QTEST_GUILESS_MAIN(UpdateProcessesTest)
#include "tst_updateprocesses.moc"
