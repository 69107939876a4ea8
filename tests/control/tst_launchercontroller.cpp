#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "control/launchercontroller.h"
#include "net/torrentsession.h"
#include "tests/support/logcapture.h"
#include "tests/ui/launcherkit.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QJsonObject readJsonFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

const ReleaseKit::Files GameFiles{{"data/world.pak", QByteArray(3000, 'w')}, {"readme.txt", "Glimmerdeep"}};

} // namespace

// The main window's flow without a window: the controller over a settings file, against releases
// served by nginx, as the window drives it.
class LauncherControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void agreementGate_data();
    void agreementGate();
    void updatesAndRecordsTheVersion();
    void progressComesAsValues();
    void failureKeepsItsReason();
    void reinstallStartsOver();
    void recordsOnlyTheGamesContents_data();
    void recordsOnlyTheGamesContents();
    void gameArguments_data();
    void gameArguments();
    void startsTheGame();

private:
    LauncherController *openController(const QJsonObject &settings);
    // Runs the controller's update to its end; the result it finished with.
    UpdateResult runUpdate();

    LauncherKit m_kit;
    QUrl m_release;
    QUrl m_slow;
    std::unique_ptr<QTemporaryDir> m_appFolder;
    std::unique_ptr<JsonSettings> m_settings;
    std::unique_ptr<LauncherController> m_controller;
};

void LauncherControllerTest::initTestCase()
{
    // The slow folder's download lasts a few seconds, long enough for several progress ticks.
    QVERIFY(m_kit.start(QStringLiteral("location /slow/ { limit_rate 64k; }\n")));
    qputenv("GD7_DEPLOYMENT_CONFIG", QFile::encodeName(m_kit.deploymentConfigPath()));
    TorrentSession::setLoopbackOnly(true);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    QVERIFY((m_release = m_kit.publishGame(QStringLiteral("mirror"), QStringLiteral("1.0.0"), GameFiles))
                .isValid());
    // Random bytes, so the package stays as large as its contents.
    QByteArray large(256 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(large.data()), large.size() / 4);
    QVERIFY(
        (m_slow = m_kit.publishGame(QStringLiteral("slow"), QStringLiteral("1.0.0"), {{"big.pak", large}}))
            .isValid());
}

void LauncherControllerTest::init()
{
    m_appFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appFolder->isValid());
    Paths::setApplicationFolder(m_appFolder->path());
    gameProduct = makeGameProduct(nullptr);
    AutoUpdate::instance()->setInstallPauseMs(0);
}

void LauncherControllerTest::cleanup()
{
    m_controller.reset();
    AutoUpdate::destroyInstance();
    m_settings.reset();
}

LauncherController *LauncherControllerTest::openController(const QJsonObject &settings)
{
    if (!ReleaseKit::writeFile(Paths::settingsPath(), QJsonDocument(settings).toJson()))
        return nullptr;
    m_settings = std::make_unique<JsonSettings>();
    m_settings->load(Paths::settingsPath());
    m_controller = std::make_unique<LauncherController>(m_settings.get());
    return m_controller.get();
}

UpdateResult LauncherControllerTest::runUpdate()
{
    QSignalSpy finished(m_controller.get(), &LauncherController::updateFinished);
    m_controller->startUpdate();
    if (!finished.wait(60000))
        return UpdateResult(UpdateResult::Code::Unknown, FailureReason::cancelled());
    return finished.first().first().value<UpdateResult>();
}

// Only "eula_accepted" = 20171002 lets the launcher go online; accepting stores that value.
void LauncherControllerTest::agreementGate_data()
{
    QTest::addColumn<QJsonValue>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("accepted") << QJsonValue(20171002) << true;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << false;
    QTest::newRow("one") << QJsonValue(1) << false;
    QTest::newRow("a word") << QJsonValue(QStringLiteral("yes")) << false;
    QTest::newRow("another date") << QJsonValue(20171001) << false;
}

