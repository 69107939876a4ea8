// A hostile mirror on 127.0.0.1: manifests and contents changed after the publisher signed them.
// Each case must end in its failure code with the installed game byte-identical and nothing run.

#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "install/launchercopy.h"
#include "net/httpconnection.h"
#include "net/torrentsession.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/update/releasekit.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"
#include "update/stagedinstall.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

ReleaseKit::Files gameFiles(int version)
{
    ReleaseKit::Files files{{"data/notes.txt", QByteArray("notes of version ") + QByteArray::number(version)},
                            {"game.bin", ReleaseKit::randomBytes(40 * 1024, quint32(version))}};
    if (version >= 2)
        files.insert(QStringLiteral("added.bin"), ReleaseKit::randomBytes(3000, 9));
    return files;
}

QJsonObject launcherUpToDate()
{
    return ReleaseKit::product(formatVersion(launcherProduct.version), {});
}

} // namespace

class TamperingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signedManifest_data();
    void signedManifest();
    void serialSavedWithNothingToInstall();
    void tamperedContent_data();
    void tamperedContent();
    void correctedTorrentFileTakenAtOnce();
    void hostileFirstMirror_data();
    void hostileFirstMirror();

private:
    std::unique_ptr<ReleaseKit> newRelease();
    // The deployment configuration with these publisher keys, mirrors on 127.0.0.1.
    void configureKeys(const QStringList &keys);
    void installGame(int version);
    QString settingsPath() const { return Paths::joinPath(Paths::applicationFolder(), "GD7Launcher.conf"); }

    LogCapture m_log;
    QTemporaryDir m_served;
    QTemporaryDir m_keys;
    NginxServer m_nginx;
    QString m_publisherKey;
    QString m_publisherPublic;
    QString m_strangerKey;
    QString m_strangerPublic;
    std::unique_ptr<QTemporaryDir> m_application;
    int m_releases = 0;
};

void TamperingTest::initTestCase()
{
    TorrentSession::setLoopbackOnly(true);
    Logger::instance().setThreshold(LogDebug);
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    launcherProduct = makeLauncherProduct();
    QVERIFY(m_nginx.start(m_served.path()));
    m_publisherKey = m_keys.filePath("publisher.key");
    m_strangerKey = m_keys.filePath("stranger.key");
    m_publisherPublic = ReleaseKit::generateKey(m_publisherKey);
    m_strangerPublic = ReleaseKit::generateKey(m_strangerKey);
    QVERIFY(!m_publisherPublic.isEmpty() && !m_strangerPublic.isEmpty());
    QVERIFY(m_publisherPublic != m_strangerPublic);
    // The private key is the owner's alone.
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(m_publisherKey) & others, QFile::Permissions());
    QVERIFY(QFile::permissions(m_publisherKey) & QFile::ReadOwner);
}

void TamperingTest::init()
{
    m_application = std::make_unique<QTemporaryDir>();
    Paths::setApplicationFolder(m_application->path());
    launcherProduct = makeLauncherProduct();
    gameProduct = makeGameProduct(nullptr);
    AutoUpdate::instance()->setInstallPauseMs(0);
    AutoUpdate::instance()->setUseTorrents(false);
    AutoUpdate::instance()->setTorrentStallLimitMs(2000);
    configureKeys({m_publisherPublic});
    installGame(1);
    m_log.takeLines();
}

void TamperingTest::cleanup()
{
    AutoUpdate::destroyInstance();
}

std::unique_ptr<ReleaseKit> TamperingTest::newRelease()
{
    const QString name = QStringLiteral("release%1/").arg(++m_releases);
    QDir(m_served.path()).mkpath(name);
    auto kit = std::make_unique<ReleaseKit>(QDir(m_served.path()).filePath(name));
    kit->setBaseUrl(m_nginx.url(QStringLiteral("/") + name));
    kit->setSigningKey(m_publisherKey);
    return kit;
}

void TamperingTest::configureKeys(const QStringList &keys)
{
    const QString path = m_application->filePath("deployment.json");
    const QJsonObject config{{"mirrors", QJsonArray{m_nginx.url("/update.json").toString()}},
                             {"manifest_keys", QJsonArray::fromStringList(keys)}};
    QVERIFY(ReleaseKit::writeFile(path, QJsonDocument(config).toJson()));
    QVERIFY(DeploymentConfig::loadInstance(path));
    QCOMPARE(DeploymentConfig::instance().manifestKeys(), keys);
}

