// The launcher's entry point: prepares the application (log, look, languages, products,
// settings, proxy) and runs the one role its command line asks for: the launcher window,
// the installer (--install), the self-update copier (--update --path --pid) or the
// uninstaller (--uninstall).
#include "app/jsonsettings.h"
#include "app/launchaction.h"
#include "app/logger.h"
#include "app/productinfo.h"
#include "app/singleapp.h"
#include "app/tr.h"
#include "install/uninstallaction.h"
#include "install/updateaction.h"
#include "ui/launcher.h"
#include "ui/startup.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"

#include <QApplication>

namespace {

int runNormal(JsonSettings &settings)
{
    SingleApp single(QStringLiteral("ru.gd7play.applock"), QStringLiteral("ru.gd7play.appmem"));
    if (!single.tryBecomePrimary()) {
        single.notifyPrimary();
        return 0;
    }
    Launcher launcher(&settings, false);
    launcher.show();
    single.setWindow(launcher.windowHandle());
    return QApplication::exec();
}

int runInstall(JsonSettings &settings)
{
    Logger::instance().debug(QStringLiteral("Running install action"));
    AutoUpdate::instance()->check({}, AutoUpdate::Mode::FetchOnly);
    Launcher launcher(&settings, true);
    launcher.show();
    return QApplication::exec();
}

int runUpdate(const ActionOptions &options)
{
    Logger::instance().debug(QStringLiteral("Running update action"));
    const ActionResult result = runUpdateAction(options);
    if (!result.message.isEmpty())
        showMessage(nullptr, launcherProduct.displayName, result.message);
    return result.exitCode;
}

int runUninstall(const ActionOptions &options)
{
    Logger::instance().debug(QStringLiteral("Running unisntall action"));
    // The first run (started from the menu entry, without options) is the player's click: ask
    // before anything is copied or removed. The second run is this program's own hand-over.
    const bool firstRun = !options.contains(LaunchOption::Path) && !options.contains(LaunchOption::Pid);
    if (firstRun && !askYesNo(nullptr, TR::tr("ProductName"), TR::tr("UninstallConfirm"))) {
        Logger::instance().info(QStringLiteral("Uninstall cancelled"));
        return 0;
    }
    return runUninstallAction(options);
}

int runAction(LaunchAction action, const ActionOptions &options, JsonSettings &settings)
{
    switch (action) {
    case LaunchAction::Install:
        return runInstall(settings);
    case LaunchAction::Update:
        return runUpdate(options);
    case LaunchAction::Uninstall:
        return runUninstall(options);
    case LaunchAction::None:
        break;
    }
    return runNormal(settings);
}

} // namespace

int main(int argc, char **argv)
{
    prepareApplication();
    QApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(true);

    int exitCode = 0;
    {
        JsonSettings settings;
        prepareLauncher(settings);
        ActionOptions options;
        const LaunchAction action = parseLaunchAction(QCoreApplication::arguments(), options);
        exitCode = runAction(action, options, settings);
    }
    return exitCode;
}
