#pragma once

#include <QtGlobal>

// Told how far an archive is unpacked or packed, in bytes.
class ISevenZipCallback
{
public:
    virtual ~ISevenZipCallback() = default;
    virtual void progress(qint64 total, qint64 completed) = 0;
};
