#pragma once

#include <QString>
#include <QStringList>

// Processes by id: the hand-overs between two runs of the launcher (self-update, uninstall)
// wait for, and if need be end, a process that is not their child.
namespace platform {

qint64 currentProcessId();

// True only when the process was found and ended within the time-out. A process that cannot
// be found (already gone, or an id of 0 or less) gives false at once.
bool waitForProcess(qint64 pid, int timeoutMs);

// Ends the process at once, without giving it a chance to clean up; true when it was told to.
// The end itself is asynchronous: wait for it with waitForProcess.
bool killProcess(qint64 pid);

// Starts a program detached from this process, with the program's own folder as its working
// folder (so this process's folder stays free to be removed). A program path with blanks works.
bool startDetachedQuoted(const QString &program, const QStringList &arguments);

// Ends this process immediately with the code: no destructors, no clean-up handlers.
[[noreturn]] void exitApp(int code);

} // namespace platform
