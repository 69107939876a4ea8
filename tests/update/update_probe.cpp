// A headless launcher for the update tests that need a process of their own (the self-update
// hand-over, runs killed in the middle): it starts up like the launcher, with its application
// folder beside its executable, and runs one update check against the manifest URL of its
// command line, storing installed versions as the main window does. Its exit code is the
// check's result (-1 when it did not end).
//
// Environment: GD7_UPDATE_VERSION replaces the launcher version, GD7_UPDATE_TORRENTS=1 downloads
// through the torrent session (kept on 127.0.0.1), GD7_UPDATE_PAUSE_MS shortens the pauses before
// each unpack and patch, GD7_UPDATE_CLOSE_AT=<progress action> closes the launcher as the
// window's exit does (pool queue cleared, orchestrator destroyed, process ended at once) when
// that step reports progress, GD7_UPDATE_KILL_AT=<percent> kills the process (at once, nothing
// saved or closed) once the download reports that share of its bytes.
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "platform/processes.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QUrl>

namespace {

// What the main window's exit does, in its order.
void exitApp()
{
    Logger::instance().debug(QStringLiteral("exitApp"));
    QThreadPool::globalInstance()->clear();
    AutoUpdate::destroyInstance();
    QCoreApplication::exit(0);
    platform::exitApp(0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Logger::instance().open(Paths::logPath(), Paths::previousLogPath());
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    TorrentSession::setLoopbackOnly(true);
    launcherProduct = makeLauncherProduct();
    if (qEnvironmentVariableIsSet("GD7_UPDATE_VERSION"))
        launcherProduct.version = parseVersion(qEnvironmentVariable("GD7_UPDATE_VERSION"));
    JsonSettings settings;
    settings.load(Paths::settingsPath());
    gameProduct = makeGameProduct(&settings);

    AutoUpdate *update = AutoUpdate::instance();
    update->setUseTorrents(qEnvironmentVariableIntValue("GD7_UPDATE_TORRENTS") == 1);
    if (qEnvironmentVariableIsSet("GD7_UPDATE_PAUSE_MS"))
        update->setInstallPauseMs(qEnvironmentVariableIntValue("GD7_UPDATE_PAUSE_MS"));
    if (qEnvironmentVariableIsSet("GD7_UPDATE_CLOSE_AT")) {
        const auto closeAt = UpdateProgress::Action(qEnvironmentVariableIntValue("GD7_UPDATE_CLOSE_AT"));
        QObject::connect(
            update, &AutoUpdate::progressReported, &app,
            [closeAt](const UpdateProgress &progress) {
                if (progress.action == closeAt &&
                    (progress.action != UpdateProgress::Action::Downloading || progress.done > 0))
                    exitApp();
            },
            Qt::QueuedConnection);
    }
    if (qEnvironmentVariableIsSet("GD7_UPDATE_KILL_AT")) {
        const qlonglong percent = qEnvironmentVariableIntValue("GD7_UPDATE_KILL_AT");
        QObject::connect(
            update, &AutoUpdate::progressReported, &app,
            [percent](const UpdateProgress &progress) {
                if (progress.action == UpdateProgress::Action::Downloading && progress.total > 0 &&
                    progress.done * 100 >= progress.total * percent)
                    platform::killProcess(platform::currentProcessId());
            },
            Qt::QueuedConnection);
    }
    int result = -1;
    {
        UpdateDriver driver(Paths::settingsPath());
        result = driver.run({QUrl(app.arguments().value(1))}, 120000);
    }
    AutoUpdate::destroyInstance();
    return result;
}
