#pragma once

#include <QtGlobal>

// Told how much of a patch package's work is done, in bytes, and asked between blocks whether to go on.
class IPatchProgress
{
public:
    virtual ~IPatchProgress() = default;
    virtual void progress(qint64 processed, qint64 total) = 0;
    // True ends the patch soon, as a failure, before the next game file is replaced.
    virtual bool stopRequested() const { return false; }
};
