// Full packages installed over an existing game: whatever fails or is killed, every game file
// stays whole (its old or its new content) and the next run converges on the new version.

#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "tests/install/testhome.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/typedprinting.h"
#include "tests/update/releasekit.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"
#include "update/contentdigest.h"
#include "update/stagedinstall.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

// Version 2 adds a large file that does not compress, so that it needs room to unpack.
ReleaseKit::Files gameFiles(int version, int bigSize = 4 * 1024 * 1024)
{
    ReleaseKit::Files files{{"data/notes.txt", QByteArray("notes of version ") + QByteArray::number(version)},
                            {"game.bin", ReleaseKit::randomBytes(256 * 1024, quint32(version))},
                            {"common.bin", ReleaseKit::randomBytes(64 * 1024, 99)}};
    if (version >= 2)
        files.insert(QStringLiteral("data/big.bin"), ReleaseKit::randomBytes(bigSize, 7));
    return files;
}

QJsonObject launcherUpToDate()
{
    return ReleaseKit::product(formatVersion(launcherProduct.version), {});
}

bool run(const QString &program, const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return false;
    process.write(input);
    process.closeWriteChannel();
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A small file system of its own, so that the disk really fills; unmounted when it goes.
class SmallDisk
{
public:
    ~SmallDisk()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mount(int mebibytes)
    {
        m_mounted =
            run(QStringLiteral("mount"),
                {"-t", "tmpfs", "-o", QStringLiteral("size=%1m").arg(mebibytes), "tmpfs", m_dir.path()});
        return m_mounted;
    }
    bool resize(int mebibytes)
    {
        return run(QStringLiteral("mount"),
                   {"-o", QStringLiteral("remount,size=%1m").arg(mebibytes), "tmpfs", m_dir.path()});
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class FullPackageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void failureLeavesTheOldGame_data();
    void failureLeavesTheOldGame();
    void killedInstallsConverge();

private:
    std::unique_ptr<ReleaseKit> newRelease();
    void installGame(const QString &applicationFolder);
    QString settingsPath() const { return Paths::joinPath(Paths::applicationFolder(), "GD7Launcher.conf"); }

    LogCapture m_log;
    QTemporaryDir m_served;
    NginxServer m_nginx;
    std::unique_ptr<QTemporaryDir> m_application;
    int m_releases = 0;
};

void FullPackageTest::initTestCase()
{
    Logger::instance().setThreshold(LogDebug);
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    launcherProduct = makeLauncherProduct();
    QVERIFY(m_nginx.start(m_served.path()));
    // Manifests unsigned here: the tests edit content records after publishing.
    const QString config = m_served.filePath("deployment.json");
    QVERIFY(ReleaseKit::writeFile(
        config, QJsonDocument(QJsonObject{{"mirrors", QJsonArray{m_nginx.url("/update.json").toString()}}})
                    .toJson()));
    QVERIFY(DeploymentConfig::loadInstance(config));
}

void FullPackageTest::init()
{
    m_application = std::make_unique<QTemporaryDir>();
    Paths::setApplicationFolder(m_application->path());
    gameProduct = makeGameProduct(nullptr);
    m_log.takeLines();
}

void FullPackageTest::cleanup()
{
    AutoUpdate::destroyInstance();
}

std::unique_ptr<ReleaseKit> FullPackageTest::newRelease()
{
    const QString name = QStringLiteral("release%1/").arg(++m_releases);
    QDir(m_served.path()).mkpath(name);
    auto kit = std::make_unique<ReleaseKit>(QDir(m_served.path()).filePath(name));
    kit->setBaseUrl(m_nginx.url(QStringLiteral("/") + name));
    return kit;
}

void FullPackageTest::installGame(const QString &applicationFolder)
{
    const ReleaseKit::Files files = gameFiles(1);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(ReleaseKit::writeFile(Paths::joinPath(applicationFolder + "/Game", it.key()), it.value()));
}

void FullPackageTest::failureLeavesTheOldGame_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<FailureReason::Kind>("reason");
    QTest::newRow("file name over 255 bytes") << "long name" << FailureReason::Kind::UnpackFailed;
    QTest::newRow("disk too small") << "small disk" << FailureReason::Kind::DiskFull;
    QTest::newRow("decompression bomb") << "bomb" << FailureReason::Kind::DiskFull;
}

void FullPackageTest::failureLeavesTheOldGame()
{
    QFETCH(QString, fault);
    QFETCH(FailureReason::Kind, reason);

    SmallDisk disk;
    if (fault != QLatin1String("long name")) {
        // The old game and the downloaded archive fit; the unpacked new version does not.
        if (!disk.mount(7))
            QSKIP("cannot mount a tmpfs here (needs root or CAP_SYS_ADMIN); the disk-full cases are not run");
        Paths::setApplicationFolder(disk.path());
    }
    installGame(Paths::applicationFolder());
    gameProduct.version = Version(1, 0, 0);
    ReleaseKit::Files newFiles = gameFiles(2);
    if (fault == QLatin1String("bomb")) {
        // A few KiB of archive that would unpack to 256 MiB.
        newFiles = gameFiles(2, 16);
        newFiles.insert(QStringLiteral("zeros.bin"), QByteArray(256 * 1024 * 1024, '\0'));
    }
    std::unique_ptr<ReleaseKit> kit = newRelease();
    QJsonObject full = kit->full("game-1.1.0", "1.1.0", newFiles, false);
    QVERIFY(!full.isEmpty());
    const QString archive = kit->publishedPath(full.value("name").toString());
    if (fault == QLatin1String("long name")) {
        // A plain file appended after the game's own files, which are unpacked by then, and then
        // given a name no Linux file system takes.
        QTemporaryDir extra;
        QVERIFY(ReleaseKit::writeFile(extra.filePath("last.bin"), "too long a name"));
        QVERIFY(run("7zz", {"a", archive, extra.filePath("last.bin")}));
        QVERIFY(run("7zz", {"rn", archive, "last.bin", QString(296, QLatin1Char('n')) + ".bin"}));
        full.insert("size", double(QFileInfo(archive).size()));
        full.insert("sha256", ContentDigest::fileSha256(archive));
    }
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.1.0", {full})}}));

    AutoUpdate::instance()->setInstallPauseMs(0);
    AutoUpdate::instance()->setUseTorrents(false);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 7);
    const FailureReason why = driver.lastResult().reason;
    QCOMPARE(why.kind, reason);
    if (reason == FailureReason::Kind::DiskFull) {
        // Refused before anything is written, with what the player needs to know to make room.
        QCOMPARE(QFileInfo(why.path).absoluteFilePath(), QFileInfo(Paths::gameFolder()).absoluteFilePath());
        QVERIFY2(why.bytesNeeded > why.bytesFree && why.bytesFree >= 0, qPrintable(why.describe()));
    } else {
        QCOMPARE(QFileInfo(why.path).fileName(), QStringLiteral("game-1.1.0.7z"));
    }
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1)));
    QVERIFY(!QFileInfo::exists(StagedInstall::stagingFolder(Paths::gameFolder())));
    QVERIFY(driver.installed.isEmpty());
    if (fault != QLatin1String("small disk"))
        return;
    // With room, the same release goes in.
    QVERIFY(disk.resize(32));
    QCOMPARE(driver.run({kit->manifestUrl()}), 0);
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(newFiles));
    QVERIFY(!QFileInfo::exists(StagedInstall::stagingFolder(Paths::gameFolder())));
}

