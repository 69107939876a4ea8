#include "install/copyfilejob.h"

#include "app/logger.h"
#include "app/paths.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace install {
namespace {

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// The copy goes beside the target and is renamed over it, so that at every moment the target
// is either the old file or the new one, whole. A running program's file may be replaced so.
bool replaceWithCopy(const QString &source, const QString &target)
{
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(source, part))
        return false;
    std::error_code error;
    std::filesystem::rename(fsPath(part), fsPath(target), error);
    if (!error)
        return true;
    QFile::remove(part);
    return false;
}

} // namespace

CopyFileJob::CopyFileJob(const QString &message, const QString &source, const QString &target)
    : InstallJob(message), m_source(source), m_target(target)
{}

bool CopyFileJob::install()
{
    const bool result =
        Paths::makePath(QFileInfo(m_target).absolutePath()) && replaceWithCopy(m_source, m_target);
    Logger::instance().debug(QStringLiteral("CopyFileJob: ") + m_target + QStringLiteral("; result ") +
                             QString::number(result ? 1 : 0));
    return result;
}

bool CopyFileJob::uninstall()
{
    const bool result = QFile::remove(m_target);
    Logger::instance().debug(QStringLiteral("CopyFileJob Rollback: ") + m_target +
                             QStringLiteral("; result ") + QString::number(result ? 1 : 0));
    return result;
}

} // namespace install
