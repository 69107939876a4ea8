#include "ui/startup.h"

#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/proxysettings.h"
#include "net/speedlimit.h"
#include "net/torrentsession.h"
#include "ui/accessibleroles.h"
#include "ui/appearance.h"
#include "ui/focusring.h"

#include <QApplication>

void prepareApplication()
{
    // The launcher scales its pictures per screen itself.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    // Every window is painted by the raster engine and holds no OpenGL child. Without this the
    // X11 platform plugin loads the system's OpenGL driver while it creates the first window,
    // which takes longer than everything else the first frame needs. (An attribute rather than
    // the plugin's environment variable, which the game would inherit.)
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
}

void prepareLauncher(JsonSettings &settings)
{
    Logger::instance().open(Paths::logPath(), Paths::previousLogPath());
    Logger::instance().setThreshold(LogInfo);

    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
    // Before the first window, whose controls screen readers may ask about at once.
    installAccessibleRoles();
    FocusRing::install();
    LanguageManager::instance().applyDefaultLanguage();

    launcherProduct = makeLauncherProduct();
    // A file that is missing or not JSON leaves every setting at its default; the file itself
    // is only replaced by the first setting written.
    settings.load(Paths::settingsPath());
    settings.applyStoredLanguage();
    gameProduct = makeGameProduct(&settings);
    Logger::instance().info(QStringLiteral("GD7Launcher ") + formatVersion(launcherProduct.version));
    Logger::instance().debug(QStringLiteral("Location:") + QCoreApplication::applicationFilePath());
    ProxySettings::load(&settings, true);
    SpeedLimit::instance().setBytesPerSecond(SpeedLimit::load(&settings));
    // A demo or staging deployment, whose mirrors and peers all live on this machine, keeps every
    // BitTorrent session on 127.0.0.1.
    TorrentSession::setLoopbackOnly(DeploymentConfig::instance().torrentLoopbackOnly());
}
