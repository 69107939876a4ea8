#pragma once

#include "app/jsonwrapper.h"
#include "app/version.h"
#include "update/updatecontent.h"

// One product of the manifest: its newest version, the disk space it needs and its contents.
class ProductUpdateInfo : public JsonWrapper
{
public:
    using JsonWrapper::JsonWrapper;

    Version version() const { return parseVersion(string(QStringLiteral("version"))); }
    qint64 size() const { return integer64(QStringLiteral("size")); }
    // The "content" array in document order; empty when it is missing or not an array.
    QList<UpdateContent> contents() const;
};
