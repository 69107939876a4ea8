#pragma once

#include "app/programsettings.h"

#include <QJsonObject>

// The settings file: one JSON object with flat keys ("general.ui_language" is one member).
class JsonSettings : public IProgramSettings
{
public:
    void setValue(const QString &key, const QVariant &value) override;
    QVariant value(const QString &key) const override;

    // False, with the store unchanged, when the file cannot be read or is not JSON.
    bool load(const QString &path);
    // Replaces the file in one step: a crash leaves either the old or the new file whole.
    bool save(const QString &path) const override;

    void applyStoredLanguage() const;
    void storeCurrentLanguage();

private:
    QJsonObject m_object;
};
