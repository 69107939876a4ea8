#pragma once

#include <QtGlobal>

// Told how much of a patch package's work is done, in bytes.
class IPatchProgress
{
public:
    virtual ~IPatchProgress() = default;
    virtual void progress(qint64 processed, qint64 total) = 0;
};
