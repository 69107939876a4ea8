#pragma once

#include <QByteArray>

// Decides whether downloaded (or saved) bytes are usable; a rejected mirror answer counts as a
// failed mirror.
class DownloadValidator
{
public:
    virtual ~DownloadValidator() = default;
    virtual bool validate(const QByteArray &data) = 0;
};
