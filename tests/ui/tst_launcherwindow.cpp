#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "net/torrentsession.h"
#include "tests/install/testhome.h"
#include "tests/support/logcapture.h"
#include "tests/support/modalanswer.h"
#include "tests/ui/launcherkit.h"
#include "ui/euladialog.h"
#include "ui/launcher.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/tabs.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QResource>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString Manifest = QStringLiteral("update.json");

QJsonObject readJsonFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The texts of a message box's buttons, in their order on screen.
QStringList buttonTexts(QWidget *box)
{
    QStringList texts;
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (!button->text().isEmpty())
            texts.append(button->text());
    }
    return texts;
}

QPushButton *buttonWithText(QWidget *box, const QString &text)
{
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// How long an answer waits for its window: the next one may only come after a check or a
// download has ended, which takes seconds on a loaded machine. Answers go with their scope.
constexpr int NextWindowMs = 60000;

// Leaves the check or diagnostics dialog a prompt opened: Cancel, then Yes to the question
// (or OK to a message that came first), until no window is left. Notes each window's title.
void leaveToolDialogs(QObject *scope, QStringList *titles)
{
    answerNextModal(
        scope,
        [scope, titles](QWidget *modal) {
            titles->append(modal->windowTitle());
            leaveToolDialogs(scope, titles);
            if (QPushButton *cancel = modal->findChild<QPushButton *>(QStringLiteral("cancel")))
                cancel->click();
            else if (QPushButton *yes = buttonWithText(modal, QStringLiteral("Yes")))
                yes->click();
            else if (QPushButton *ok = buttonWithText(modal, QStringLiteral("OK")))
                ok->click();
        },
        NextWindowMs);
}

QString labelText(QWidget *box)
{
    QStringList texts;
    for (QLabel *label : box->findChildren<QLabel *>())
        texts.append(label->text());
    return texts.join(QLatin1Char('|'));
}

} // namespace

// The main window in this process, on a real X server: the update it starts against releases
// served by nginx, its footer, its retry prompts, PLAY's failures, closing while busy and the
// tab switch. (Paths that end the process are run with the real executable in
// tst_launcherprocess.)
class LauncherWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updatesAndEnablesPlay_data();
    void updatesAndEnablesPlay();
    void updateSource_data();
    void updateSource();
    void agreementGate_data();
    void agreementGate();
    void progressReachesTheFooter_data();
    void progressReachesTheFooter();
    void retryPrompts_data();
    void retryPrompts();
    void failedUpdateRetriedFromThePrompt();
    void playFailureKeepsTheWindow_data();
    void playFailureKeepsTheWindow();
    void closingWhileUpdatingAsksOnce();
    void tabSwitchFadesTheBackdrop();
    void followsLanguageChange();

private:
    void writeSettings(const QJsonObject &settings);
    Launcher *openLauncher();
    bool waitForPlay();

    std::unique_ptr<TestHome> m_home;
    LauncherKit m_kit;
    QUrl m_release;
    QUrl m_newer;
    QUrl m_slow;
    std::unique_ptr<QTemporaryDir> m_appFolder;
    std::unique_ptr<JsonSettings> m_settings;
    std::unique_ptr<Launcher> m_launcher;
};

void LauncherWindowTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    // The slow folder holds a package large enough to still be downloading when the test acts.
    QVERIFY(m_kit.start(QStringLiteral("location /slow/ { limit_rate 64k; }\n")));
    qputenv("GD7_DEPLOYMENT_CONFIG", QFile::encodeName(m_kit.deploymentConfigPath()));
    TorrentSession::setLoopbackOnly(true);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    QVERIFY(QResource::registerResource(QStringLiteral(EULA_RCC)));
    launcherProduct = makeLauncherProduct();

    const ReleaseKit::Files game{{"data/world.pak", QByteArray(3000, 'w')}, {"readme.txt", "Glimmerdeep"}};
    QVERIFY(
        (m_release = m_kit.publishGame(QStringLiteral("mirror"), QStringLiteral("1.0.0"), game)).isValid());
    QVERIFY((m_newer = m_kit.publishGame(QStringLiteral("newer"), QStringLiteral("2.3.4"), game)).isValid());
    // Random bytes, so the package stays as large as its contents.
    QByteArray large(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(large.data()), large.size() / 4);
    QVERIFY(
        (m_slow = m_kit.publishGame(QStringLiteral("slow"), QStringLiteral("1.0.0"), {{"big.pak", large}}))
            .isValid());
}

