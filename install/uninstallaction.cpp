#include "install/uninstallaction.h"

#include "app/logger.h"
#include "app/paths.h"
#include "install/installworker.h"
#include "install/launchercopy.h"
#include "platform/processes.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Removes a temporary copy of the launcher and, once nothing else is in it, the temporary
// folder it was made in.
void removeTemporaryCopy(const QString &folder)
{
    QDir(folder).removeRecursively();
    QDir().rmdir(QFileInfo(QDir::cleanPath(folder)).absolutePath());
}

int startSecondStage()
{
    const QString source = Paths::applicationFolder();
    const QString temporary = Paths::randomTempFile();
    if (!install::copyLauncher(source, temporary)) {
        Logger::instance().crit(QStringLiteral("Uninstall: failed to copy the launcher to ") + temporary);
        removeTemporaryCopy(temporary);
        return 1;
    }
    const QString program = install::launcherProgram(temporary);
    const QStringList arguments{QStringLiteral("--uninstall"), QStringLiteral("--path"), source,
                                QStringLiteral("--pid"), QString::number(platform::currentProcessId())};
    if (platform::startDetachedQuoted(program, arguments))
        return 0;
    Logger::instance().crit(QStringLiteral("Uninstall: failed to start ") + program + QLatin1Char(' ') +
                            arguments.join(QLatin1Char(' ')));
    return 1;
}

// The copy the first run made is of no use once the uninstallation is over; only a folder
// that is such a copy is removed.
void removeOwnTemporaryCopy()
{
    const QFileInfo self(Paths::applicationFolder());
    const QString temp = Paths::folder(Paths::LocalAppData) + QStringLiteral("Temp");
    if (QDir::cleanPath(self.absolutePath()) != QDir::cleanPath(temp) ||
        !self.fileName().startsWith(QStringLiteral("gd_")))
        return;
    removeTemporaryCopy(self.absoluteFilePath());
}

int uninstall(const QString &installFolder, qint64 pid, int waitMs)
{
    platform::waitForProcess(pid, waitMs);
    InstallOptions options;
    options.m_createStartMenuItems = true;
    options.m_createQuickLaunchItems = true;
    options.m_createDesktopIcon = true;
    options.m_removeUserData = true;
    options.m_installFolder = installFolder;
    install::InstallWorker worker(false, options);
    worker.start();
    worker.wait();
    removeOwnTemporaryCopy();
    return 0;
}

} // namespace

int runUninstallAction(const ActionOptions &options, int waitMs)
{
    const bool hasPath = options.contains(LaunchOption::Path);
    const bool hasPid = options.contains(LaunchOption::Pid);
    if (!hasPath && !hasPid)
        return startSecondStage();
    const QString path = options.value(LaunchOption::Path).toString();
    const qint64 pid = options.value(LaunchOption::Pid).toLongLong();
    if (path.isEmpty() || pid <= 0) {
        Logger::instance().crit(QStringLiteral("Uninstall refused: --path and --pid must both be given, "
                                               "with an install folder and a process id"));
        return 1;
    }
    return uninstall(path, pid, waitMs);
}
