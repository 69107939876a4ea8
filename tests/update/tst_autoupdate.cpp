#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "platform/processes.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/typedprinting.h"
#include "tests/update/releasekit.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Three versions of a small game: files modified, added and removed from one to the next.
ReleaseKit::Files gameFiles(int version, int size = 48 * 1024)
{
    QByteArray big = randomBytes(size, 7);
    ReleaseKit::Files files{
        {"data/notes.txt", QByteArray("notes of version ") + QByteArray::number(version)}};
    if (version >= 2) {
        big.replace(size / 3, 100, randomBytes(100, 8));
        files.insert(QStringLiteral("added.bin"), randomBytes(3000, 9));
    } else {
        files.insert(QStringLiteral("obsolete.txt"), QByteArray("gone in 1.1.0"));
    }
    if (version >= 3) {
        big.append(randomBytes(2000, 10));
        files[QStringLiteral("added.bin")].replace(0, 10, QByteArray("0123456789"));
    }
    files.insert(QStringLiteral("game.bin"), big);
    return files;
}

QJsonObject launcherUpToDate()
{
    return ReleaseKit::product(formatVersion(launcherProduct.version), {});
}

QList<int> distinctActions(const QList<UpdateDriver::Progress> &progress)
{
    QList<int> actions;
    for (const UpdateDriver::Progress &item : progress) {
        if (actions.isEmpty() || actions.last() != item.action)
            actions.append(item.action);
    }
    return actions;
}

QString actionsText(const QList<int> &actions)
{
    QStringList texts;
    for (int action : actions)
        texts.append(QString::number(action));
    return texts.join(QLatin1Char(' '));
}

bool isSubsequence(const QList<int> &wanted, const QList<int> &list)
{
    int next = 0;
    for (int value : list) {
        if (next < wanted.size() && wanted[next] == value)
            ++next;
    }
    return next == wanted.size();
}

} // namespace

class AutoUpdateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void errorTexts_data();
    void errorTexts();
    void manifestFetch_data();
    void manifestFetch();
    void secondCheckIsRefused();
    void fromNothingToNewest_data();
    void fromNothingToNewest();
    void faults_data();
    void faults();
    void launcherOutdated_data();
    void launcherOutdated();
    void progressReportsEachStep_data();
    void progressReportsEachStep();
    void stopsPromptly_data();
    void stopsPromptly();
    void closedDownloadResumesOnNextCheck();
    void exceptionStillFinishes();
    void exposesTheManifest();
    void torrentThatCannotFinish_data();
    void torrentThatCannotFinish();
    void pausedTorrentIsNotStalled();
    void torrentContinuesAfterRestart();

private:
    // A release folder of its own for the running test, served by nginx.
    std::unique_ptr<ReleaseKit> newRelease(NginxServer &server);
    QString settingsPath() const
    {
        return Paths::joinPath(Paths::applicationFolder(), QStringLiteral("GD7Launcher.conf"));
    }
    QString installedVersion() const;

    LogCapture m_log;
    QTemporaryDir m_served;
    NginxServer m_nginx;
    std::unique_ptr<QTemporaryDir> m_application;
    int m_releases = 0;
};

void AutoUpdateTest::initTestCase()
{
    TorrentSession::setLoopbackOnly(true);
    Logger::instance().setThreshold(LogDebug);
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    launcherProduct = makeLauncherProduct();
    QVERIFY(m_nginx.start(m_served.path()));
}

void AutoUpdateTest::init()
{
    m_application = std::make_unique<QTemporaryDir>();
    Paths::setApplicationFolder(m_application->path());
    gameProduct = makeGameProduct(nullptr);
    launcherProduct = makeLauncherProduct();
    AutoUpdate::instance()->setInstallPauseMs(0);
    m_log.takeLines();
}

void AutoUpdateTest::cleanup()
{
    AutoUpdate::destroyInstance();
    // Everything a test writes stays inside its own temporary folder.
    QVERIFY(!QFileInfo::exists(m_application->path() + QStringLiteral("GD7Launcher.conf")));
}

std::unique_ptr<ReleaseKit> AutoUpdateTest::newRelease(NginxServer &server)
{
    const QString name = QStringLiteral("release%1/").arg(++m_releases);
    QDir(m_served.path()).mkpath(name);
    auto kit = std::make_unique<ReleaseKit>(QDir(m_served.path()).filePath(name));
    kit->setBaseUrl(server.url(QStringLiteral("/") + name));
    return kit;
}

QString AutoUpdateTest::installedVersion() const
{
    JsonSettings settings;
    settings.load(settingsPath());
    return settings.value(installedVersionKey(QStringLiteral("gd7"))).toString();
}

