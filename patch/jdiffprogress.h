#pragma once

#include <QtGlobal>

namespace jdiff {

// Told how far the applier has come through a patch stream.
class JDiffProgress
{
public:
    virtual ~JDiffProgress() = default;
    virtual void progress(qint64 position, qint64 size) = 0;
};

} // namespace jdiff
