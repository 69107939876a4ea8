#include "app/jsonsettings.h"

#include "app/languagemanager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>

void JsonSettings::setValue(const QString &key, const QVariant &value)
{
    m_object.insert(key, QJsonValue::fromVariant(value));
}

QVariant JsonSettings::value(const QString &key) const
{
    const auto it = m_object.constFind(key);
    return it == m_object.constEnd() ? QVariant() : it.value().toVariant();
}

bool JsonSettings::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    m_object = document.object();
    return true;
}

bool JsonSettings::save(const QString &path) const
{
    const QByteArray data = QJsonDocument(m_object).toJson(QJsonDocument::Indented);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

void JsonSettings::applyStoredLanguage() const
{
    const QString code = value(SettingsKey::UiLanguage).toString();
    if (code.isEmpty())
        return;
    LanguageManager &languages = LanguageManager::instance();
    if (languages.isSupportedLanguage(code))
        languages.setLanguage(code);
}

void JsonSettings::storeCurrentLanguage()
{
    setValue(SettingsKey::UiLanguage, LanguageManager::instance().currentLanguage());
}