void AutoUpdateTest::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("1") << 1 << QString();
    QTest::newRow("2")
        << 2 << "Failed to connect to update server. Please check your internet connection and try again.";
    QTest::newRow("3") << 3 << "Update information is not valid. Please try again.";
    QTest::newRow("4") << 4 << "Update information is not found. Please try again.";
    QTest::newRow("5")
        << 5 << "Game content is not available. Please check the platform requirements and try again.";
    QTest::newRow("6")
        << 6 << "Game content failed to download. Please check your internet connection and try again.";
    QTest::newRow("7") << 7 << "Game content failed to unpack. Please try again.";
    QTest::newRow("8") << 8 << "Update failed to start.";
    QTest::newRow("9") << 9 << "Game content patch failed. Please try again.";
    QTest::newRow("10") << 10 << "Update process failed for unknown reason. Please try again.";
    QTest::newRow("11") << 11 << QString();
}

void AutoUpdateTest::errorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(AutoUpdate::errorText(code), text);
}

void AutoUpdateTest::manifestFetch_data()
{
    // "" for a missing page, "refused" for a mirror where nothing listens.
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("triesEach");
    QTest::addColumn<QStringList>("logged"); // %1 stands for the server's base URL
    // Why the last mirror failed, and which one it was (-1: none failed last).
    QTest::addColumn<FailureReason::Kind>("reason");
    QTest::addColumn<int>("reasonMirror");

    const QByteArray valid = QJsonDocument(QJsonObject{{"gd7", ReleaseKit::product("1.0.0", {})}}).toJson();
    QTest::newRow("third mirror answers")
        << QList<QByteArray>{"", "<html>maintenance</html>", valid} << 0 << 0 << 1
        << QStringList{"info [0] download update info: 127.0.0.1",
                       "crit [0] download update info fail: %1/m0", "info [1] download update info success.",
                       "crit [1] parsing update info fail: %1/m1", "info [2] parsing update info success."}
        << FailureReason::Kind::None << -1;
    QTest::newRow("first mirror refuses")
        << QList<QByteArray>{"refused", valid} << 0 << 0 << 1
        << QStringList{"crit [0] download update info fail: http://127.0.0.1:%2/m0",
                       "info [1] parsing update info success."}
        << FailureReason::Kind::None << -1;
    QTest::newRow("all mirrors down")
        << QList<QByteArray>{"", "refused"} << 0 << 2 << 2
        << QStringList{"crit [1] download update info fail: http://127.0.0.1:%2/m1"}
        << FailureReason::Kind::ServerUnreachable << 1;
    QTest::newRow("last mirror without the manifest")
        << QList<QByteArray>{"refused", ""} << 0 << 2 << 2
        << QStringList{"crit [1] download update info fail: %1/m1"} << FailureReason::Kind::HttpStatus << 1;
    QTest::newRow("last answer not JSON") << QList<QByteArray>{"", "not json"} << 0 << 3 << 2
                                          << QStringList{"crit [1] parsing update info fail: %1/m1"}
                                          << FailureReason::Kind::ManifestInvalid << 1;
    QTest::newRow("empty manifest") << QList<QByteArray>{"{}"} << 0 << 3 << 2 << QStringList()
                                    << FailureReason::Kind::ManifestInvalid << 0;
    QTest::newRow("no launcher product")
        << QList<QByteArray>{valid} << 1 << 4 << 1
        << QStringList{"debg Launcher update result: 4", "debg Game update result: 4"}
        << FailureReason::Kind::None << -1;
}

void AutoUpdateTest::manifestFetch()
{
    QFETCH(QList<QByteArray>, answers);
    QFETCH(int, mode);
    QFETCH(int, result);
    QFETCH(int, triesEach);
    QFETCH(QStringList, logged);
    QFETCH(FailureReason::Kind, reason);
    QFETCH(int, reasonMirror);

    TestHttpServer server;
    QVERIFY(server.start());
    const quint16 closedPort = freeLocalPort();
    const QUrl refusing(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort));
    QList<QUrl> mirrors;
    for (int i = 0; i < answers.size(); ++i) {
        const QByteArray path = "/m" + QByteArray::number(i);
        if (!answers[i].isEmpty() && answers[i] != "refused")
            server.serveFile(path, answers[i]);
        mirrors.append(answers[i] == "refused" ? refusing.resolved(QUrl(QString::fromLatin1(path)))
                                               : server.url(QString::fromLatin1(path)));
    }
    UpdateDriver driver(settingsPath());
    QVERIFY(AutoUpdate::instance()->check(mirrors, AutoUpdate::Mode(mode)));
    QTRY_COMPARE_WITH_TIMEOUT(driver.finished.size(), 1, 30000);
    QCOMPARE(driver.finished.first(), result);
    QCOMPARE(driver.results.size(), 1);
    QCOMPARE(driver.lastResult().number(), result);
    const FailureReason why = driver.lastResult().reason;
    QCOMPARE(why.kind, reason);
    QCOMPARE(why.url, reasonMirror < 0 ? QUrl() : mirrors[reasonMirror]);
    if (reason == FailureReason::Kind::HttpStatus)
        QCOMPARE(why.httpStatus, 404);
    QCOMPARE(driver.starts, 1);
    for (int i = 0; i < answers.size(); ++i) {
        const int tries = answers[i] == "refused"                  ? 0
                          : i == answers.size() - 1 || result != 0 ? triesEach
                                                                   : 1;
        QCOMPARE(server.requestCount("/m" + QByteArray::number(i)), tries);
    }
    const QStringList lines = m_log.takeLines();
    const QString base = server.url(QString()).toString();
    int from = 0;
    for (const QString &line : logged) {
        QString wanted = line;
        wanted.replace(QLatin1String("%1"), base.endsWith('/') ? base.chopped(1) : base);
        wanted.replace(QLatin1String("%2"), QString::number(closedPort));
        const int at = lines.indexOf(wanted, from);
        QVERIFY2(at >= 0, qPrintable(line + " not in order in:\n" + lines.join('\n')));
        from = at + 1;
    }
    ProductUpdateInfo game;
    QCOMPARE(AutoUpdate::instance()->gameProductInfo(game), result == 0 || result == 4);
}

