#pragma once

#include "net/downloadvalidator.h"

class QJsonObject;

// Accepts JSON documents and keeps the accepted one's object in the target.
class DownloadJSONValidator : public DownloadValidator
{
public:
    explicit DownloadJSONValidator(QJsonObject *target) : m_target(target) {}
    bool validate(const QByteArray &data) override;

private:
    QJsonObject *m_target;
};