void LauncherWindowTest::init()
{
    m_appFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appFolder->isValid());
    Paths::setApplicationFolder(m_appFolder->path());
    gameProduct = makeGameProduct(nullptr);
    AutoUpdate::instance()->setInstallPauseMs(0);
}

void LauncherWindowTest::cleanup()
{
    m_launcher.reset();
    AutoUpdate::destroyInstance();
    m_settings.reset();
    qApp->setStyleSheet(QString());
}

void LauncherWindowTest::writeSettings(const QJsonObject &settings)
{
    QVERIFY(ReleaseKit::writeFile(Paths::settingsPath(), QJsonDocument(settings).toJson()));
}

Launcher *LauncherWindowTest::openLauncher()
{
    m_settings = std::make_unique<JsonSettings>();
    m_settings->load(Paths::settingsPath());
    m_launcher = std::make_unique<Launcher>(m_settings.get(), false);
    m_launcher->show();
    return m_launcher.get();
}

bool LauncherWindowTest::waitForPlay()
{
    auto *play = m_launcher->findChild<QPushButton *>(QStringLiteral("play"));
    return play && QTest::qWaitFor([play] { return play->isEnabled(); }, 60000);
}

// A style sheet that is missing or does not parse leaves the window working.
void LauncherWindowTest::updatesAndEnablesPlay_data()
{
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("no style sheet") << QString();
    QTest::newRow("broken style sheet") << QStringLiteral("QLabel#version { color: ; }} StyledButton { {");
}

void LauncherWindowTest::updatesAndEnablesPlay()
{
    QFETCH(QString, styleSheet);
    qApp->setStyleSheet(styleSheet);
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    auto *play = launcher->findChild<QPushButton *>(QStringLiteral("play"));
    QVERIFY(play && play->isVisible());
    QVERIFY(!play->isEnabled());
    QCOMPARE(play->text(), QStringLiteral("PLAY"));
    QCOMPARE(launcher->windowTitle(), QStringLiteral("Glimmerdeep"));

    QVERIFY(waitForPlay());
    QVERIFY(play->width() > 0 && play->height() > 0);
    QVERIFY(launcher->rect().contains(play->geometry()));
    QCOMPARE(launcher->findChild<QLabel *>(QStringLiteral("version"))->text(),
             QStringLiteral("Version 1.0.0"));
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("gd7.installed_version").toString(),
             QStringLiteral("1.0.0"));
    QCOMPARE(formatVersion(gameProduct.version), QStringLiteral("1.0.0"));
    QCOMPARE(
        ReleaseKit::digestsBelow(Paths::gameFolder()),
        ReleaseKit::digestsOf({{"data/world.pak", QByteArray(3000, 'w')}, {"readme.txt", "Glimmerdeep"}}));
    QVERIFY(!launcher->findChild<QProgressBar *>()->isVisible());
}

