#include "install/launchercopy.h"

#include "app/logger.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "install/copyfilejob.h"
#include "install/writeuninstallregistry.h"
#include "platform/launcherfiles.h"

#include <QDir>

namespace install {
namespace {

QString absoluteFolder(const QString &folder)
{
    QString path = QDir::fromNativeSeparators(QDir(folder).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString launcherExecutable()
{
    return platform::executableFileName(launcherProduct.executableName);
}

bool runLogged(const InstallJobPtr &job, const InstallOptions &options)
{
    job->setOptions(options);
    if (job->install())
        return true;
    Logger::instance().crit(QStringLiteral("AutoUpdate job failed: ") + job->message());
    return false;
}

} // namespace

QString launcherProgram(const QString &folder)
{
    return QDir::toNativeSeparators(absoluteFolder(folder) + launcherExecutable());
}

void launcherFileJobs(const QString &sourceFolder, const QString &targetFolder, InstallJobList &jobs)
{
    const QString source = absoluteFolder(sourceFolder);
    const QString target = absoluteFolder(targetFolder);
    const QString message = TR::tr("InstallOpFile");
    for (const QString &name : platform::launcherFileNames(launcherExecutable()))
        jobs.append(std::make_shared<CopyFileJob>(message, source + name, target + name));
}

bool copyLauncher(const QString &sourceFolder, const QString &targetFolder)
{
    InstallOptions options;
    options.m_installFolder = targetFolder;
    InstallJobList copies;
    launcherFileJobs(sourceFolder, targetFolder, copies);
    bool allDone = true;
    for (const InstallJobPtr &job : copies)
        allDone = runLogged(job, options) && allDone;
    // The record names the version and the program to uninstall with; while any file of the
    // new launcher is missing it keeps pointing at what was there before.
    if (!allDone)
        return false;
    return runLogged(
        std::make_shared<WriteUninstallRegistry>(TR::tr("InstallCreateUninstall"), launcherProduct), options);
}

} // namespace install
