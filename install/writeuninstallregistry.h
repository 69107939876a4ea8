#pragma once

#include "app/productinfo.h"
#include "install/installjob.h"
#include "platform/uninstallrecord.h"

namespace install {

// The entry in the system's list of installed programs that points at the install folder.
class WriteUninstallRegistry : public InstallJob
{
public:
    WriteUninstallRegistry(const QString &message, const ProductInfo &product);

    bool install() override;
    bool uninstall() override;

    // The nine values for the current install folder.
    platform::UninstallRecord record() const;

private:
    ProductInfo m_product;
};

} // namespace install
