#pragma once

#include <QtGlobal>

// Told how far an archive is unpacked or packed, in bytes, and asked between blocks whether to go on.
class ISevenZipCallback
{
public:
    virtual ~ISevenZipCallback() = default;
    virtual void progress(qint64 total, qint64 completed) = 0;
    // True ends the call soon, as a failure, without a half-written file.
    virtual bool stopRequested() const { return false; }
};
