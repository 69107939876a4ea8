#pragma once

#include <QString>
#include <QStringList>

// What makes up an installed launcher on this platform.
namespace platform {

// The files of a launcher folder, relative to it, in the order they are copied: run time,
// toolkit, TLS, tools, the notices file "3rdparty.txt", and the launcher executable last.
QStringList launcherFileNames(const QString &launcherExecutable);

// The file name of an executable that the product records name the Windows way
// ("GD7Launcher.exe" is "GD7Launcher" on Linux).
QString executableFileName(const QString &recordName);

} // namespace platform
