#pragma once

#include "patch/patchcontent.h"
#include "patch/patchrecord.h"

#include <QList>

// A patch package's description, "patch.conf".
class PatchConfig : public PatchRecord
{
public:
    bool load(const QString &path);
    // The entries of one list ("modified", "added" or "removed") in file order; a missing list is empty.
    QList<PatchContent> contents(const QString &name) const;
};
