#include "install/writeuninstallregistry.h"

#include "app/logger.h"
#include "app/tr.h"
#include "install/launchercopy.h"

#include <QDir>

namespace install {
namespace {

QString nativeFolder(const QString &folder)
{
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

} // namespace

WriteUninstallRegistry::WriteUninstallRegistry(const QString &message, const ProductInfo &product)
    : InstallJob(message), m_product(product)
{}

platform::UninstallRecord WriteUninstallRegistry::record() const
{
    const QString program = launcherProgram(m_opts.m_installFolder);
    platform::UninstallRecord record;
    record.displayIcon = program;
    record.displayName = m_product.displayName;
    record.displayVersion = formatVersion(m_product.version);
    record.installLocation = nativeFolder(m_opts.m_installFolder);
    record.uninstallString = platform::commandLine({program, {QStringLiteral("--uninstall")}, QString()});
    record.urlInfoAbout = m_product.webSiteUrl;
    record.publisher = m_product.companyName;
    return record;
}

bool WriteUninstallRegistry::install()
{
    const platform::ShellLink menuEntry{launcherProgram(m_opts.m_installFolder),
                                        {QStringLiteral("--uninstall")},
                                        TR::tr("UninstallLinkName")};
    const bool result = platform::writeUninstallRecord(m_product.applicationId, record(), menuEntry);
    Logger::instance().debug(QStringLiteral("WriteUninstallRegistry: ") +
                             platform::uninstallRecordLocation(m_product.applicationId) +
                             QStringLiteral("; result ") + QString::number(result ? 1 : 0));
    return result;
}

bool WriteUninstallRegistry::uninstall()
{
    const bool result = platform::removeUninstallRecord(m_product.applicationId);
    Logger::instance().debug(QStringLiteral("WriteUninstallRegistry Rollback: ") +
                             platform::uninstallRecordLocation(m_product.applicationId) +
                             QStringLiteral("; result ") + QString::number(result ? 1 : 0));
    return result;
}

} // namespace install
