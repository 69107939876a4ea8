#pragma once

#include <QString>
#include <QStringList>

// Links that start a program from the start menu or the desktop: shell links (".lnk") on
// Windows, freedesktop desktop entries (".desktop") on Linux.
namespace platform {

struct ShellLink
{
    QString program;
    QStringList arguments;
    // The name a menu shows; Windows shows the link's file name instead.
    QString name;
};

// The file name suffix of a link on this platform, with its dot.
QString shellLinkSuffix();

// The command line a link runs, written so that the system's shell gets back the program and
// each argument whole (blanks, quotes and other special characters included).
QString commandLine(const ShellLink &link);

// Creates or replaces the link file, executable and trusted where the desktop asks for that.
// Returns the system's result code: 0 or more on success, negative on failure.
int createShellLink(const QString &linkPath, const ShellLink &link);

bool removeShellLink(const QString &linkPath);

} // namespace platform
