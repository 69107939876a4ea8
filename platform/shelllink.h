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

// The file name of a link to the launcher that menus show as name: on Windows the name itself
// (the shell shows the file name); on Linux the application's id, which docks and the task-bar
// progress match windows by, while the entry's Name= carries the name.
QString launcherLinkFileName(const QString &name);

// The command line a link runs, written so that the system's shell gets back the program and
// each argument whole (blanks, quotes and other special characters included).
QString commandLine(const ShellLink &link);

// Creates or replaces the link file, executable and trusted where the desktop asks for that.
// Returns the system's result code: 0 or more on success, negative on failure.
// windowClass: the class of the windows the program opens, so that docks group them under the
// link (Linux); empty when the link starts no window of its own.
int createShellLink(const QString &linkPath, const ShellLink &link, const QString &windowClass = QString());

bool removeShellLink(const QString &linkPath);

} // namespace platform
