#include "install/createshelllinkjob.h"

#include "app/logger.h"
#include "app/paths.h"
#include "platform/shelllink.h"

#include <QFileInfo>

namespace install {

CreateShellLinkJob::CreateShellLinkJob(const QString &message, const QString &target, const QString &linkPath,
                                       const QString &name)
    : InstallJob(message), m_target(target), m_linkPath(linkPath), m_name(name)
{}

bool CreateShellLinkJob::install()
{
    // The link's folder is made here rather than when the job list is built, so that an
    // uninstallation never creates the folders it looks into.
    const QFileInfo link(m_linkPath);
    int result = -1;
    if (Paths::makePath(link.absolutePath()))
        result = platform::createShellLink(m_linkPath, {m_target, {}, m_name},
                                           QFileInfo(m_target).completeBaseName());
    Logger::instance().debug(QStringLiteral("CreateShellLinkJob: ") + m_linkPath +
                             QStringLiteral("; result ") + QString::number(result));
    return result >= 0;
}

bool CreateShellLinkJob::uninstall()
{
    const bool result = platform::removeShellLink(m_linkPath);
    Logger::instance().debug(QStringLiteral("CreateShellLinkJob Rollback: ") + m_linkPath +
                             QStringLiteral("; result ") + QString::number(result ? 1 : 0));
    return result;
}

} // namespace install
