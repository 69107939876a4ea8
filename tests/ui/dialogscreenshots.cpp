// Renders every window of the launcher in its main states with the shipped style sheet and fonts
// into PNG files named "<language>-<window>.png", so that each language can be looked at: the
// main window (game tab, download progress, news tab, settings panel), the agreement, the retry
// prompts with the longest text of each button set, the tool dialogs and their message boxes,
// and the focus ring on controls of each kind ("focus-..." files).
// Usage: ui_dialog_screenshots <output folder> [language code [translation .qm]]   (under Xvfb)
// A .qm file given on the command line previews a translation not yet compiled in: it is put
// over the English texts, so keys it lacks still read in English.
// Every address the launcher knows is a local server: the update check is kept waiting and the
// news feed is served from memory, so nothing leaves the machine.

#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/programsettings.h"
#include "app/tr.h"
#include "diag/diagnostics.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "platform/processes.h"
#include "tests/support/testhttpserver.h"
#include "ui/accessibleroles.h"
#include "ui/appearance.h"
#include "ui/checkdialog.h"
#include "ui/diagdialog.h"
#include "ui/euladialog.h"
#include "ui/feeditem.h"
#include "ui/focusring.h"
#include "ui/installdialog.h"
#include "ui/launcher.h"
#include "ui/launcherheader.h"
#include "ui/proxydialog.h"
#include "ui/settingspanel.h"
#include "ui/startup.h"
#include "ui/styledmessagebox.h"
#include "ui/tabs.h"
#include "ui/updateresultprompt.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

namespace {

QString g_folder;
QString g_prefix;

// A feed with a few cards, their pictures left to the style's default.
const char NewsFeedXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Glimmerdeep News</title><link>http://127.0.0.1/</link>
<item><title>Patch 1.3: The Drowned Galleries open their gates</title><link>http://127.0.0.1/news/1</link>
<pubDate>Tue, 05 Mar 2024 10:00:00 +0000</pubDate>
<description>New depths below the lake, three bosses and a crafting bench for lantern oils.</description></item>
<item><title>Weekend event: double crystal yield</title><link>http://127.0.0.1/news/2</link>
<pubDate>Fri, 01 Mar 2024 09:00:00 +0000</pubDate>
<description>From Friday to Monday every crystal vein gives twice as much.</description></item>
<item><title>Developer diary #12 - lighting the deep</title><link>http://127.0.0.1/news/3</link>
<pubDate>Mon, 26 Feb 2024 12:00:00 +0000</pubDate>
<description>How the lanterns, the mist and the light shafts of the caves are made.</description></item>
</channel></rss>
)";

void settle(int ms = 400)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The part of the screen the shown windows cover, so that a box over its dialog shows as the
// player sees it.
QRect shownArea()
{
    QRect area;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isWindow() && !widget->inherits("QMenu"))
            area |= widget->frameGeometry();
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return area.isEmpty() ? screen : area.adjusted(-12, -12, 12, 12) & screen;
}

void shootScreen(const QString &name)
{
    settle();
    const QRect area = shownArea();
    const QString path = QDir(g_folder).filePath(g_prefix + name + QStringLiteral(".png"));
    if (!QGuiApplication::primaryScreen()
             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
             .save(path))
        qWarning("cannot write %s", qPrintable(path));
}

void centre(QWidget *widget)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    widget->move(screen.center() - widget->rect().center());
}

// Shows a box over a dialog for one shot, then closes it.
void shootBox(QWidget *over, const QString &text, int buttons, const QString &name)
{
    StyledMessageBox box(TR::tr("ProductName"), text, buttons, over);
    QTimer::singleShot(0, &box, [&box, name] {
        shootScreen(name);
        box.done(0);
    });
    box.exec();
}

void shootCheckDialog()
{
    gameProduct.version = Version(1, 2, 345);
    CheckDialog dialog{UpdateInfo()};
    centre(&dialog);
    dialog.show();
    auto *checker = dialog.findChild<Checker *>();
    emit checker->progress(42, 100, Checker::CheckingFiles,
                           QStringLiteral("\"data/textures/terrain_03.pak\""));
    shootScreen(QStringLiteral("check-checking"));
    shootBox(&dialog, TR::tr("RepairQuestion"), StyledMessageBox::Yes | StyledMessageBox::No,
             QStringLiteral("check-asking"));
    auto *recoverer = dialog.findChild<Recoverer *>();
    emit recoverer->progress(370, 1000, Recoverer::Downloading,
                             Recoverer::downloadText(0.37f, 1024 * 1024 * 300, 1024 * 1024 * 111, 5300000));
    shootScreen(QStringLiteral("check-recovering"));
    shootBox(&dialog, TR::tr("MsgRecoverySuccess"), StyledMessageBox::Ok, QStringLiteral("check-done"));
    dialog.hide();
}

