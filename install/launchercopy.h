#pragma once

#include "install/installjob.h"

// Copying the launcher's files from one folder into another: the installer, the self-update
// and the uninstall hand-over all do it with the same list.
namespace install {

// The installed launcher executable in a folder, with native separators.
QString launcherProgram(const QString &folder);

// Appends one copy job per launcher file, in the platform's order.
void launcherFileJobs(const QString &sourceFolder, const QString &targetFolder, InstallJobList &jobs);

// Copies the launcher files and then points the uninstall record at the target. Every copy
// runs whatever the others did; the record is written only when all of them succeeded. False
// when any job failed or was left out (each failure is logged).
bool copyLauncher(const QString &sourceFolder, const QString &targetFolder);

} // namespace install
