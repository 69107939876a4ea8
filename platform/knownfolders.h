#pragma once

#include <QString>

// The operating system's own folders, the only place the program asks for them.
//
// KnownFolder            Windows                              Linux (freedesktop)
// RoamingAppData         CSIDL_APPDATA                        $XDG_CONFIG_HOME (~/.config/)
// LocalAppData           CSIDL_LOCAL_APPDATA                  $XDG_DATA_HOME (~/.local/share/)
// LocalLowAppData        parent of CSIDL_APPDATA + LocalLow   $XDG_STATE_HOME (~/.local/state/)
// StartMenu              CSIDL_STARTMENU                      $XDG_DATA_HOME/applications/
// Desktop                CSIDL_DESKTOPDIRECTORY               XDG desktop folder (~/Desktop/)
// CommonAppData          CSIDL_COMMON_APPDATA                 /var/lib/
// SystemRoot             CSIDL_WINDOWS                        /
// HostsFile              SystemRoot + System32/drivers/etc/hosts   /etc/hosts
//
// Folders come back with "/" separators and a trailing "/"; HostsFile names a file.
// An empty result means the system could not name the folder.
namespace platform {

enum class KnownFolder {
    RoamingAppData,
    LocalAppData,
    LocalLowAppData,
    StartMenu,
    Desktop,
    CommonAppData,
    SystemRoot,
    HostsFile,
};

QString knownFolder(KnownFolder folder);

// A path in the form the folders above come back in: "/" separators and a trailing "/"; an empty
// path stays empty.
QString asFolder(QString path);

} // namespace platform
