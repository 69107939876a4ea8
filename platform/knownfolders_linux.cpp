#include "platform/knownfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {
namespace {

// An XDG base folder: the variable when it holds an absolute path, else the home-relative default.
QString xdgFolder(const char *variable, const QString &homeRelativeDefault)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return asFolder(value);
    return asFolder(QDir::homePath() + QLatin1Char('/') + homeRelativeDefault);
}

} // namespace

QString knownFolder(KnownFolder folder)
{
    switch (folder) {
    case KnownFolder::RoamingAppData:
        return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    case KnownFolder::LocalAppData:
        return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    case KnownFolder::LocalLowAppData:
        return xdgFolder("XDG_STATE_HOME", QStringLiteral(".local/state"));
    case KnownFolder::StartMenu:
        return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("applications/");
    case KnownFolder::Desktop: {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        return asFolder(desktop.isEmpty() ? QDir::homePath() + QStringLiteral("/Desktop") : desktop);
    }
    case KnownFolder::CommonAppData:
        return QStringLiteral("/var/lib/");
    case KnownFolder::SystemRoot:
        return QStringLiteral("/");
    case KnownFolder::HostsFile:
        return QStringLiteral("/etc/hosts");
    }
    return QString();
}

} // namespace platform