void AutoUpdateTest::secondCheckIsRefused()
{
    TestHttpServer server;
    QVERIFY(server.start());
    TestHttpServer::Response slow;
    slow.body = "{}";
    slow.delayMs = 1500;
    server.serve("/update.json", slow);
    UpdateDriver driver(settingsPath());
    AutoUpdate *update = AutoUpdate::instance();
    QVERIFY(update->check({server.url("/update.json")}, AutoUpdate::Mode::Update));
    QVERIFY(update->isRunning());
    QVERIFY(!update->check({server.url("/update.json")}, AutoUpdate::Mode::Update));
    QVERIFY(m_log.takeLines().contains("crit update check refused: a check is already running"));
    QTRY_COMPARE_WITH_TIMEOUT(driver.finished.size(), 1, 30000);
    QTest::qWait(200);
    QCOMPARE(driver.finished.size(), 1);
    QCOMPARE(driver.starts, 1);
    QCOMPARE(server.requestCount("/update.json"), 2); // one job, both passes
    QVERIFY(!update->isRunning());
}

void AutoUpdateTest::fromNothingToNewest_data()
{
    QTest::addColumn<bool>("torrents"); // whether the contents have torrents
    QTest::addColumn<bool>("useTorrents");
    QTest::newRow("http") << false << false;
    QTest::newRow("torrent, peers and web seeds") << true << true;
    QTest::newRow("torrent, web seeds only") << true << false;
}

void AutoUpdateTest::fromNothingToNewest()
{
    QFETCH(bool, torrents);
    QFETCH(bool, useTorrents);
    std::unique_ptr<ReleaseKit> kit = newRelease(m_nginx);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1), torrents);
    const QJsonObject first =
        kit->patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1), gameFiles(2), torrents);
    const QJsonObject second =
        kit->patch("patch-1.2.0", "1.1.0", "1.2.0", gameFiles(2), gameFiles(3), torrents);
    QVERIFY(!full.isEmpty() && !first.isEmpty() && !second.isEmpty());
    QVERIFY(kit->publishManifest(QJsonObject{{"gd7_launcher_en", launcherUpToDate()},
                                             {"gd7", ReleaseKit::product("1.2.0", {second, full, first})}}));

    AutoUpdate::instance()->setUseTorrents(useTorrents);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 0);
    QCOMPARE(driver.installed, (QStringList{"game-1.0.0", "patch-1.1.0", "patch-1.2.0"}));
    QCOMPARE(installedVersion(), QStringLiteral("1.2.0"));
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(3)));
    QVERIFY(!QFileInfo::exists(Paths::updateTempFolder()));
    QCOMPARE(AutoUpdate::instance()->hasTorrents(), torrents);
    const QStringList lines = m_log.takeLines();
    QVERIFY(lines.contains("info patch success: patch-1.2.0"));
    QVERIFY(lines.contains(torrents ? "info torrent complete: patch-1.2.0.7z"
                                    : "info [0] http complete: patch-1.2.0.7z"));

    // Up to date: archives the manifest still names stay (their torrents seed), others go.
    const QString stale = Paths::joinPath(Paths::updateFolder(), QStringLiteral("game-0.9.0.7z"));
    QVERIFY(ReleaseKit::writeFile(stale, "old archive"));
    QCOMPARE(driver.run({kit->manifestUrl()}), 1);
    QCOMPARE(driver.installed.size(), 3);
    QVERIFY(!QFileInfo::exists(stale));
    QCOMPARE(QDir(Paths::updateFolder()).entryList(QDir::Files, QDir::Name),
             (QStringList{"game-1.0.0.7z", "patch-1.1.0.7z", "patch-1.2.0.7z"}));
}