void LauncherControllerTest::agreementGate()
{
    QFETCH(QJsonValue, stored);
    QFETCH(bool, accepted);
    QJsonObject settings;
    if (!stored.isUndefined())
        settings.insert("eula_accepted", stored);
    LauncherController *controller = openController(settings);
    QVERIFY(controller);
    QCOMPARE(controller->agreementAccepted(), accepted);
    QVERIFY(controller->acceptAgreement());
    QVERIFY(controller->agreementAccepted());
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("eula_accepted"), QJsonValue(20171002));
}

// An update from nothing: progress without words, the installed version in the settings file and
// the game record, then the manifest's version offered; a second check finds nothing to do.
void LauncherControllerTest::updatesAndRecordsTheVersion()
{
    LauncherController *controller = openController(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    QVERIFY(controller);
    QVERIFY(!controller->offeredVersion().isValid());
    QSignalSpy started(controller, &LauncherController::updateStarted);
    QSignalSpy installed(controller, &LauncherController::installedVersionChanged);

    QCOMPARE(runUpdate(), UpdateResult(UpdateResult::Code::Updated));
    QCOMPARE(started.count(), 1);
    QCOMPARE(installed.count(), 1);
    QVERIFY(!controller->isUpdating());
    QVERIFY(!controller->canPause());
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("gd7.installed_version").toString(),
             QStringLiteral("1.0.0"));
    QCOMPARE(formatVersion(gameProduct.version), QStringLiteral("1.0.0"));
    QCOMPARE(formatVersion(controller->offeredVersion()), QStringLiteral("1.0.0"));
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(GameFiles));
    // Once a manifest is there, its size is told, not the fallback.
    ProductUpdateInfo game;
    QVERIFY(controller->manifest().product(QStringLiteral("gd7"), game));
    QCOMPARE(controller->gameSize(-1), game.size());
    QCOMPARE(LauncherController::offerFor(UpdateResult(UpdateResult::Code::Updated).number()),
             LauncherController::Offer::Play);

    QCOMPARE(runUpdate(), UpdateResult(UpdateResult::Code::UpToDate));
    QCOMPARE(installed.count(), 1);
}

// The progress reaches the window as values: the step, the bytes, the rate and the time left.
void LauncherControllerTest::progressComesAsValues()
{
    LauncherController *controller = openController(
        {{"eula_accepted", 20171002}, {"update_url", m_slow.toString()}, {"use_torrents", false}});
    QVERIFY(controller);
    QSignalSpy progress(controller, &LauncherController::progressChanged);
    QCOMPARE(runUpdate().code, UpdateResult::Code::Updated);
    bool downloading = false;
    for (const QList<QVariant> &arguments : qAsConst(progress)) {
        const UpdateProgress report = arguments.first().value<UpdateProgress>();
        QVERIFY(report.done <= report.total);
        if (report.action != UpdateProgress::Action::Downloading || report.rate <= 0)
            continue;
        downloading = true;
        QVERIFY(report.total > 256 * 1024);
        QCOMPARE(report.fraction, float(report.done) / float(report.total));
        QCOMPARE(report.secondsLeft(), (report.total - report.done + report.rate - 1) / report.rate);
        QCOMPARE(report.state, UpdateProgress::State::Running);
    }
    QVERIFY2(downloading, qPrintable(QString::number(progress.size())));
}

// A failed update tells what failed and what the player is offered next.
void LauncherControllerTest::failureKeepsItsReason()
{
    const QUrl missing = m_kit.url(QStringLiteral("missing/update.json"));
    LauncherController *controller = openController(
        {{"eula_accepted", 20171002}, {"update_url", missing.toString()}, {"use_torrents", false}});
    QVERIFY(controller);
    const UpdateResult result = runUpdate();
    QCOMPARE(result,
             UpdateResult(UpdateResult::Code::InfoQueryFailed, FailureReason::atStatus(missing, 404)));
    QCOMPARE(LauncherController::offerFor(result.number()),
             LauncherController::Offer::RetryExitOrDiagnostics);
    QVERIFY(!controller->offeredVersion().isValid());
    QCOMPARE(controller->gameSize(-1), qint64(-1));
    QVERIFY(!readJsonFile(Paths::settingsPath()).contains("gd7.installed_version"));
}

