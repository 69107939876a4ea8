#pragma once

#include "install/installjob.h"

namespace install {

// Removes the player's per-user product data (settings and session files) when uninstalling.
class RemoveUserDataJob : public InstallJob
{
public:
    explicit RemoveUserDataJob(const QString &message) : InstallJob(message) {}

    bool install() override { return true; }
    bool uninstall() override;
};

} // namespace install
