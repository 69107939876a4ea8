#include "platform/uninstallrecord.h"

namespace platform {

bool operator==(const UninstallRecord &a, const UninstallRecord &b)
{
    return a.displayIcon == b.displayIcon && a.displayName == b.displayName &&
           a.displayVersion == b.displayVersion && a.installLocation == b.installLocation &&
           a.noModify == b.noModify && a.noRepair == b.noRepair && a.uninstallString == b.uninstallString &&
           a.urlInfoAbout == b.urlInfoAbout && a.publisher == b.publisher;
}

} // namespace platform