// Reinstalling forgets the installed version at once and installs the full package again.
void LauncherControllerTest::reinstallStartsOver()
{
    LauncherController *controller = openController(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    QVERIFY(controller);
    QCOMPARE(runUpdate().code, UpdateResult::Code::Updated);
    QVERIFY(QFile::remove(Paths::joinPath(Paths::gameFolder(), QStringLiteral("readme.txt"))));

    QSignalSpy started(controller, &LauncherController::updateStarted);
    QSignalSpy installed(controller, &LauncherController::installedVersionChanged);
    QSignalSpy finished(controller, &LauncherController::updateFinished);
    controller->reinstallGame();
    QCOMPARE(started.count(), 1);
    QCOMPARE(installed.count(), 1);
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("gd7.installed_version").toString(), QString());
    QVERIFY(!gameProduct.version.isValid());
    QVERIFY(controller->isUpdating());
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().value<UpdateResult>().code, UpdateResult::Code::Updated);
    QCOMPARE(installed.count(), 2);
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("gd7.installed_version").toString(),
             QStringLiteral("1.0.0"));
    QCOMPARE(ReleaseKit::digestsBelow(Paths::gameFolder()), ReleaseKit::digestsOf(GameFiles));
}

// Installed-content notices from the file check name a product and a content: only a content of
// the game in the last manifest changes the installed version.
void LauncherControllerTest::recordsOnlyTheGamesContents_data()
{
    QTest::addColumn<QString>("productId");
    QTest::addColumn<QString>("contentId");
    QTest::addColumn<QString>("version");
    QTest::newRow("the game's content") << "gd7"
                                        << "game-1.0.0"
                                        << "1.0.0";
    QTest::newRow("another product") << "gd7_launcher_en"
                                     << "game-1.0.0"
                                     << "";
    QTest::newRow("unknown content") << "gd7"
                                     << "game-9.9.9"
                                     << "";
}

void LauncherControllerTest::recordsOnlyTheGamesContents()
{
    QFETCH(QString, productId);
    QFETCH(QString, contentId);
    QFETCH(QString, version);
    LauncherController *controller = openController(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    QVERIFY(controller);
    // The manifest alone, as the install mode fetches it: nothing is installed by the check.
    UpdateDriver driver(Paths::settingsPath());
    QVERIFY(AutoUpdate::instance()->check({m_release}, AutoUpdate::Mode::FetchOnly));
    QTRY_COMPARE(driver.finished.size(), 1);
    QSignalSpy installed(controller, &LauncherController::installedVersionChanged);
    controller->recordInstalled(productId, contentId);
    QCOMPARE(installed.count(), version.isEmpty() ? 0 : 1);
    QCOMPARE(formatVersion(gameProduct.version), version.isEmpty() ? formatVersion(Version()) : version);
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("gd7.installed_version").toString(), version);
}

void LauncherControllerTest::gameArguments_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::newRow("en") << "en"
                        << "en";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "pt-BR";
    QTest::newRow("zh_TW") << "zh_TW"
                           << "zh-TW";
}

void LauncherControllerTest::gameArguments()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QCOMPARE(LauncherController::gameArguments(language), (QStringList{"-region", "EN", "-locale", locale}));
}

// PLAY starts the program in the game folder with the interface language, or says it could not.
void LauncherControllerTest::startsTheGame()
{
    LauncherController *controller = openController({{"eula_accepted", 20171002}});
    QVERIFY(controller);
    const QString program = QDir(Paths::gameFolder()).absoluteFilePath(QStringLiteral("gd7_x64"));
    LogCapture log;
    QVERIFY(!controller->startGame());
    QCOMPARE(log.takeLines(), QStringList(QStringLiteral("crit Failed to start game file: ") + program));

    const QString ran = m_appFolder->filePath(QStringLiteral("ran.txt"));
    QVERIFY(ReleaseKit::writeFile(program,
                                  "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" > '" + ran.toUtf8() + "'\n"));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    QVERIFY(controller->startGame());
    QTRY_VERIFY(QFileInfo(ran).size() > 0);
    QFile file(ran);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(
        QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
        (QStringList{QFileInfo(Paths::gameFolder()).canonicalFilePath(), "-region", "EN", "-locale", "en"}));
}

QTEST_GUILESS_MAIN(LauncherControllerTest)
#include "tst_launchercontroller.moc"
