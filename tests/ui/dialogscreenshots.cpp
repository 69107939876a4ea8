// Renders the settings panel and the tool dialogs in their main states with the shipped style
// sheet and fonts into PNG files, so they can be looked at.
// Usage: ui_dialog_screenshots <output folder> [language code [translation .qm]]   (under Xvfb)
// A .qm file given on the command line previews a translation not yet compiled in: it is put
// over the English texts, so keys it lacks still read in English.
// The main window's update check goes to a local server that keeps it waiting, so nothing
// leaves the machine.

#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "diag/diagnostics.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "platform/processes.h"
#include "tests/support/testhttpserver.h"
#include "ui/appearance.h"
#include "ui/checkdialog.h"
#include "ui/diagdialog.h"
#include "ui/installdialog.h"
#include "ui/launcher.h"
#include "ui/launcherheader.h"
#include "ui/proxydialog.h"
#include "ui/settingspanel.h"
#include "ui/styledmessagebox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

namespace {

QString g_folder;
QString g_suffix;

void settle(int ms = 400)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The whole screen, so boxes over their dialogs show as the player sees them.
void shootScreen(const QString &name)
{
    settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(g_folder).filePath(name + g_suffix + ".png"));
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
    shootScreen(QStringLiteral("proxy"));
    dialog.findChild<QLineEdit *>(QStringLiteral("proxy_host"))->clear();
    dialog.findChild<QPushButton *>(QStringLiteral("proxy_ok"))->click();
    shootScreen(QStringLiteral("proxy-error"));
    dialog.hide();
}

void shootSettingsPanel(JsonSettings *settings, const QUrl &manifest)
{
    settings->setValue(QStringLiteral("eula_accepted"), 20171002);
    settings->setValue(QStringLiteral("update_url"), manifest.toString());
    Launcher window(settings, false);
    centre(&window);
    window.show();
    settle(800);
    window.findChild<LauncherHeader *>()->toggleSettings();
    shootScreen(QStringLiteral("settings-panel"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (app.arguments().size() < 2)
        return 2;
    g_folder = app.arguments().at(1);
    const QString language = app.arguments().value(2, QStringLiteral("en"));
    g_suffix = QLatin1Char('-') + language;
    QDir().mkpath(g_folder);
    QTemporaryDir scratch;
    Paths::setApplicationFolder(scratch.path());
    qputenv("HOME", scratch.path().toUtf8());
    addApplicationFonts();
    app.setStyleSheet(loadStyleSheet());
    launcherProduct = makeLauncherProduct();
    QTranslator preview;
    if (app.arguments().size() > 3) {
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
        if (preview.load(app.arguments().at(3)))
            QCoreApplication::installTranslator(&preview);
        else
            g_suffix += QStringLiteral("-untranslated");
    } else if (!LanguageManager::instance().setLanguage(language)) {
        g_suffix += QStringLiteral("-untranslated");
    }

    TestHttpServer server;
    TestHttpServer::Response waiting;
    waiting.status = 404;
    waiting.delayMs = 60000;
    server.start();
    server.serve("/update.json", waiting);

    JsonSettings settings;
    shootProxyDialog(&settings);
    shootCheckDialog();
    shootDiagDialog();
    shootInstallDialog();
    shootSettingsPanel(&settings, server.url(QStringLiteral("/update.json")));
    // The update check still waits on the local server; nothing more to see.
    platform::exitApp(0);
}