// "update_url" replaces the mirrors only when it is a web address; "use_torrents" false keeps
// the download on plain HTTP.
void LauncherWindowTest::updateSource_data()
{
    QTest::addColumn<QString>("updateUrl");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("requested");

    QTest::newRow("web address") << QStringLiteral("NEWER") << "Version 2.3.4"
                                 << "GET /newer/update.json";
    QTest::newRow("not a URL") << "::: not a url :::"
                               << "Version 1.0.0"
                               << "GET /mirror/update.json";
    QTest::newRow("no scheme") << "127.0.0.1/newer/update.json"
                               << "Version 1.0.0"
                               << "GET /mirror/update.json";
    QTest::newRow("ftp") << "ftp://127.0.0.1/newer/update.json"
                         << "Version 1.0.0"
                         << "GET /mirror/update.json";
    QTest::newRow("scheme only") << "http://"
                                 << "Version 1.0.0"
                                 << "GET /mirror/update.json";
    QTest::newRow("empty") << ""
                           << "Version 1.0.0"
                           << "GET /mirror/update.json";
}

void LauncherWindowTest::updateSource()
{
    QFETCH(QString, updateUrl);
    if (updateUrl == QLatin1String("NEWER"))
        updateUrl = m_newer.toString();
    writeSettings({{"eula_accepted", 20171002}, {"update_url", updateUrl}, {"use_torrents", false}});
    const int before = m_kit.requests().size();
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());
    QTEST(launcher->findChild<QLabel *>(QStringLiteral("version"))->text(), "version");
    // The news feed goes its own way beside the update; the update's first request is the one
    // that counts here.
    QStringList requests;
    for (const QString &request : m_kit.requests().mid(before)) {
        if (!request.contains(QLatin1String("GET /feed/")))
            requests.append(request);
    }
    QVERIFY2(!requests.isEmpty(), "no request reached the server");
    QFETCH(QString, requested);
    QVERIFY2(requests.first().contains(requested), qPrintable(requests.first()));
    for (const QString &request : requests)
        QVERIFY2(!request.contains(QLatin1String(".torrent")), qPrintable(request));
}

// Only "eula_accepted" = 20171002 passes; otherwise the agreement comes first, and accepting it
// stores the value and starts the update.
void LauncherWindowTest::agreementGate_data()
{
    QTest::addColumn<QJsonValue>("stored");
    QTest::addColumn<bool>("asked");
    QTest::newRow("accepted") << QJsonValue(20171002) << false;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << true;
    QTest::newRow("one") << QJsonValue(1) << true;
    QTest::newRow("a word") << QJsonValue(QStringLiteral("yes")) << true;
    QTest::newRow("another date") << QJsonValue(20171001) << true;
}

void LauncherWindowTest::agreementGate()
{
    // Answers still waiting when the test ends go with it.
    QObject scope;
    QFETCH(QJsonValue, stored);
    QFETCH(bool, asked);
    QJsonObject settings{{"update_url", m_release.toString()}, {"use_torrents", false}};
    if (!stored.isUndefined())
        settings.insert("eula_accepted", stored);
    writeSettings(settings);
    const int before = m_kit.requests().size();

    bool agreementShown = false;
    int requestsWhileAsked = -1;
    answerNextModal(&scope, [&](QWidget *modal) {
        auto *eula = qobject_cast<EulaDialog *>(modal);
        agreementShown = eula != nullptr;
        requestsWhileAsked = m_kit.requests().size() - before;
        if (eula)
            eula->acceptButton()->click();
        else
            modal->close();
    });
    openLauncher();
    QVERIFY(waitForPlay());
    QCOMPARE(agreementShown, asked);
    if (asked)
        QCOMPARE(requestsWhileAsked, 0);
    QCOMPARE(readJsonFile(Paths::settingsPath()).value("eula_accepted"), QJsonValue(20171002));
}

