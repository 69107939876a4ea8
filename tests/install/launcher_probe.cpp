// A launcher stand-in built from the real installer code: it starts up like the launcher (log
// in its own folder, English texts, product record) and runs the update and uninstall actions
// of its command line. Without an action it is "the launcher": it records its start and, when
// asked, sleeps ("--probe-sleep MS") or hangs ("--probe-hang") like an old launcher that is slow
// to exit or stuck.
//
// Environment: GD7_PROBE_EVENTS names a file that gets one JSON line per event;
// GD7_PROBE_VERSION replaces the launcher version; GD7_PROBE_WAIT_MS the hand-over time-out.
#include "app/languagemanager.h"
#include "app/launchaction.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "install/uninstallaction.h"
#include "install/updateaction.h"
#include "platform/processes.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QThread>

namespace {

void recordEvent(const QString &event, int code = 0)
{
    QJsonObject line;
    line.insert(QStringLiteral("event"), event);
    line.insert(QStringLiteral("code"), code);
    line.insert(QStringLiteral("pid"), platform::currentProcessId());
    line.insert(QStringLiteral("folder"), Paths::applicationFolder());
    line.insert(QStringLiteral("args"), QJsonArray::fromStringList(QCoreApplication::arguments().mid(1)));
    QFile file(qEnvironmentVariable("GD7_PROBE_EVENTS"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
}

int runAsLauncher(const QStringList &arguments)
{
    recordEvent(QStringLiteral("started"));
    const int sleep = arguments.indexOf(QStringLiteral("--probe-sleep"));
    if (sleep >= 0)
        QThread::msleep(arguments.value(sleep + 1).toULong());
    while (arguments.contains(QStringLiteral("--probe-hang")))
        QThread::sleep(60);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Logger::instance().open(Paths::logPath(), Paths::previousLogPath());
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    launcherProduct = makeLauncherProduct();
    if (qEnvironmentVariableIsSet("GD7_PROBE_VERSION"))
        launcherProduct.version = parseVersion(qEnvironmentVariable("GD7_PROBE_VERSION"));
    const int waitMs = qEnvironmentVariableIsSet("GD7_PROBE_WAIT_MS")
                           ? qEnvironmentVariableIntValue("GD7_PROBE_WAIT_MS")
                           : install::processWaitMs;

    ActionOptions options;
    switch (parseLaunchAction(app.arguments(), options)) {
    case LaunchAction::Update: {
        const ActionResult result = runUpdateAction(options, waitMs);
        QTextStream(stdout) << result.message << Qt::flush;
        recordEvent(QStringLiteral("update"), result.exitCode);
        return result.exitCode;
    }
    case LaunchAction::Uninstall: {
        const int code = runUninstallAction(options, waitMs);
        recordEvent(QStringLiteral("uninstall"), code);
        return code;
    }
    default:
        return runAsLauncher(app.arguments());
    }
}
