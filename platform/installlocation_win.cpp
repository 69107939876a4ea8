#include "platform/installlocation.h"

#include <QDir>

#include <windows.h>

namespace platform {

QString defaultInstallBase()
{
    // The system volume ("C:/"), where the shell installs programs for everyone.
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length >= 2 && length < MAX_PATH && windows[1] == L':')
        return QString::fromWCharArray(windows, 2) + QLatin1Char('/');
    return QDir::rootPath();
}

} // namespace platform
