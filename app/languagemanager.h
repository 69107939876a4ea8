#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The interface language: which codes a player may pick, the system default, and the two
// translators (the launcher's texts and the toolkit's own) installed for the current code.
// Translations live in the resource folder ":/Language/<code>/".
class LanguageManager
{
public:
    static LanguageManager &instance();
    ~LanguageManager();

    QString currentLanguage() const { return m_current; }
    QStringList availableLanguages() const { return m_available; }
    static QStringList supportedLanguages();
    static bool isSupportedLanguage(const QString &code);

    QString defaultLanguage() const;
    // The default for a system locale name ("de_DE") and its ordered UI languages ("de-DE").
    static QString defaultLanguageFor(const QString &systemName, const QStringList &uiLanguages);

    bool setLanguage(const QString &code);
    void applyDefaultLanguage();

private:
    LanguageManager();

    QString m_current;
    QStringList m_available;
    std::unique_ptr<QTranslator> m_launcherTranslator;
    std::unique_ptr<QTranslator> m_toolkitTranslator;
};