void TamperingTest::installGame(int version)
{
    const ReleaseKit::Files files = gameFiles(version);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(ReleaseKit::writeFile(Paths::joinPath(Paths::gameFolder(true), it.key()), it.value()));
    gameProduct.version = parseVersion(QStringLiteral("1.%1.0").arg(version - 1));
}

void TamperingTest::signedManifest_data()
{
    QTest::addColumn<QString>("tamper");
    QTest::addColumn<QStringList>("keys"); // "publisher", "stranger": the configured keys
    QTest::addColumn<qint64>("storedSerial");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<FailureReason::Kind>("reason");

    const QStringList publisher{"publisher"};
    QTest::newRow("signed by the publisher")
        << "" << publisher << qint64(0) << 0 << "info [0] parsing update info success."
        << FailureReason::Kind::None;
    QTest::newRow("signed by the second of two keys")
        << "" << QStringList{"stranger", "publisher"} << qint64(0) << 0
        << "info [0] parsing update info success." << FailureReason::Kind::None;
    QTest::newRow("same serial again")
        << "" << publisher << qint64(1) << 0 << "info [0] parsing update info success."
        << FailureReason::Kind::None;
    QTest::newRow("no keys: unsigned manifest")
        << "unsigned" << QStringList() << qint64(0) << 0
        << "info [0] update info is not signed: " << FailureReason::Kind::None;
    QTest::newRow("edited after signing")
        << "edited" << publisher << qint64(0) << 3
        << "crit [0] update info signature not valid: " << FailureReason::Kind::SignatureInvalid;
    QTest::newRow("signed by an unknown key")
        << "stranger" << publisher << qint64(0) << 3
        << "crit [0] update info signature not valid: " << FailureReason::Kind::SignatureInvalid;
    QTest::newRow("signature missing")
        << "unsigned" << publisher << qint64(0) << 3
        << "crit [0] update info signature missing: " << FailureReason::Kind::SignatureInvalid;
    QTest::newRow("garbled signature")
        << "garbled" << publisher << qint64(0) << 3
        << "crit [0] update info signature not valid: " << FailureReason::Kind::SignatureInvalid;
    QTest::newRow("replayed older serial")
        << "" << publisher << qint64(7) << 3
        << "crit [0] update info replayed: " << FailureReason::Kind::ManifestReplayed;
}

void TamperingTest::signedManifest()
{
    QFETCH(QString, tamper);
    QFETCH(QStringList, keys);
    QFETCH(qint64, storedSerial);
    QFETCH(int, result);
    QFETCH(QString, logged);
    QFETCH(FailureReason::Kind, reason);

    QStringList configured;
    for (const QString &key : keys)
        configured.append(key == QLatin1String("publisher") ? m_publisherPublic : m_strangerPublic);
    configureKeys(configured);
    // One store for the update and the installed versions, as in the launcher.
    UpdateDriver driver(settingsPath());
    JsonSettings &settings = driver.settings();
    if (storedSerial > 0)
        settings.setValue(SettingsKey::ManifestSerial, storedSerial);
    AutoUpdate::instance()->setSettings(&settings);

    std::unique_ptr<ReleaseKit> kit = newRelease();
    if (tamper == QLatin1String("unsigned"))
        kit->setSigningKey(QString());
    if (tamper == QLatin1String("stranger"))
        kit->setSigningKey(m_strangerKey);
    const QJsonObject full = kit->full("game-1.1.0", "1.1.0", gameFiles(2), false);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.1.0", {full})}}));
    const QString manifestPath = kit->publishedPath("update.json");
    if (tamper == QLatin1String("edited")) {
        // One byte of the archive's promised digest, as a mirror serving its own archive would.
        QFile file(manifestPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const QByteArray digest = full.value("sha256").toString().toLatin1();
        QVERIFY(text.contains(digest));
        text.replace(digest, QByteArray(digest).replace(0, 1, digest.startsWith('0') ? "1" : "0"));
        QVERIFY(ReleaseKit::writeFile(manifestPath, text));
    }
    if (tamper == QLatin1String("garbled"))
        QVERIFY(ReleaseKit::writeFile(manifestPath + ".sig", QByteArray(88, 'A') + "\n"));

    QCOMPARE(driver.run({kit->manifestUrl()}), result);
    QCOMPARE(driver.lastResult().reason, reason == FailureReason::Kind::None
                                             ? FailureReason()
                                             : FailureReason::atUrl(reason, kit->manifestUrl()));
    const QStringList lines = m_log.takeLines();
    QVERIFY2(LogCapture::anyContains(lines, logged), qPrintable(logged + " not in:\n" + lines.join('\n')));
    if (result == 0) {
        QCOMPARE(driver.installed, QStringList{"game-1.1.0"});
        QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(2)));
        // The publisher's serial of this release is remembered; without keys there is none to trust.
        const qint64 serial = keys.isEmpty() ? storedSerial : qMax<qint64>(storedSerial, 1);
        QCOMPARE(settings.value(SettingsKey::ManifestSerial).toLongLong(), serial);
        // ...and on disk at once, so a restarted launcher cannot take an older manifest.
        if (!keys.isEmpty()) {
            JsonSettings onDisk;
            QVERIFY(onDisk.load(settingsPath()));
            QCOMPARE(onDisk.value(SettingsKey::ManifestSerial).toLongLong(), serial);
        }
        return;
    }
    QVERIFY(driver.installed.isEmpty());
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1)));
    QCOMPARE(settings.value(SettingsKey::ManifestSerial).toLongLong(), storedSerial);
    // Nothing of the refused release was even downloaded.
    QVERIFY(!QFileInfo::exists(Paths::joinPath(Paths::updateFolder(), "game-1.1.0.7z")));
}