void FullPackageTest::killedInstallsConverge()
{
    TestHome home;
    QVERIFY(home.isValid());
    const QString installed = home.filePath("Games/Glimmerdeep/");
    QVERIFY(QDir().mkpath(installed));
    const QString launcher = installed + "GD7Launcher";
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROBE), launcher));
    installGame(installed);
    JsonSettings settings;
    settings.setValue(installedVersionKey("gd7"), "1.0.0");
    QVERIFY(settings.save(installed + "GD7Launcher.conf"));

    // A large new version over a slow server: the runs are killed while downloading, unpacking
    // and moving files into place.
    NginxServer slow;
    QTemporaryDir served;
    QVERIFY(slow.start(served.path(), QStringLiteral("limit_rate 12m;")));
    ReleaseKit kit(served.path());
    kit.setBaseUrl(slow.url(QStringLiteral("/")));
    ReleaseKit::Files newFiles = gameFiles(2, 24 * 1024 * 1024);
    for (int i = 0; i < 40; ++i)
        newFiles.insert(QStringLiteral("data/part%1.bin").arg(i),
                        ReleaseKit::randomBytes(256 * 1024, quint32(100 + i)));
    const QJsonObject full = kit.full("game-1.1.0", "1.1.0", newFiles, false);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit.publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("0.0.1", {})},
                                            {"gd7", ReleaseKit::product("1.1.0", {full})}}));
    const QString downloaded = installed + "Update/game-1.1.0.7z";
    const qint64 archiveSize = full.value("size").toVariant().toLongLong();
    const QMap<QString, QString> oldDigests = ReleaseKit::digestsOf(gameFiles(1));
    const QMap<QString, QString> newDigests = ReleaseKit::digestsOf(newFiles);

    QProcessEnvironment environment = home.environment();
    environment.insert("GD7_UPDATE_VERSION", "4.0.100");
    environment.insert("GD7_UPDATE_PAUSE_MS", "0");
    QRandomGenerator moments(2027);
    int killedWhileRunning = 0;
    for (int round = 0; round < 8; ++round) {
        // Each round downloads afresh, so that the wait below sees this round's archive.
        QFile::remove(downloaded);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(launcher, {slow.url("/update.json").toString()});
        QVERIFY(process.waitForStarted());
        if (round % 2 == 0) {
            QThread::msleep(200 + moments.bounded(3000));
        } else {
            // Once the archive is in, the moments fall on the unpacking and the moves into place.
            QElapsedTimer waited;
            waited.start();
            while (QFileInfo(downloaded).size() < archiveSize && !waited.hasExpired(30000))
                QThread::msleep(5);
            QThread::msleep(moments.bounded(400));
        }
        const bool running = process.state() == QProcess::Running;
        process.kill();
        QVERIFY(process.waitForFinished(10000));
        // Every game file is whole: exactly its old or its new content, nothing in between.
        const QMap<QString, QString> now = ReleaseKit::digestsBelow(installed + "Game");
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            QVERIFY2(it.value() == oldDigests.value(it.key()) || it.value() == newDigests.value(it.key()),
                     qPrintable(it.key()));
        for (auto it = oldDigests.cbegin(); it != oldDigests.cend(); ++it)
            QVERIFY2(now.contains(it.key()), qPrintable(it.key()));
        if (running) {
            ++killedWhileRunning;
            continue;
        }
        // This run finished: the old version goes back for the next round to have work again.
        installGame(installed);
        QVERIFY(settings.save(installed + "GD7Launcher.conf"));
    }
    QVERIFY(killedWhileRunning >= 4);
    QProcess last;
    last.setProcessEnvironment(environment);
    last.start(launcher, {slow.url("/update.json").toString()});
    QVERIFY(last.waitForFinished(120000));
    // 1 when a killed run had already finished the install.
    QVERIFY2(last.exitCode() == 0 || last.exitCode() == 1, qPrintable(QString::number(last.exitCode())));
    QMap<QString, QString> expected = newDigests;
    // A full package adds and replaces; files it does not name stay.
    for (auto it = oldDigests.cbegin(); it != oldDigests.cend(); ++it) {
        if (!expected.contains(it.key()))
            expected.insert(it.key(), it.value());
    }
    QCOMPARE(ReleaseKit::digestsBelow(installed + "Game"), expected);
    QVERIFY(!QFileInfo::exists(StagedInstall::stagingFolder(installed + "Game")));
    QVERIFY(settings.load(installed + "GD7Launcher.conf"));
    QCOMPARE(settings.value(installedVersionKey("gd7")).toString(), QStringLiteral("1.1.0"));
}

QTEST_GUILESS_MAIN(FullPackageTest)
#include "tst_fullpackage.moc"