void LauncherWindowTest::progressReachesTheFooter_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<float>("progress");
    QTest::addColumn<qlonglong>("total");
    QTest::addColumn<qlonglong>("current");
    QTest::addColumn<qlonglong>("rate");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");

    QTest::newRow("busy") << int(UpdateProgress::Action::Downloading) << 0.0f << 0LL << 0LL << 0LL
                          << "Connecting"
                          << "" << 0 << 0;
    QTest::newRow("download with rate") << int(UpdateProgress::Action::Downloading) << 0.5f << 2048LL * 1024
                                        << 1024LL * 1024 << 2048LL << "Downloading 50.0%"
                                        << "1024 kB/2.0 MB (2 kB/s)" << 1000000 << 500000;
    QTest::newRow("download without rate") << int(UpdateProgress::Action::Downloading) << 0.5f
                                           << 2048LL * 1024 << 1024LL * 1024 << 0LL << "Downloading 50.0%"
                                           << "1024 kB/2.0 MB" << 1000000 << 500000;
    QTest::newRow("clamped") << int(UpdateProgress::Action::Unpacking) << 1.7f << 1000LL << 1700LL << 0LL
                             << "Unpacking 170%"
                             << "" << 1000000 << 1000000;
    QTest::newRow("install") << int(UpdateProgress::Action::Installing) << 0.25f << 4LL << 1LL << 0LL
                             << "Installing 25%"
                             << "" << 1000000 << 250000;
}

// What the orchestrator reports is what the player reads in the footer.
void LauncherWindowTest::progressReachesTheFooter()
{
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());

    QFETCH(int, action);
    QFETCH(float, progress);
    QFETCH(qlonglong, total);
    QFETCH(qlonglong, current);
    QFETCH(qlonglong, rate);
    QFETCH(QString, status);
    launcher->updateProgress(status, action, progress, total, current, rate);
    auto *bar = launcher->findChild<QProgressBar *>();
    QVERIFY(bar->isVisible());
    QTEST(launcher->findChild<QLabel *>(QStringLiteral("status"))->text(), "status");
    QTEST(launcher->findChild<QLabel *>(QStringLiteral("progress"))->text(), "detail");
    QTEST(bar->maximum(), "maximum");
    QTEST(bar->value(), "value");
    // No torrent runs here, so nothing can be paused.
    QVERIFY(!launcher->findChild<QPushButton *>(QStringLiteral("pause"))->isVisible());
}

void LauncherWindowTest::retryPrompts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("retried");
    QTest::addColumn<QString>("tool");

    const QStringList diagnostics{"Diagnostics...", "Yes", "Exit"};
    QTest::newRow("2 retry") << 2 << diagnostics << "Yes" << true << "";
    QTest::newRow("6 diagnostics, then retry")
        << 6 << diagnostics << "Diagnostics..." << true << "Diagnostics";
    QTest::newRow("10 retry") << 10 << diagnostics << "Yes" << true << "";
    QTest::newRow("9 check, then retry") << 9 << QStringList{"Checking game files...", "Yes", "Exit"}
                                         << "Checking game files..." << true << "Checking game files";
    QTest::newRow("8 yes") << 8 << QStringList{"Yes", "Exit"} << "Yes" << true << "";
    QTest::newRow("7 yes") << 7 << QStringList{"Yes", "Exit"} << "Yes" << true << "";
    QTest::newRow("-3 yes") << -3 << QStringList{"Yes", "Exit"} << "Yes" << true << "";
    QTest::newRow("12 yes") << 12 << QStringList{"Yes", "Exit"} << "Yes" << true << "";
    QTest::newRow("0 no question") << 0 << QStringList() << "" << false << "";
    QTest::newRow("1 no question") << 1 << QStringList() << "" << false << "";
}