void AutoUpdateTest::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("filesOfVersion"); // 0: no game folder
    QTest::addColumn<QString>("logged");
    QTest::addColumn<FailureReason::Kind>("reason");
    // The file the reason names, relative to the folder it is in.
    QTest::addColumn<QString>("reasonFile");
    QTest::newRow("archive missing") << "missing" << 6 << QString() << 0
                                     << "info [0] http failed: patch-1.2.0.7z"
                                     << FailureReason::Kind::HttpStatus << "patch-1.2.0.7z";
    QTest::newRow("corrupt archive") << "corrupt" << 6 << "1.1.0" << 2 << ""
                                     << FailureReason::Kind::DigestMismatch << "patch-1.2.0.7z";
    // As a manifest of an older publisher has it, without a digest: the unpack finds the damage.
    QTest::newRow("corrupt archive, no digest") << "corrupt, no digest" << 7 << "1.1.0" << 2 << ""
                                                << FailureReason::Kind::UnpackFailed << "patch-1.2.0.7z";
    QTest::newRow("old digest mismatch") << "digest" << 9 << "1.1.0" << 2 << "crit patch fail: patch-1.2.0"
                                         << FailureReason::Kind::PatchFailed << "game.bin";
}

void AutoUpdateTest::faults()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    QFETCH(QString, version);
    QFETCH(int, filesOfVersion);
    QFETCH(QString, logged);
    QFETCH(FailureReason::Kind, reason);
    QFETCH(QString, reasonFile);

    std::unique_ptr<ReleaseKit> kit = newRelease(m_nginx);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1), false);
    const QJsonObject first = kit->patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1), gameFiles(2), false);
    // With the digest fault, built against another game.bin than that of 1.1.0, as a wrongly
    // published patch would be, and changing only that file.
    ReleaseKit::Files oldFiles = gameFiles(2);
    ReleaseKit::Files newFiles = gameFiles(3);
    if (fault == QLatin1String("digest")) {
        oldFiles[QStringLiteral("game.bin")].replace(0, 16, QByteArray(16, 'x'));
        newFiles = gameFiles(2);
        newFiles[QStringLiteral("game.bin")] = gameFiles(3).value(QStringLiteral("game.bin"));
    }
    QJsonObject second = kit->patch("patch-1.2.0", "1.1.0", "1.2.0", oldFiles, newFiles, false);
    if (fault.endsWith(QLatin1String("no digest")))
        second.remove(QStringLiteral("sha256"));
    QVERIFY(!full.isEmpty() && !first.isEmpty() && !second.isEmpty());
    QVERIFY(kit->publishManifest(QJsonObject{{"gd7_launcher_en", launcherUpToDate()},
                                             {"gd7", ReleaseKit::product("1.2.0", {full, first, second})}}));
    const QString archive = kit->publishedPath("patch-1.2.0.7z");
    if (fault == QLatin1String("missing"))
        QVERIFY(QFile::remove(archive));
    if (fault.startsWith(QLatin1String("corrupt")))
        QVERIFY(ReleaseKit::writeFile(archive, randomBytes(int(QFileInfo(archive).size()), 5)));

    AutoUpdate::instance()->setUseTorrents(false);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), result);
    const FailureReason why = driver.lastResult().reason;
    QCOMPARE(why.kind, reason);
    QCOMPARE(QFileInfo(why.path.isEmpty() ? why.url.path() : why.path).fileName(), reasonFile);
    if (reason == FailureReason::Kind::HttpStatus)
        QCOMPARE(why.httpStatus, 404);
    QCOMPARE(driver.installed, (QStringList{"game-1.0.0", "patch-1.1.0"}));
    QCOMPARE(installedVersion(), version.isEmpty() ? QStringLiteral("1.1.0") : version);
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()),
             ReleaseKit::digestsOf(gameFiles(filesOfVersion ? filesOfVersion : 2)));
    QVERIFY(!QFileInfo::exists(Paths::updateTempFolder()));
    const QStringList lines = m_log.takeLines();
    if (!logged.isEmpty())
        QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                             [&](const QString &line) { return line.startsWith(logged); }),
                 qPrintable(logged));
}

void AutoUpdateTest::launcherOutdated_data()
{
    QTest::addColumn<QString>("launcherFiles");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("logged");
    QTest::newRow("no launcher content") << "" << 5 << "crit Launcher update content not found";
    QTest::newRow("stand-in copier") << "program" << 0 << "info Exiting for self update";
    QTest::newRow("copier cannot start") << "notices only" << 8 << "crit Updater failed to start: ";
}