void shootDiagDialog()
{
    DiagDialog dialog;
    centre(&dialog);
    dialog.show();
    emit dialog.diagnostics()->progress(2, 5, Diagnostics::NetworkTests, QString());
    shootScreen(QStringLiteral("diag-running"));
    StyledMessageBox box(TR::tr("ProductName"),
                         TR::tr("MsgDiagnosticsSuccess") + QLatin1Char(' ') + Diagnostics::archiveName(),
                         StyledMessageBox::Yes | StyledMessageBox::No, &dialog);
    box.button(StyledMessageBox::Yes)->setText(TR::tr("ShowFile"));
    box.button(StyledMessageBox::No)->setText(TR::tr("DlgBtnOK"));
    QTimer::singleShot(0, &box, [&box] {
        shootScreen(QStringLiteral("diag-done"));
        box.done(0);
    });
    box.exec();
    dialog.hide();
}

void shootInstallDialog()
{
    InstallDialog dialog;
    dialog.setPath(InstallDialog::defaultFolder());
    dialog.setRequiredSize(9163421575);
    centre(&dialog);
    dialog.show();
    shootScreen(QStringLiteral("install"));
    dialog.setRequiredSize(qint64(1) << 55);
    shootScreen(QStringLiteral("install-error"));
    dialog.hide();
}

void shootProxyDialog(JsonSettings *settings)
{
    settings->setValue(QStringLiteral("proxy"),
                       QVariantList{3, "proxy.example.lan", 3128, "player", "secret"});
    ProxyDialog dialog(settings);
    dialog.load(false);
    centre(&dialog);
    dialog.show();
    // Active, as a desktop would make it: the focus (and its ring) only lives in such a window.
    dialog.activateWindow();
    shootScreen(QStringLiteral("proxy"));
    dialog.findChild<QLineEdit *>(QStringLiteral("proxy_host"))->setFocus(Qt::TabFocusReason);
    shootScreen(QStringLiteral("focus-proxy-field"));
    dialog.findChild<QPushButton *>(QStringLiteral("proxy_cancel"))->setFocus(Qt::TabFocusReason);
    shootScreen(QStringLiteral("focus-proxy-button"));
    dialog.findChild<QLineEdit *>(QStringLiteral("proxy_host"))->clear();
    dialog.findChild<QPushButton *>(QStringLiteral("proxy_ok"))->click();
    shootScreen(QStringLiteral("proxy-error"));
    dialog.hide();
}

void shootAgreement()
{
    EulaDialog dialog(nullptr, loadDocument(QStringLiteral(":/eula/")), true);
    centre(&dialog);
    dialog.show();
    shootScreen(QStringLiteral("agreement"));
    dialog.hide();
}

// For each set of buttons a failed update offers, the error whose prompt is the longest.
QList<int> longestRetryPrompts()
{
    using Offer = LauncherController::Offer;
    QMap<Offer, int> longest;
    for (int code = int(UpdateResult::Code::InfoQueryFailed); code <= int(UpdateResult::Code::Unknown);
         ++code) {
        const UpdateResultPrompt prompt = updateResultPrompt(code);
        const int current = longest.value(prompt.offer, -1);
        if (current < 0 || updateResultPrompt(current).text.size() < prompt.text.size())
            longest.insert(prompt.offer, code);
    }
    return {longest.value(Offer::RetryExitOrDiagnostics), longest.value(Offer::RetryExitOrCheckFiles),
            longest.value(Offer::RetryOrExit)};
}

// The prompt the window puts up for a failed update, answered with Yes (try again) once shot.
void shootRetryPrompt(Launcher *window, int errorCode, const QString &name)
{
    QTimer::singleShot(0, window, [name] {
        shootScreen(name);
        if (auto *box = qobject_cast<StyledMessageBox *>(QApplication::activeModalWidget()))
            box->button(StyledMessageBox::Yes)->click();
    });
    window->updateFinish(errorCode);
}

