#include "platform/knownfolders.h"

#include <QDir>

#include <shlobj.h>

namespace platform {
namespace {

// The shell's folder, or the fallback below the home folder when the shell cannot name it (an
// account without a profile, a roaming profile not yet loaded).
QString shellFolder(int csidl, const QString &homeFallback)
{
    wchar_t buffer[520] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, 0, buffer) == S_OK)
        return asFolder(QString::fromWCharArray(buffer));
    return homeFallback.isEmpty() ? QString() : asFolder(QDir::homePath() + homeFallback);
}

QString roamingAppData()
{
    return shellFolder(CSIDL_APPDATA, QStringLiteral("/Application Data/"));
}

// "LocalLow" sits beside the roaming folder ("AppData/Roaming" and "AppData/LocalLow").
QString localLowAppData()
{
    const QString roaming = roamingAppData();
    const QString withoutSlash = roaming.left(roaming.size() - 1);
    return withoutSlash.left(withoutSlash.lastIndexOf(QLatin1Char('/'))) + QStringLiteral("/LocalLow/");
}

} // namespace

QString knownFolder(KnownFolder folder)
{
    switch (folder) {
    case KnownFolder::RoamingAppData:
        return roamingAppData();
    case KnownFolder::LocalAppData:
        return shellFolder(CSIDL_LOCAL_APPDATA, QStringLiteral("/Local Settings/Application Data/"));
    case KnownFolder::LocalLowAppData:
        return localLowAppData();
    case KnownFolder::StartMenu:
        return shellFolder(CSIDL_STARTMENU, QStringLiteral("/Start Menu/"));
    case KnownFolder::Desktop:
        return shellFolder(CSIDL_DESKTOPDIRECTORY, QStringLiteral("/Desktop/"));
    case KnownFolder::CommonAppData:
        return shellFolder(CSIDL_COMMON_APPDATA, QStringLiteral("/Local Settings/Application Data/"));
    case KnownFolder::SystemRoot:
        return shellFolder(CSIDL_WINDOWS, QString());
    case KnownFolder::HostsFile:
        return shellFolder(CSIDL_WINDOWS, QString()) + QStringLiteral("System32/drivers/etc/hosts");
    }
    return QString();
}

} // namespace platform