void AutoUpdateTest::launcherOutdated()
{
    QFETCH(QString, launcherFiles);
    QFETCH(int, result);
    QFETCH(QString, logged);

    std::unique_ptr<ReleaseKit> kit = newRelease(m_nginx);
    const QString argumentsFile = m_application->filePath(QStringLiteral("copier-arguments.txt"));
    QList<QJsonObject> contents;
    if (!launcherFiles.isEmpty()) {
        ReleaseKit::Files files{{"3rdparty.txt", "notices"}};
        if (launcherFiles == QLatin1String("program"))
            files.insert(QStringLiteral("GD7Launcher"),
                         "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + argumentsFile.toUtf8() + "'\n");
        contents.append(kit->full("launcher-9.0.0", "9.0.0", files, false, "gd7_launcher_en"));
    }
    const QJsonObject game = kit->full("game-1.0.0", "1.0.0", gameFiles(1), false);
    QVERIFY(kit->publishManifest(QJsonObject{{"gd7_launcher_en", ReleaseKit::product("9.0.0", contents)},
                                             {"gd7", ReleaseKit::product("1.0.0", {game})}}));

    AutoUpdate::instance()->setUseTorrents(false);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), result);
    const FailureReason why = driver.lastResult().reason;
    QCOMPARE(why.kind, result == 8 ? FailureReason::Kind::ProgramNotStarted : FailureReason::Kind::None);
    if (result == 8)
        QCOMPARE(QFileInfo(why.path).fileName(), QStringLiteral("GD7Launcher"));
    const QStringList lines = m_log.takeLines();
    QVERIFY2(lines.filter(logged).size() == 1, qPrintable(lines.join('\n')));
    QVERIFY(lines.filter("Game version: ").isEmpty());
    QVERIFY(driver.installed.isEmpty());
    QVERIFY(!QFileInfo::exists(Paths::gameFolder()));
    QTest::qWait(100);
    QCOMPARE(driver.exits, result == 0 ? 1 : 0);
    if (result != 0)
        return;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(argumentsFile).size() > 0, 10000);
    QFile file(argumentsFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList expected{"--update", "--path",
                               QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath(), "--pid",
                               QString::number(platform::currentProcessId())};
    QCOMPARE(QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts), expected);
}

void AutoUpdateTest::progressReportsEachStep_data()
{
    QTest::addColumn<bool>("useTorrents");
    QTest::newRow("http") << false;
    QTest::newRow("torrent web seeds") << true;
}

void AutoUpdateTest::progressReportsEachStep()
{
    QFETCH(bool, useTorrents);
    // Slow enough for the 500 ms ticks to see every step. The HTTP rate is sampled once a second
    // from progress that comes in bursts, and the first burst only sets where the count starts:
    // the download lasts about six seconds, so that some samples fall inside it.
    NginxServer slow;
    QVERIFY(slow.start(m_served.path(), QStringLiteral("limit_rate 128k;")));
    std::unique_ptr<ReleaseKit> kit = newRelease(slow);
    const int size = 768 * 1024;
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1, size), useTorrents);
    const QJsonObject patch =
        kit->patch("patch-1.1.0", "1.0.0", "1.1.0", gameFiles(1, size), gameFiles(2, size), useTorrents);
    QJsonObject manifest{{"gd7_launcher_en", launcherUpToDate()},
                         {"gd7", ReleaseKit::product("1.1.0", {full, patch})},
                         {"padding", QString(160 * 1024, QLatin1Char('x'))}};
    QVERIFY(kit->publishManifest(manifest));

    AutoUpdate::instance()->setUseTorrents(useTorrents);
    // The first tick after a torrent download only lets the finished torrent go; the pause
    // must span two ticks for the unpacking step to be seen.
    AutoUpdate::instance()->setInstallPauseMs(1200);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 0);
    const QList<int> actions = distinctActions(driver.progress);
    QVERIFY2(isSubsequence({1, 3, 4, 5}, actions), qPrintable(actionsText(actions)));
    bool downloadMoved = false;
    for (const UpdateDriver::Progress &item : qAsConst(driver.progress)) {
        QCOMPARE(item.message.isEmpty(), false);
        QVERIFY(item.progress >= 0 && item.progress <= 1);
        QVERIFY(item.current <= item.total);
        if (item.action == 3 && item.rate > 0 && item.total > 0)
            downloadMoved = true;
    }
    QVERIFY(downloadMoved);
    // Each tick reports the same progress twice: as codes and texts, and as a value without words.
    QCOMPARE(driver.reports.size(), driver.progress.size());
    for (int i = 0; i < driver.reports.size(); ++i) {
        const UpdateProgress &report = driver.reports.at(i);
        const UpdateDriver::Progress &item = driver.progress.at(i);
        QCOMPARE(int(report.action), item.action);
        QCOMPARE(report.fraction, item.progress);
        QCOMPARE(report.total, item.total);
        QCOMPARE(report.done, item.current);
        QCOMPARE(report.rate, item.rate);
        QCOMPARE(report.state, UpdateProgress::State::Running);
    }
    if (useTorrents)
        QVERIFY(!m_log.takeLines().filter(QRegularExpression("^debg STATE: 3 P: ")).isEmpty());
}

void AutoUpdateTest::stopsPromptly_data()
{
    QTest::addColumn<bool>("torrents");
    // The progress action under way when the launcher closes.
    QTest::addColumn<UpdateProgress::Action>("stopAtAction");
    QTest::addColumn<int>("result");
    QTest::newRow("http download") << false << UpdateProgress::Action::Downloading << 6;
    QTest::newRow("torrent download") << true << UpdateProgress::Action::Downloading << 6;
    QTest::newRow("pause before unpacking") << false << UpdateProgress::Action::Unpacking << 7;
}

