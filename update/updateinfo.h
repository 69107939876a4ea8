#pragma once

#include "app/jsonwrapper.h"
#include "update/productupdateinfo.h"

// The whole manifest, "update.json": an object whose members are products by id.
class UpdateInfo : public JsonWrapper
{
public:
    using JsonWrapper::JsonWrapper;

    // Fills product and returns true when the manifest holds a non-empty object under id.
    bool product(const QString &id, ProductUpdateInfo &product) const;
    // The publisher's count of the manifests it signed; only grows, 0 when absent.
    qint64 serial() const { return integer64(QStringLiteral("serial")); }
};
