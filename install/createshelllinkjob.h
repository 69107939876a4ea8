#pragma once

#include "install/installjob.h"

namespace install {

// A start-menu, quick-launch or desktop link to the installed launcher. The link's file name
// without its suffix is the name menus show.
class CreateShellLinkJob : public InstallJob
{
public:
    CreateShellLinkJob(const QString &message, const QString &target, const QString &linkPath);

    bool install() override;
    bool uninstall() override;

private:
    QString m_target;
    QString m_linkPath;
};

} // namespace install