// Closing the launcher in the middle of a long step: the orchestrator goes at once, the job ends
// with a failure, and nothing half-done is left in the game folder or as a downloaded archive.
void AutoUpdateTest::stopsPromptly()
{
    QFETCH(bool, torrents);
    QFETCH(UpdateProgress::Action, stopAtAction);
    QFETCH(int, result);
    // About a minute for the 4 MiB archive, unless the step to stop in comes after the download.
    NginxServer slow;
    const bool slowDownload = stopAtAction == UpdateProgress::Action::Downloading;
    QVERIFY(slow.start(m_served.path(), slowDownload ? QStringLiteral("limit_rate 64k;") : QString()));
    std::unique_ptr<ReleaseKit> kit = newRelease(slow);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1, 4 * 1024 * 1024), torrents);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));

    AutoUpdate *update = AutoUpdate::instance();
    update->setUseTorrents(torrents);
    if (!slowDownload)
        update->setInstallPauseMs(10 * 60 * 1000);
    UpdateDriver driver(settingsPath());
    QVERIFY(update->check({kit->manifestUrl()}, AutoUpdate::Mode::Update));
    update->startProgressTimer();
    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::any_of(driver.reports.cbegin(), driver.reports.cend(), [&](const UpdateProgress &p) {
                return p.action == stopAtAction && (!slowDownload || p.done > 0 || p.rate > 0);
            });
        },
        60000));
    AutoUpdate::destroyInstance();
    QTRY_COMPARE(driver.finished, QList<int>{result});
    QCOMPARE(driver.lastResult().reason.kind, FailureReason::Kind::Cancelled);
    QVERIFY(driver.installed.isEmpty());
    QCOMPARE(installedVersion(), QString());
    QVERIFY(ReleaseKit::digestsBelow(Paths::gameFolder()).isEmpty());
    if (!torrents && slowDownload)
        QVERIFY(!QFileInfo::exists(Paths::joinPath(Paths::updateFolder(), QStringLiteral("game-1.0.0.7z"))));
}

// The launcher closed in the middle of an HTTP download: the next check asks only for the rest,
// installs the right game, and its rate counts only the bytes that arrive then.
void AutoUpdateTest::closedDownloadResumesOnNextCheck()
{
    const QString accessLog = QDir(m_served.path()).filePath(QStringLiteral("resume-access.log"));
    NginxServer slow;
    QVERIFY(
        slow.start(m_served.path(), QStringLiteral("limit_rate 256k;\n") + accessLogDirective(accessLog)));
    std::unique_ptr<ReleaseKit> kit = newRelease(slow);
    const ReleaseKit::Files files = gameFiles(1, 2 * 1024 * 1024);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", files, false);
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    const qint64 size = qint64(full.value(QStringLiteral("size")).toDouble());
    const QString archive = Paths::joinPath(Paths::updateFolder(), QStringLiteral("game-1.0.0.7z"));

    {
        AutoUpdate *update = AutoUpdate::instance();
        update->setUseTorrents(false);
        UpdateDriver driver(settingsPath());
        QVERIFY(update->check({kit->manifestUrl()}, AutoUpdate::Mode::Update));
        update->startProgressTimer();
        QVERIFY(QTest::qWaitFor(
            [&] { return QFileInfo(archive + QStringLiteral(".part")).size() >= size / 2; }, 60000));
        AutoUpdate::destroyInstance();
        QTRY_COMPARE(driver.finished, QList<int>{int(UpdateResult::Code::DownloadFailed)});
    }
    QVERIFY(!QFileInfo::exists(archive));
    const qint64 kept = QFileInfo(archive + QStringLiteral(".part")).size();
    QVERIFY(kept >= size / 2 && kept < size);

    AutoUpdate::instance()->setUseTorrents(false);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), int(UpdateResult::Code::Updated));
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(files));
    const QString path = QDir::cleanPath(kit->url(QStringLiteral("game-1.0.0.7z")).path());
    QTRY_COMPARE(loggedAnswers(accessLog, path).size(), 2);
    QCOMPARE(loggedAnswers(accessLog, path).last(), qMakePair(206, size - kept));
    // At 256 KiB/s; the kept half would count as over a MiB in the first rate sample.
    for (const UpdateDriver::Progress &item : qAsConst(driver.progress)) {
        if (item.action == int(UpdateProgress::Action::Downloading))
            QVERIFY2(item.rate <= 640 * 1024, qPrintable(QString::number(item.rate)));
    }
}

