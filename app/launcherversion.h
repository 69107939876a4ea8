#pragma once

#include "app/version.h"

// The version this launcher program was built as. The build takes it from the project's version;
// its one definition sits alone in launcherversion.cpp so that a program can be linked with
// another version and otherwise the very same code (the demo's "newer launcher").
Version launcherBuildVersion();
