#include "install/updateaction.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/tr.h"
#include "install/launchercopy.h"
#include "platform/processes.h"

#include <QFileInfo>

namespace {

void waitForOldLauncher(qint64 pid, int waitMs)
{
    Logger &log = Logger::instance();
    if (platform::waitForProcess(pid, waitMs)) {
        log.debug(QStringLiteral("Wait for PID: OK"));
        return;
    }
    log.crit(QStringLiteral("Wait for PID: FAILED"));
    if (platform::killProcess(pid))
        log.debug(QStringLiteral("Kill PID: OK"));
    else
        log.crit(QStringLiteral("Kill PID: FAILED"));
    if (platform::waitForProcess(pid, waitMs))
        log.debug(QStringLiteral("Wait for PID#2: OK"));
    else
        log.crit(QStringLiteral("Wait for PID#2: FAILED"));
}

// The old launcher hands over its executable's path; the installation is its folder.
QString destinationFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return path;
    const QString folder = info.absolutePath();
    Logger::instance().debug(QStringLiteral("Update path is not a directory: ") + path +
                             QStringLiteral(" converting to ") + folder);
    return folder;
}

} // namespace

ActionResult runUpdateAction(const ActionOptions &options, int waitMs)
{
    Logger &log = Logger::instance();
    QString destination = options.value(LaunchOption::Path).toString();
    const qint64 pid = options.value(LaunchOption::Pid).toLongLong();
    log.debug(QStringLiteral("Update path: ") + destination);
    log.debug(QStringLiteral("Update pid: ") + QString::number(pid));
    if (destination.isEmpty() || pid <= 0) {
        log.crit(QStringLiteral("Update failed: missing option"));
        return {1, TR::tr("ErrUpdateFailedMissingOption")};
    }

    waitForOldLauncher(pid, waitMs);
    const QString source = Paths::applicationFolder();
    destination = destinationFolder(destination);
    log.debug(QStringLiteral("Update source: ") + source);
    log.debug(QStringLiteral("Update dest: ") + destination);

    if (!install::copyLauncher(source, destination)) {
        log.crit(QStringLiteral("Failed to uptate files from ") + source + QStringLiteral(" in ") +
                 destination);
        return {1, TR::tr("ErrUnknown")};
    }
    const QString program = install::launcherProgram(destination);
    if (!platform::startDetachedQuoted(program, {})) {
        log.crit(QStringLiteral("Updated launcher failed to start: ") + program);
        return {1, TR::tr("ErrUpdateFailedToStart")};
    }
    return {0, QString()};
}