// A listener that throws while the job reports: the job still ends with updateFinish, and the next
// check is not refused.
void AutoUpdateTest::exceptionStillFinishes()
{
    std::unique_ptr<ReleaseKit> kit = newRelease(m_nginx);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1), false);
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    AutoUpdate *update = AutoUpdate::instance();
    update->setUseTorrents(false);
    UpdateDriver driver(settingsPath());
    const QMetaObject::Connection thrower = connect(
        update, &AutoUpdate::updateContentInstalled, this,
        [](const QString &, const QString &) { throw std::runtime_error("listener failed"); },
        Qt::DirectConnection);
    QCOMPARE(driver.run({kit->manifestUrl()}), int(UpdateResult::Code::Unknown));
    QVERIFY(!update->isRunning());
    QVERIFY(m_log.takeLines().contains("crit update job ended by an exception: listener failed"));
    disconnect(thrower);
    QCOMPARE(driver.run({kit->manifestUrl()}), int(UpdateResult::Code::UpToDate));
    QCOMPARE(driver.finished,
             (QList<int>{int(UpdateResult::Code::Unknown), int(UpdateResult::Code::UpToDate)}));
    QCOMPARE(driver.results,
             (QList<UpdateResult>{UpdateResult::Code::Unknown, UpdateResult::Code::UpToDate}));
}

// The file check and the recovery choose their contents from the whole manifest.
void AutoUpdateTest::exposesTheManifest()
{
    AutoUpdate *update = AutoUpdate::instance();
    QVERIFY(!update->updateInfo().isValid());
    std::unique_ptr<ReleaseKit> kit = newRelease(m_nginx);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1), true);
    const QJsonObject manifest{{"gd7_launcher_en", launcherUpToDate()},
                               {"gd7", ReleaseKit::product("1.0.0", {full})}};
    QVERIFY(kit->publishManifest(manifest));
    UpdateDriver driver(settingsPath());
    QVERIFY(update->check({kit->manifestUrl()}, AutoUpdate::Mode::FetchOnly));
    QTRY_COMPARE(driver.finished, QList<int>{0});
    const UpdateInfo loaded = update->updateInfo();
    QCOMPARE(loaded.json(), manifest);
    ProductUpdateInfo game;
    QVERIFY(loaded.product(QStringLiteral("gd7"), game));
    QCOMPARE(game.contents().size(), 1);
    QVERIFY(game.contents().first().hasRecoverTorrents());
}

void AutoUpdateTest::torrentThatCannotFinish_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("web seed answers 404")
        << "404" << 6
        << QStringList{"crit torrent wait ended: no data for ",
                       "crit torrent download failed, fetching over http: game-1.0.0.7z"};
    // Followed by the torrent itself or, failing that, by the HTTP fetch after the stall: the
    // content arrives either way.
    QTest::newRow("web seed behind a relative redirect") << "redirect" << 0 << QStringList{};
    QTest::newRow("v2-only torrent")
        << "v2" << 0
        << QStringList{"crit torrent refused: it has no v1 info-hash (v2-only): game-1.0.0.7z",
                       "crit torrent download failed, fetching over http: game-1.0.0.7z",
                       "info [0] http complete: game-1.0.0.7z"};
}

// A torrent download that cannot complete ends, and the content comes over plain HTTP when it can.
void AutoUpdateTest::torrentThatCannotFinish()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    QFETCH(QStringList, logged);
    NginxServer server;
    QVERIFY(server.start(
        m_served.path(),
        QStringLiteral("location /moved/ { absolute_redirect off; rewrite ^/moved/(.*)$ /$1 redirect; }")));
    std::unique_ptr<ReleaseKit> kit = newRelease(server);
    QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1), true);
    QVERIFY(!full.isEmpty());
    const QString archiveUrl = full.value("http").toArray().first().toString();
    if (fault == QLatin1String("404")) {
        full["http"] = QJsonArray{kit->url(QStringLiteral("missing/game-1.0.0.7z")).toString()};
    } else if (fault == QLatin1String("redirect")) {
        const QUrl url(archiveUrl);
        full["http"] = QJsonArray{server.url(QStringLiteral("moved") + url.path()).toString()};
    } else {
        const QString torrent = QUrl(full.value("torrents").toArray().first().toString()).fileName();
        QProcess maker;
        maker.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-c"),
                     QStringLiteral("import libtorrent as lt, sys, os\n"
                                    "fs = lt.file_storage(); lt.add_files(fs, sys.argv[1])\n"
                                    "t = lt.create_torrent(fs, 0, lt.create_torrent.v2_only)\n"
                                    "lt.set_piece_hashes(t, os.path.dirname(sys.argv[1]))\n"
                                    "open(sys.argv[2], 'wb').write(lt.bencode(t.generate()))\n"),
                     kit->publishedPath(QStringLiteral("game-1.0.0.7z")), kit->publishedPath(torrent)});
        QVERIFY(maker.waitForFinished(60000));
        QVERIFY2(maker.exitCode() == 0, maker.readAllStandardError().constData());
    }
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));

    AutoUpdate *update = AutoUpdate::instance();
    // On 127.0.0.1 the torrent's own web seeds give way to the content's "http" locations.
    update->setUseTorrents(true);
    update->setTorrentStallLimitMs(3000);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), result);
    const QStringList lines = m_log.takeLines();
    int from = 0;
    for (const QString &line : logged) {
        const auto found = std::find_if(lines.cbegin() + from, lines.cend(),
                                        [&line](const QString &each) { return each.startsWith(line); });
        QVERIFY2(found != lines.cend(), qPrintable(line + " not in order in:\n" + lines.join('\n')));
        from = int(found - lines.cbegin()) + 1;
    }
    if (result == 0) {
        QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1)));
    } else {
        QVERIFY(driver.installed.isEmpty());
        // The last way tried was plain HTTP, and its location does not exist.
        QCOMPARE(driver.lastResult().reason.kind, FailureReason::Kind::HttpStatus);
        QCOMPARE(driver.lastResult().reason.httpStatus, 404);
    }
}