// The result codes as the orchestrator delivers them: the box, its buttons, and the retry.
void LauncherWindowTest::retryPrompts()
{
    // Answers still waiting when the test ends go with it.
    QObject scope;
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());

    QFETCH(int, code);
    QFETCH(QString, press);
    QStringList shown;
    QString text;
    QString title;
    QStringList toolWindows;
    answerNextModal(
        &scope,
        [&](QWidget *modal) {
            shown = buttonTexts(modal);
            text = labelText(modal);
            title = modal->windowTitle();
            // The dialog the third button opens is left the way a player leaves it.
            leaveToolDialogs(&scope, &toolWindows);
            if (QPushButton *button = buttonWithText(modal, press))
                button->click();
        },
        NextWindowMs);
    QSignalSpy starts(AutoUpdate::instance(), &AutoUpdate::updateStart);
    launcher->updateFinish(code);
    QTEST(shown, "buttons");
    if (!shown.isEmpty()) {
        QCOMPARE(title, QStringLiteral("Glimmerdeep"));
        QVERIFY2(text.contains(AutoUpdate::errorText(code) + QStringLiteral(" Retry?")), qPrintable(text));
    }
    QTEST(starts.count() == 1, "retried");
    QFETCH(QString, tool);
    QCOMPARE(toolWindows.value(0), tool);
    QVERIFY(QTest::qWaitFor([] { return !AutoUpdate::instance()->isRunning(); }, 30000));
}

// A failing update offers the retry; the retry reads the settings again.
void LauncherWindowTest::failedUpdateRetriedFromThePrompt()
{
    // Answers still waiting when the test ends go with it.
    QObject scope;
    writeSettings({{"eula_accepted", 20171002},
                   {"update_url", m_kit.url(QStringLiteral("missing/update.json")).toString()},
                   {"use_torrents", false}});
    QString question;
    answerNextModal(
        &scope,
        [&](QWidget *modal) {
            question = labelText(modal);
            m_settings->setValue(SettingsKey::UpdateUrl, m_release.toString());
            buttonWithText(modal, QStringLiteral("Yes"))->click();
        },
        NextWindowMs);
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());
    QVERIFY2(question.contains(AutoUpdate::errorText(int(UpdateResult::Code::InfoQueryFailed))),
             qPrintable(question));
    QCOMPARE(launcher->findChild<QLabel *>(QStringLiteral("version"))->text(),
             QStringLiteral("Version 1.0.0"));
}

void LauncherWindowTest::playFailureKeepsTheWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("not a program") << "garbage";
}

// PLAY that cannot start the game says so, logs the path and leaves the launcher open.
void LauncherWindowTest::playFailureKeepsTheWindow()
{
    // Answers still waiting when the test ends go with it.
    QObject scope;
    QFETCH(QString, kind);
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());
    const QString game = QDir(Paths::gameFolder()).absoluteFilePath(QStringLiteral("gd7_x64"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(game));
    if (kind == QLatin1String("garbage")) {
        QVERIFY(ReleaseKit::writeFile(game, QByteArray(100, '\x7f')));
        QVERIFY(QFile::setPermissions(game, QFile::permissions(game) | QFile::ExeOwner));
    }

    LogCapture log;
    QString message;
    answerNextModal(&scope, [&](QWidget *modal) {
        message = labelText(modal);
        buttonWithText(modal, QStringLiteral("OK"))->click();
    });
    QTest::mouseClick(launcher->findChild<QPushButton *>(QStringLiteral("play")), Qt::LeftButton);
    QVERIFY2(message.contains(QStringLiteral("Failed to start the game.")), qPrintable(message));
    QVERIFY(log.takeLines().contains(QStringLiteral("crit Failed to start game file: ") + game));
    QVERIFY(launcher->isVisible());
    QVERIFY(launcher->findChild<QPushButton *>(QStringLiteral("play"))->isEnabled());
}