// A check that finds the game up to date installs nothing and so saves no settings of its own:
// the accepted serial must still reach the file before the launcher can be restarted.
void TamperingTest::serialSavedWithNothingToInstall()
{
    installGame(2);
    UpdateDriver driver(settingsPath());
    AutoUpdate::instance()->setSettings(&driver.settings());
    std::unique_ptr<ReleaseKit> kit = newRelease();
    const QJsonObject full = kit->full("game-1.1.0", "1.1.0", gameFiles(2), false);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.1.0", {full})}}));

    // 1: up to date.
    QCOMPARE(driver.run({kit->manifestUrl()}), 1);
    QVERIFY(driver.installed.isEmpty());
    JsonSettings onDisk;
    QTRY_VERIFY(onDisk.load(settingsPath()) && onDisk.value(SettingsKey::ManifestSerial).toLongLong() == 1);
}

void TamperingTest::tamperedContent_data()
{
    QTest::addColumn<QString>("tamper");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<FailureReason::Kind>("reason");
    QTest::newRow("swapped full archive")
        << "full"
        << "crit content digest check failed: game-1.1.0 sha256" << FailureReason::Kind::DigestMismatch;
    QTest::newRow("swapped full archive behind a torrent")
        << "full torrent"
        << "crit content digest check failed: game-1.1.0 sha256" << FailureReason::Kind::DigestMismatch;
    QTest::newRow("rewritten patch package")
        << "patch"
        << "crit content digest check failed: patch-1.1.0 " << FailureReason::Kind::DigestMismatch;
    QTest::newRow("archive grown past its size")
        << "grown"
        << "crit http answer too large: " << FailureReason::Kind::TransferFailed;
    QTest::newRow("archive cut short")
        << "shrunk"
        << "crit content digest check failed: game-1.1.0 size" << FailureReason::Kind::DigestMismatch;
    QTest::newRow("foreign torrent") << "foreign torrent"
                                     << "torrent file is not the content's: "
                                     << FailureReason::Kind::TorrentRefused;
    // The torrent's pieces pass, so the archive unpacks while its digest is checked: the digest must
    // still keep every unpacked file out of the game.
    QTest::newRow("full archive by torrent, digest not its own")
        << "digest torrent"
        << "crit content digest check failed: game-1.1.0 sha256" << FailureReason::Kind::DigestMismatch;
    QTest::newRow("patch package by torrent, digest not its own")
        << "patch digest torrent"
        << "crit content digest check failed: patch-1.1.0 sha256" << FailureReason::Kind::DigestMismatch;
    QTest::newRow("swapped launcher content")
        << "launcher"
        << "crit content digest check failed: launcher-9.0.0 " << FailureReason::Kind::DigestMismatch;
}

