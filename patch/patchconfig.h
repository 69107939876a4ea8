#pragma once

#include "app/jsonwrapper.h"
#include "patch/patchcontent.h"

#include <QList>

// A patch package's description, "patch.conf".
class PatchConfig : public JsonWrapper
{
public:
    bool load(const QString &path);
    // The entries of one list ("modified", "added" or "removed") in file order; a missing list is empty.
    QList<PatchContent> contents(const QString &name) const;
};
