#pragma once

#include "install/installjob.h"

namespace install {

// A start-menu, quick-launch or desktop link to the installed launcher. The link's file name
// without its suffix is the name menus show.
class CreateShellLinkJob : public InstallJob
{
public:
    // name: what menus show; the link's file name may differ (see platform::launcherLinkFileName).
    CreateShellLinkJob(const QString &message, const QString &target, const QString &linkPath,
                       const QString &name);

    bool install() override;
    bool uninstall() override;

private:
    QString m_target;
    QString m_linkPath;
    QString m_name;
};

} // namespace install