// Closing while the update runs asks once; No keeps the window and the update going.
void LauncherWindowTest::closingWhileUpdatingAsksOnce()
{
    // Answers still waiting when the test ends go with it.
    QObject scope;
    writeSettings({{"eula_accepted", 20171002}, {"update_url", m_slow.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    auto *status = launcher->findChild<QLabel *>(QStringLiteral("status"));
    QVERIFY(
        QTest::qWaitFor([status] { return status->text().startsWith(QLatin1String("Downloading")); }, 30000));

    int questions = 0;
    QString question;
    std::function<void(QWidget *)> answer = [&](QWidget *modal) {
        ++questions;
        question = labelText(modal);
        // Arm a second answer: a second question would be caught and counted.
        answerNextModal(&scope, answer, 500);
        buttonWithText(modal, QStringLiteral("No"))->click();
    };
    answerNextModal(&scope, answer);
    launcher->closeButton()->click();
    QTest::qWait(700);
    QCOMPARE(questions, 1);
    QVERIFY2(question.contains(QStringLiteral("Program will exit. Do you want to continue?")),
             qPrintable(question));
    QVERIFY(launcher->isVisible());
    QVERIFY(AutoUpdate::instance()->isRunning());
    const QString before = launcher->findChild<QLabel *>(QStringLiteral("progress"))->text();
    QVERIFY(QTest::qWaitFor(
        [&] { return launcher->findChild<QLabel *>(QStringLiteral("progress"))->text() != before; }, 10000));
}

// The news tab fades the backdrop out and hides PLAY; going back before the fade ends keeps the
// backdrop.
void LauncherWindowTest::tabSwitchFadesTheBackdrop()
{
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());
    auto *tabs = launcher->findChild<Tabs *>();
    auto *backdrop = launcher->findChild<QWidget *>(QStringLiteral("backdrop"));
    auto *play = launcher->findChild<QPushButton *>(QStringLiteral("play"));
    auto *news = launcher->findChild<QScrollArea *>(QStringLiteral("news_scroll"));
    QVERIFY(tabs && backdrop && news);

    // Back at once, before the fade has lowered the opacity at all: the fade must not go on.
    QTest::mouseClick(tabs->button(1), Qt::LeftButton);
    QTest::mouseClick(tabs->button(0), Qt::LeftButton);
    QTest::qWait(600);
    QVERIFY(backdrop->isVisible());
    QCOMPARE(launcher->backgroundOpacity(), 1.0f);

    QTest::mouseClick(tabs->button(1), Qt::LeftButton);
    QVERIFY(news->isVisible());
    QVERIFY(!play->isVisible());
    QTest::qWait(50);
    QTest::mouseClick(tabs->button(0), Qt::LeftButton);
    QTest::qWait(600);
    QVERIFY(backdrop->isVisible());
    QVERIFY(play->isVisible());
    QVERIFY(!news->isVisible());
    QCOMPARE(launcher->backgroundOpacity(), 1.0f);

    QTest::mouseClick(tabs->button(1), Qt::LeftButton);
    QTRY_VERIFY(!backdrop->isVisible());
    QCOMPARE(launcher->backgroundOpacity(), 0.0f);
    QTest::mouseClick(tabs->button(0), Qt::LeftButton);
    QVERIFY(backdrop->isVisible());
    QTRY_COMPARE(launcher->backgroundOpacity(), 1.0f);
}

// A language picked while the window is open reaches PLAY, the version label and the title.
void LauncherWindowTest::followsLanguageChange()
{
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    Launcher *launcher = openLauncher();
    QVERIFY(waitForPlay());
    auto *play = launcher->findChild<QPushButton *>(QStringLiteral("play"));
    auto *version = launcher->findChild<QLabel *>(QStringLiteral("version"));
    for (const char *language : {"de", "ja", "en"}) {
        QVERIFY(LanguageManager::instance().setLanguage(QString::fromLatin1(language)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(play->text(), TR::tr("LauncherBtnPlay"));
        QCOMPARE(version->text(), TR::tr("LauncherVersion").arg(1).arg(0).arg(0));
        QCOMPARE(launcher->windowTitle(), TR::tr("ProductName"));
        // The wider text still fits inside the window, right-aligned as before.
        QCOMPARE(play->geometry().right(), launcher->width() - 25 - 1);
    }
    QCOMPARE(play->text(), QStringLiteral("PLAY"));
}

QTEST_MAIN(LauncherWindowTest)
#include "tst_launcherwindow.moc"