void TamperingTest::tamperedContent()
{
    QFETCH(QString, tamper);
    QFETCH(QString, logged);
    QFETCH(FailureReason::Kind, reason);

    std::unique_ptr<ReleaseKit> kit = newRelease();
    const bool torrent = tamper.endsWith(QLatin1String("torrent"));
    const QString ranMarker = m_application->filePath("mirror-program-ran");
    QJsonObject launcher = launcherUpToDate();
    QJsonObject content;
    QString swapped; // the other release's archive put in the content's place
    if (tamper == QLatin1String("launcher")) {
        const QByteArray program = "#!/bin/sh\ntouch '" + ranMarker.toUtf8() + "'\n";
        content =
            kit->full("launcher-9.0.0", "9.0.0", {{"3rdparty.txt", "notices"}, {"GD7Launcher", program}},
                      false, "gd7_launcher_en");
        // Shorter notices, so that the mirror's archive is delivered whole and its digest judged.
        swapped = kit->full("evil", "9.0.0", {{"3rdparty.txt", "n"}, {"GD7Launcher", program + "#\n"}}, false,
                            "gd7_launcher_en")
                      .value("name")
                      .toString();
        launcher = ReleaseKit::product("9.0.0", {content});
    } else if (tamper == QLatin1String("patch")) {
        content = kit->patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1), gameFiles(2), false);
        // Smaller than the real one (no added file, other notes), so that it is delivered whole.
        ReleaseKit::Files evil = gameFiles(2);
        evil.remove(QStringLiteral("added.bin"));
        evil.insert(QStringLiteral("data/notes.txt"), "rewritten by the mirror");
        swapped = kit->patch("evil", "1.0.0", "1.1.0", gameFiles(1), evil, false).value("name").toString();
    } else if (tamper == QLatin1String("patch digest torrent")) {
        content = kit->patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1), gameFiles(2), true);
    } else {
        content = kit->full("game-1.1.0", "1.1.0", gameFiles(2), torrent);
        ReleaseKit::Files evil = gameFiles(2);
        evil[QStringLiteral("game.bin")].replace(0, 4, "EVIL");
        const QJsonObject other = kit->full("evil", "1.1.0", evil, torrent);
        swapped = other.value("name").toString();
        if (tamper == QLatin1String("foreign torrent")) {
            content.insert("torrents", other.value("torrents"));
            swapped.clear();
        }
        if (tamper == QLatin1String("digest torrent"))
            swapped.clear();
    }
    QVERIFY(!content.isEmpty());
    const bool wrongDigest = tamper.contains(QLatin1String("digest"));
    if (wrongDigest) {
        QString digest = content.value("sha256").toString();
        digest[0] = digest[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        content.insert("sha256", digest);
    }
    const QString archive = kit->publishedPath(content.value("name").toString());
    if (!swapped.isEmpty()) {
        // Packed from almost the same build, the other archive may still differ by a byte in
        // length; the mirror's copy is given the promised length, so that only its digest tells.
        const qint64 promised = QFileInfo(archive).size();
        QVERIFY(QFile::remove(archive));
        QVERIFY(QFile::copy(kit->publishedPath(swapped), archive));
        QVERIFY(QFile::resize(archive, promised));
    }
    if (tamper == QLatin1String("shrunk"))
        QVERIFY(QFile::resize(archive, QFileInfo(archive).size() / 2));
    if (tamper == QLatin1String("grown")) {
        QFile file(archive);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.write("trailing bytes") > 0);
    }
    QJsonObject game = ReleaseKit::product("1.1.0", {});
    if (tamper != QLatin1String("launcher"))
        game = ReleaseKit::product("1.1.0", {content});
    QVERIFY(kit->publishManifest(QJsonObject{{"gd7_launcher_en", launcher}, {"gd7", game}}));

    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 6);
    QCOMPARE(driver.lastResult().reason.kind, reason);
    const QStringList lines = m_log.takeLines();
    QVERIFY2(LogCapture::anyContains(lines, logged), qPrintable(logged + " not in:\n" + lines.join('\n')));
    if (wrongDigest)
        QVERIFY2(LogCapture::anyContains(lines, "torrent complete: "), qPrintable(lines.join('\n')));
    QVERIFY(driver.installed.isEmpty());
    QCOMPARE(driver.exits, 0);
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1)));
    QVERIFY(!QFileInfo::exists(StagedInstall::stagingFolder(Paths::gameFolder())));
    // The mirror's archive was deleted before anything read it, and nothing of it ran.
    QVERIFY(!QFileInfo::exists(Paths::joinPath(Paths::updateFolder(), content.value("name").toString())));
    QVERIFY(!QFileInfo::exists(Paths::updateTempFolder()) ||
            QDir(Paths::updateTempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    QTest::qWait(300);
    QVERIFY(!QFileInfo::exists(ranMarker));
}

// A mirror that served another content's .torrent and then put the right one in its place: the
// next check must read the file again rather than an earlier copy the HTTP cache still holds for
// fresh (an old Last-Modified makes it fresh for hours by the usual heuristic).
void TamperingTest::correctedTorrentFileTakenAtOnce()
{
    AutoUpdate::instance()->setUseTorrents(true);
    std::unique_ptr<ReleaseKit> kit = newRelease();
    QJsonObject content = kit->full("game-1.1.0", "1.1.0", gameFiles(2), true);
    ReleaseKit::Files other = gameFiles(2);
    other[QStringLiteral("game.bin")].replace(0, 5, "OTHER");
    const QJsonObject wrong = kit->full("other", "1.1.0", other, true);
    QVERIFY(!content.isEmpty() && !wrong.isEmpty());
    const QString right =
        kit->publishedPath(QUrl(content.value("torrents").toArray().first().toString()).fileName());
    const QString served =
        kit->publishedPath(QUrl(wrong.value("torrents").toArray().first().toString()).fileName());
    QFile wrongFile(served);
    QVERIFY(wrongFile.open(QIODevice::ReadWrite));
    QVERIFY(wrongFile.setFileTime(QDateTime::currentDateTimeUtc().addDays(-30),
                                  QFileDevice::FileModificationTime));
    wrongFile.close();
    content.insert("torrents", wrong.value("torrents"));
    QVERIFY(kit->publishManifest(QJsonObject{{"gd7_launcher_en", launcherUpToDate()},
                                             {"gd7", ReleaseKit::product("1.1.0", {content})}}));
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 6);

    QVERIFY(QFile::remove(served));
    QVERIFY(QFile::copy(right, served));
    QCOMPARE(driver.run({kit->manifestUrl()}), 0);
    QCOMPARE(driver.installed, QStringList{"game-1.1.0"});
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(2)));
}

