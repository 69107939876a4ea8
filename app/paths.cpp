#include "app/paths.h"

#include "app/logger.h"
#include "app/productinfo.h"
#include "platform/knownfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

QString &applicationFolderOverride()
{
    static QString path;
    return path;
}

// Backslashes count as separators on every platform: manifests and settings written on
// Windows carry them.
QString toSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString withTrailingSlash(QString path)
{
    path = toSlashes(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

QString company()
{
    return withoutBlanks(launcherProduct.companyName);
}

QString product()
{
    return withoutBlanks(launcherProduct.productName);
}

QString applicationFile(const QString &name)
{
    const QString folder = Paths::folder(Paths::ApplicationFolder);
    Paths::makePath(folder);
    return folder + name;
}

QString applicationSubfolder(const QString &name, bool create)
{
    const QString path = Paths::folder(Paths::ApplicationFolder) + name + QLatin1Char('/');
    if (create)
        Paths::makePath(path);
    return path;
}

} // namespace

void Paths::setApplicationFolder(const QString &path)
{
    applicationFolderOverride() = path.isEmpty() ? QString() : QDir(path).absolutePath();
}

QString Paths::applicationFolder()
{
    if (!applicationFolderOverride().isEmpty())
        return applicationFolderOverride();
    return QDir(QCoreApplication::applicationDirPath()).absolutePath();
}

QString Paths::rawFolder(int kind)
{
    using platform::KnownFolder;
    using platform::knownFolder;
    switch (kind) {
    case RoamingAppData:
        return knownFolder(KnownFolder::RoamingAppData);
    case LocalAppData:
        return knownFolder(KnownFolder::LocalAppData);
    case LauncherAppData:
        return rawFolder(RoamingAppData) + company() + QLatin1Char('/') + product() +
               QStringLiteral("/Application/");
    case ProductData:
        return rawFolder(RoamingAppData) + company() + QLatin1Char('/') + product();
    case StartMenu:
        return knownFolder(KnownFolder::StartMenu);
    case QuickLaunch:
        return rawFolder(RoamingAppData) + QStringLiteral("Microsoft/Internet Explorer/Quick Launch/");
    case Desktop:
        return knownFolder(KnownFolder::Desktop);
    case ApplicationFolder:
        return applicationFolder();
    case CommonAppData:
        return knownFolder(KnownFolder::CommonAppData);
    case GamePerUserData:
        return knownFolder(KnownFolder::LocalLowAppData) + QStringLiteral("Orvane LLC/Glimmerdeep/");
    case GameRoamingData:
        return rawFolder(RoamingAppData) + QStringLiteral("Orvane LLC/Glimmerdeep/");
    case CompanyData:
        return rawFolder(RoamingAppData) + company() + QLatin1Char('/');
    case SystemFolder:
        return knownFolder(KnownFolder::SystemRoot);
    case HostsFile:
        return knownFolder(KnownFolder::HostsFile);
    }
    return QString();
}

QString Paths::folder(int kind, bool create)
{
    const QString raw = rawFolder(kind);
    if (raw.isEmpty())
        return raw;
    const QString path = withTrailingSlash(raw);
    if (create)
        makePath(path);
    return path;
}

QString Paths::logPath()
{
    return applicationFile(QStringLiteral("log.txt"));
}

QString Paths::previousLogPath()
{
    return applicationFile(QStringLiteral("log_prev.txt"));
}

QString Paths::settingsPath()
{
    return applicationFile(QStringLiteral("GD7Launcher.conf"));
}

QString Paths::sessionPath()
{
    return applicationFile(QStringLiteral("Session.conf"));
}

QString Paths::gameFolder(bool create)
{
    return applicationSubfolder(QStringLiteral("Game"), create);
}

QString Paths::updateFolder(bool create)
{
    return applicationSubfolder(QStringLiteral("Update"), create);
}

QString Paths::updateTempFolder(bool create)
{
    return applicationSubfolder(QStringLiteral("UpdateTemp"), create);
}

QString Paths::updateTempSubfolder(const QString &relative)
{
    const QString path = withTrailingSlash(joinPath(updateTempFolder(false), relative));
    makePath(path);
    return path;
}

QString Paths::recoverTempFolder(bool create)
{
    return applicationSubfolder(QStringLiteral("RecoverTemp"), create);
}

QString Paths::traceToolPath()
{
    return folder(ApplicationFolder) + QStringLiteral("mtr.exe");
}

QString Paths::packageListName()
{
    return QStringLiteral("package.conf");
}

bool Paths::gameFolderExists()
{
    return QFileInfo(gameFolder(false)).isDir();
}

QString Paths::gameLogPath()
{
    return folder(GamePerUserData) + QStringLiteral("Player.log");
}

QString Paths::previousGameLogPath()
{
    return folder(GamePerUserData) + QStringLiteral("Player-prev.log");
}

QString Paths::gameSessionDataPath()
{
    return folder(RoamingAppData) + company() + QLatin1Char('/') + product() +
           QStringLiteral("EN/Session.dat");
}

QString Paths::randomTempFile()
{
    const QString temp = folder(LocalAppData, true) + QStringLiteral("Temp/");
    makePath(temp);
    const QString base = temp + QStringLiteral("gd_");
    QString path;
    do {
        path = base + QString::number(QRandomGenerator::global()->generate(), 16);
    } while (QFileInfo::exists(path));
    return path;
}

bool Paths::makePath(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (QDir().mkpath(QDir(path).absolutePath()))
        return true;
    Logger::instance().crit(QStringLiteral("makepath FAIL: ") + path);
    return false;
}

QString Paths::joinPath(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    QString head = toSlashes(first);
    QString tail = toSlashes(second);
    if (!head.endsWith(QLatin1Char('/')))
        head += QLatin1Char('/');
    if (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return head + tail;
}

QString Paths::stripFirstComponent(const QString &path)
{
    const QString normalized = toSlashes(path);
    const int slash = normalized.indexOf(QLatin1Char('/'));
    return slash < 0 ? normalized : normalized.mid(slash + 1);
}
