#pragma once

#include "app/launchaction.h"
#include "install/processwait.h"

// The "--uninstall" command line. Started without options (from the uninstall record), it
// copies the launcher to a fresh temporary folder and restarts from there with
// "--uninstall --path <install folder> --pid <own id>", since a program cannot remove its own
// files everywhere; that second run waits for the first to end and uninstalls. Options with
// only one of the two, or with an unusable value, are refused. Returns the exit code.
int runUninstallAction(const ActionOptions &options, int waitMs = install::processWaitMs);