void TamperingTest::hostileFirstMirror_data()
{
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<QString>("logged");
    QTest::newRow("1 byte per second") << "slow"
                                       << "crit http transfer too slow: ";
    QTest::newRow("redirect to a local file") << "file"
                                              << "crit redirect refused: ";
}

void TamperingTest::hostileFirstMirror()
{
    QFETCH(QString, mirror);
    QFETCH(QString, logged);
    // Keys or none, a mirror that stalls or points elsewhere only costs its turn.
    configureKeys({});
    net::HttpConnection::setDefaultLowSpeedLimit(4096, 1500);
    std::unique_ptr<ReleaseKit> kit = newRelease();
    kit->setSigningKey(QString());
    const QJsonObject full = kit->full("game-1.1.0", "1.1.0", gameFiles(2), false);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.1.0", {full})}}));
    // What the hostile mirror would like installed: the same release with a payload beside it.
    QJsonObject evil = full;
    evil.insert("http", QJsonArray{kit->url("payload.7z").toString()});
    const QByteArray evilManifest = QJsonDocument(QJsonObject{{"gd7_launcher_en", launcherUpToDate()},
                                                              {"gd7", ReleaseKit::product("1.1.0", {evil})}})
                                        .toJson();
    TestHttpServer server;
    QVERIFY(server.start());
    if (mirror == QLatin1String("slow")) {
        TestHttpServer::Response slow;
        slow.body = evilManifest;
        slow.pieceSize = 1;
        slow.pieceIntervalMs = 1000;
        server.serve("/update.json", slow);
    } else {
        const QString local = m_application->filePath("local-update.json");
        QVERIFY(ReleaseKit::writeFile(local, evilManifest));
        server.redirect("/update.json", QUrl::fromLocalFile(local).toEncoded());
    }

    UpdateDriver driver(settingsPath());
    const int result = driver.run({server.url("/update.json"), kit->manifestUrl()});
    net::HttpConnection::setDefaultLowSpeedLimit(4096, 60000);
    QCOMPARE(result, 0);
    const QStringList lines = m_log.takeLines();
    QVERIFY2(LogCapture::anyContains(lines, logged), qPrintable(lines.join('\n')));
    QVERIFY(LogCapture::anyContains(lines, "crit [0] download update info fail: "));
    QVERIFY(LogCapture::anyContains(lines, "info [1] parsing update info success."));
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(2)));
}

QTEST_MAIN(TamperingTest)
#include "tst_tampering.moc"
