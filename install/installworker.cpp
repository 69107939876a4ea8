#include "install/installworker.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "install/createshelllinkjob.h"
#include "install/launchercopy.h"
#include "install/removeuserdatajob.h"
#include "install/writeuninstallregistry.h"
#include "platform/shelllink.h"

#include <QDir>
#include <QFile>

namespace install {

InstallWorker::InstallWorker(bool install, const InstallOptions &options, QObject *parent)
    : QThread(parent), m_opts(options), m_install(install)
{
    buildJobs();
}

InstallWorker::InstallWorker(bool install, const InstallOptions &options, const InstallJobList &jobs,
                             QObject *parent)
    : QThread(parent), m_opts(options), m_install(install), m_jobs(jobs)
{}

void InstallWorker::buildJobs()
{
    // Follows the interface language of the moment. Where the file name is the shown name
    // (Windows), uninstalling in another language than the installation looks for differently
    // named links; on Linux the file name is the same in every language.
    const QString linkName = TR::tr("ProductLinkName");
    launcherFileJobs(Paths::applicationFolder(), m_opts.m_installFolder, m_jobs);
    if (m_opts.m_createStartMenuItems) {
        Logger::instance().debug(QStringLiteral("m_opts.m_createStartMenuItems"));
        appendLink(Paths::StartMenu, linkName, TR::tr("InstallOpMenu"));
    }
    if (m_opts.m_createQuickLaunchItems) {
        Logger::instance().debug(QStringLiteral("m_opts.m_createQuickLaunchItems"));
        appendLink(Paths::QuickLaunch, linkName, TR::tr("InstallOpQuicklaunch"));
    }
    if (m_opts.m_createDesktopIcon) {
        Logger::instance().debug(QStringLiteral("m_opts.m_createDesktopIcon"));
        appendLink(Paths::Desktop, linkName, TR::tr("InstallOpLinks"));
    }
    if (!m_install && m_opts.m_removeUserData) {
        Logger::instance().debug(QStringLiteral("m_opts.m_removeUserData"));
        m_jobs.append(std::make_shared<RemoveUserDataJob>(TR::tr("InstallOpRemoveData")));
    }
    m_jobs.append(
        std::make_shared<WriteUninstallRegistry>(TR::tr("InstallOpCreateUninstall"), launcherProduct));
}

void InstallWorker::appendLink(int folderKind, const QString &linkName, const QString &message)
{
    const QString program = QDir::fromNativeSeparators(launcherProgram(m_opts.m_installFolder));
    const QString linkPath =
        Paths::joinPath(Paths::folder(folderKind), platform::launcherLinkFileName(linkName));
    m_jobs.append(std::make_shared<CreateShellLinkJob>(message, program, linkPath, linkName));
}

void InstallWorker::run()
{
    bool success = true;
    try {
        if (m_install)
            success = installJobs();
        else
            uninstallJobs();
    } catch (...) {
        Logger::instance().crit(QStringLiteral("InstallWorker: unexpected exception"));
        success = false;
    }
    emit installProgress(1, 1, success ? TR::tr("InstallResDone") : TR::tr("InstallErrFailed"));
    emit installFinished(success);
}

bool InstallWorker::installJobs()
{
    InstallJobList rollback;
    const int total = m_jobs.size();
    for (int i = 0; i < total; ++i) {
        const InstallJobPtr &job = m_jobs[i];
        Logger::instance().debug(
            QStringLiteral("install (%1/%2) %3").arg(i + 1).arg(total).arg(job->message()));
        emit installProgress(i + 1, total, job->message());
        job->setOptions(m_opts);
        if (job->install()) {
            rollback.prepend(job);
            continue;
        }
        // The failed job itself is not undone: it cleans up after itself.
        for (int k = 0; k < rollback.size(); ++k) {
            emit installProgress(k + 1, rollback.size(), TR::tr("InstallRollback"));
            rollback[k]->uninstall();
        }
        return false;
    }
    return true;
}

void InstallWorker::uninstallJobs()
{
    const int total = m_jobs.size();
    for (int c = 1; c <= total; ++c) {
        const InstallJobPtr &job = m_jobs[total - c];
        Logger::instance().debug(
            QStringLiteral("uninstall (%1/%2) %3").arg(c).arg(total).arg(job->message()));
        emit installProgress(c, total, job->message());
        job->setOptions(m_opts);
        job->uninstall();
    }
    removeWorkingFiles();
}

void InstallWorker::removeWorkingFiles()
{
    if (m_opts.m_removeUserData)
        QDir().rmdir(Paths::folder(Paths::ProductData));
    // Without a folder the names below would be taken relative to the working folder.
    if (m_opts.m_installFolder.isEmpty())
        return;
    // Besides the folders, the settings and the log, the previous log (the uninstaller's own
    // start moves the log there), the torrent session and the recovery's folder go too.
    const QStringList folders{QStringLiteral("Update"), QStringLiteral("UpdateTemp"), QStringLiteral("Game"),
                              QStringLiteral("RecoverTemp")};
    for (const QString &name : folders)
        QDir(Paths::joinPath(m_opts.m_installFolder, name)).removeRecursively();
    const QStringList files{QStringLiteral("log.txt"), QStringLiteral("GD7Launcher.conf"),
                            QStringLiteral("log_prev.txt"), QStringLiteral("Session.conf")};
    for (const QString &name : files)
        QFile::remove(Paths::joinPath(m_opts.m_installFolder, name));
}

} // namespace install
