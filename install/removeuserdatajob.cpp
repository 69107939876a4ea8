#include "install/removeuserdatajob.h"

#include "app/logger.h"
#include "app/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace install {
namespace {

// Like rmpath, but never above the roaming data folder: the user's own folders stay even
// when nothing else is in them.
void removeEmptyFolders(const QString &folder)
{
    const QString root = QDir::cleanPath(Paths::folder(Paths::RoamingAppData));
    QString current = QDir::cleanPath(folder);
    while (current.startsWith(root + QLatin1Char('/')) && QDir().rmdir(current))
        current = QFileInfo(current).path();
}

} // namespace

bool RemoveUserDataJob::uninstall()
{
    const QString folder = Paths::folder(Paths::ProductData);
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const bool result = QFile::remove(folder + entry);
        Logger::instance().debug(QStringLiteral("RemoveUserDataJob: ") + entry + QStringLiteral(" result ") +
                                 QString::number(result ? 1 : 0));
    }
    removeEmptyFolders(folder);
    return true;
}

} // namespace install
