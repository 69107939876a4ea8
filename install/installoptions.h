#pragma once

#include <QString>

// The installer's choices. Jobs start with the first three set and the last one cleared; when
// uninstalling, a set flag removes what it would have created.
struct InstallOptions
{
    bool m_createStartMenuItems = true;
    bool m_createQuickLaunchItems = true;
    bool m_createDesktopIcon = true;
    bool m_removeUserData = false;
    QString m_installFolder;
};
