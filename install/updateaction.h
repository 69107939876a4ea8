#pragma once

#include "app/launchaction.h"
#include "install/actionresult.h"
#include "install/processwait.h"

// The copier half of the launcher's self-update, the "--update --path <old executable>
// --pid <old process id>" command line. It runs from the folder the new launcher was unpacked
// into: waits for the old launcher to end (ending it after waitMs), copies its own launcher
// files over the installation, rewrites the uninstall record and starts the installed launcher.
// Exit code 0 once that launcher started; 1 with a message when an option is missing, a file
// could not be copied (no half-updated launcher is started) or the start failed.
ActionResult runUpdateAction(const ActionOptions &options, int waitMs = install::processWaitMs);