// The player's pause holds the download as long as the player wants: it is no stall.
void AutoUpdateTest::pausedTorrentIsNotStalled()
{
    NginxServer slow;
    QVERIFY(slow.start(m_served.path(), QStringLiteral("limit_rate 256k;")));
    std::unique_ptr<ReleaseKit> kit = newRelease(slow);
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1, 1024 * 1024), true);
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    AutoUpdate *update = AutoUpdate::instance();
    update->setUseTorrents(true);
    update->setTorrentStallLimitMs(1000);
    UpdateDriver driver(settingsPath());
    QVERIFY(update->check({kit->manifestUrl()}, AutoUpdate::Mode::Update));
    update->startProgressTimer();
    QTRY_VERIFY_WITH_TIMEOUT(update->hasTorrents(), 30000);
    update->pauseTorrents();
    QTest::qWait(3000);
    QVERIFY(driver.finished.isEmpty());
    update->resumeTorrents();
    QTRY_COMPARE_WITH_TIMEOUT(driver.finished, QList<int>{0}, 60000);
    update->stopProgressTimer();
    QVERIFY(m_log.takeLines().filter(QStringLiteral("torrent wait ended")).isEmpty());
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1, 1024 * 1024)));
}

// The launcher closed while a torrent download was half-way: the next start keeps the pieces
// already on disk and fetches only the rest.
void AutoUpdateTest::torrentContinuesAfterRestart()
{
    QTemporaryDir logs;
    const QString accessLog = logs.filePath(QStringLiteral("access.log"));
    NginxServer slow;
    QVERIFY(slow.start(m_served.path(), QStringLiteral("limit_rate 1m;\n") + accessLogDirective(accessLog)));
    std::unique_ptr<ReleaseKit> kit = newRelease(slow);
    const int size = 8 * 1024 * 1024;
    const QJsonObject full = kit->full("game-1.0.0", "1.0.0", gameFiles(1, size), true);
    QVERIFY(!full.isEmpty());
    QVERIFY(kit->publishManifest(
        QJsonObject{{"gd7_launcher_en", launcherUpToDate()}, {"gd7", ReleaseKit::product("1.0.0", {full})}}));
    const QString archive = QStringLiteral("game-1.0.0.7z");
    // As the web seed asks for it.
    const QString archivePath = QUrl(full.value("http").toArray().first().toString()).path();
    const qint64 archiveSize = QFileInfo(kit->publishedPath(archive)).size();

    {
        AutoUpdate *update = AutoUpdate::instance();
        update->setUseTorrents(true);
        UpdateDriver driver(settingsPath());
        QVERIFY(update->check({kit->manifestUrl()}, AutoUpdate::Mode::Update));
        update->startProgressTimer();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::any_of(
                    driver.reports.cbegin(), driver.reports.cend(), [&](const UpdateProgress &p) {
                        return p.action == UpdateProgress::Action::Downloading && p.done * 2 >= p.total;
                    });
            },
            60000));
        AutoUpdate::destroyInstance();
        QTRY_COMPARE(driver.finished, QList<int>{int(UpdateResult::Code::DownloadFailed)});
    }
    QTRY_VERIFY(loggedBytes(accessLog, archivePath) * 2 >= archiveSize);
    const qint64 first = loggedBytes(accessLog, archivePath);
    QVERIFY2(first < archiveSize, qPrintable(QString::number(first)));

    AutoUpdate *update = AutoUpdate::instance();
    update->setInstallPauseMs(0);
    update->setUseTorrents(true);
    UpdateDriver driver(settingsPath());
    QCOMPARE(driver.run({kit->manifestUrl()}), 0);
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(gameFiles(1, size)));
    const qint64 second = loggedBytes(accessLog, archivePath) - first;
    // What the first start had not yet verified, give or take the pieces under way when it closed.
    QVERIFY2(second <= archiveSize - first + archiveSize / 8,
             qPrintable(QStringLiteral("first %1, second %2 of %3").arg(first).arg(second).arg(archiveSize)));
}

QTEST_GUILESS_MAIN(AutoUpdateTest)
#include "tst_autoupdate.moc"
