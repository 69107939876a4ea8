#include "app/launcherversion.h"

// The build passes the three numbers; a compile without them is a build set-up error.
#if !defined(GD7_LAUNCHER_VERSION_MAJOR) || !defined(GD7_LAUNCHER_VERSION_MINOR) ||                          \
    !defined(GD7_LAUNCHER_VERSION_BUILD)
#error "GD7_LAUNCHER_VERSION_MAJOR, _MINOR and _BUILD must be defined by the build"
#endif

Version launcherBuildVersion()
{
    return Version(GD7_LAUNCHER_VERSION_MAJOR, GD7_LAUNCHER_VERSION_MINOR, GD7_LAUNCHER_VERSION_BUILD);
}
