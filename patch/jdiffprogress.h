#pragma once

#include <QtGlobal>

namespace jdiff {

// Told how far the applier has come through a patch stream, and asked between blocks whether to go on.
class JDiffProgress
{
public:
    virtual ~JDiffProgress() = default;
    virtual void progress(qint64 position, qint64 size) = 0;
    // True ends the run soon with Stopped.
    virtual bool stopRequested() const { return false; }
};

} // namespace jdiff