void shootLauncher(JsonSettings *settings, const QUrl &manifest)
{
    settings->setValue(SettingsKey::EulaAccepted, EulaAcceptedValue);
    settings->setValue(SettingsKey::UpdateUrl, manifest.toString());
    settings->setValue(QStringLiteral("download_speed_limit"), 10 * 1024);
    Launcher window(settings, false);
    centre(&window);
    window.show();
    window.activateWindow();
    // The first paint of a window in a CJK language waits for the system's fallback fonts.
    settle(1500);
    shootScreen(QStringLiteral("main-checking"));

    AutoUpdate::instance()->stopProgressTimer();
    constexpr qint64 MiB = 1024 * 1024;
    window.updateProgress(QString(), int(UpdateProgress::Action::Downloading), 0.421f, 2900 * MiB, 1221 * MiB,
                          5300000);
    shootScreen(QStringLiteral("main-downloading"));

    auto *header = window.findChild<LauncherHeader *>();
    header->toggleSettings();
    settle(800);
    shootScreen(QStringLiteral("settings-panel"));
    auto *speeds = window.findChild<QComboBox *>(QStringLiteral("download_speed"));
    speeds->setFocus(Qt::TabFocusReason);
    shootScreen(QStringLiteral("focus-settings-list"));
    speeds->showPopup();
    shootScreen(QStringLiteral("settings-speeds"));
    speeds->hidePopup();
    header->toggleSettings();
    settle(800);

    window.findChild<Tabs *>()->button(1)->setFocus(Qt::TabFocusReason);
    shootScreen(QStringLiteral("focus-main-tab"));
    window.findChild<Tabs *>()->button(1)->click();
    settle(1500);
    shootScreen(QStringLiteral("main-news"));
    if (auto *card = window.findChild<FeedItem *>()) {
        card->setFocus(Qt::TabFocusReason);
        shootScreen(QStringLiteral("focus-news-card"));
    }
    window.findChild<Tabs *>()->button(0)->click();
    settle(800);

    const QStringList names{QStringLiteral("retry-diagnostics"), QStringLiteral("retry-check-files"),
                            QStringLiteral("retry-exit")};
    const QList<int> codes = longestRetryPrompts();
    for (int i = 0; i < codes.size(); ++i)
        shootRetryPrompt(&window, codes.at(i), names.at(i));
    shootBox(&window, TR::tr("ExitWarning"), StyledMessageBox::Yes | StyledMessageBox::No,
             QStringLiteral("main-close-question"));
}

// A deployment whose every address is the local server.
QString writeDeploymentConfig(const QString &folder, const TestHttpServer &server)
{
    const QString base = server.url(QStringLiteral("/")).toString(QUrl::StripTrailingSlash);
    QJsonObject social;
    for (const char *name : {"home", "forum", "facebook", "youtube", "twitter", "discord", "instagram"})
        social.insert(QLatin1String(name), base + QStringLiteral("/social/") + QLatin1String(name));
    const QJsonObject config{
        {"mirrors", QJsonArray{base + QStringLiteral("/update.json")}},
        {"web_site_url", base},
        {"api_host", QStringLiteral("127.0.0.1")},
        {"social", social},
        {"diagnostics", QJsonObject{{"hosts", QJsonObject{}}, {"servers", QJsonArray{}}}}};
    const QString path = QDir(folder).filePath(QStringLiteral("deployment.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(config).toJson()) < 0)
        return QString();
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    prepareApplication();
    QApplication app(argc, argv);
    if (app.arguments().size() < 2)
        return 2;
    g_folder = app.arguments().at(1);
    const QString language = app.arguments().value(2, QStringLiteral("en"));
    g_prefix = language + QLatin1Char('-');
    QDir().mkpath(g_folder);
    QTemporaryDir scratch;
    Paths::setApplicationFolder(scratch.path());
    qputenv("HOME", scratch.path().toUtf8());

    TestHttpServer server;
    TestHttpServer::Response waiting;
    waiting.status = 404;
    waiting.delayMs = 60000;
    if (!server.start())
        return 1;
    server.serve("/update.json", waiting);
    server.serveFile("/feed/", QByteArray(NewsFeedXml));
    const QString deployment = writeDeploymentConfig(scratch.path(), server);
    if (deployment.isEmpty())
        return 1;
    qputenv("GD7_DEPLOYMENT_CONFIG", QFile::encodeName(deployment));

    addApplicationFonts();
    app.setStyleSheet(loadStyleSheet());
    installAccessibleRoles();
    FocusRing::install();
    launcherProduct = makeLauncherProduct();
    QTranslator preview;
    if (app.arguments().size() > 3) {
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
        if (preview.load(app.arguments().at(3)))
            QCoreApplication::installTranslator(&preview);
        else
            g_prefix += QStringLiteral("untranslated-");
    } else if (!LanguageManager::instance().setLanguage(language)) {
        g_prefix += QStringLiteral("untranslated-");
    }

    JsonSettings settings;
    shootAgreement();
    shootProxyDialog(&settings);
    shootCheckDialog();
    shootDiagDialog();
    shootInstallDialog();
    shootBox(nullptr, TR::tr("UninstallConfirm"), StyledMessageBox::Yes | StyledMessageBox::No,
             QStringLiteral("uninstall-question"));
    shootLauncher(&settings, server.url(QStringLiteral("/update.json")));
    // The update check still waits on the local server; nothing more to see.
    platform::exitApp(0);
}
