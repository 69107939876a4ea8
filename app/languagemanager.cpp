#include "app/languagemanager.h"

#include "app/logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString LanguageRoot = QStringLiteral(":/Language");

struct TranslationFiles
{
    QString launcher;
    QString toolkit;
    bool launcherExists = false;
};

QString existence(bool exists)
{
    return exists ? QStringLiteral("1") : QStringLiteral("0");
}

// A regional code such as "es_ES" falls back to the files of its language ("es").
TranslationFiles findTranslationFiles(const QString &code)
{
    const QString language = code.section(QLatin1Char('_'), 0, 0);
    const auto pick = [&](const QString &name) {
        const QString exact = LanguageRoot + QLatin1Char('/') + code + QLatin1Char('/') + name;
        return QFileInfo::exists(exact)
                   ? exact
                   : LanguageRoot + QLatin1Char('/') + language + QLatin1Char('/') + name;
    };
    TranslationFiles files;
    files.launcher = pick(QStringLiteral("translation"));
    files.toolkit = pick(QStringLiteral("qt_translation"));
    files.launcherExists = QFileInfo::exists(files.launcher);
    Logger &log = Logger::instance();
    log.debug(QStringLiteral("userInterface: ") + QFileInfo(files.launcher).absoluteFilePath() +
              QStringLiteral("; ") + existence(files.launcherExists));
    log.debug(QStringLiteral("qtInterface: ") + QFileInfo(files.toolkit).absoluteFilePath() +
              QStringLiteral("; ") + existence(QFileInfo::exists(files.toolkit)));
    return files;
}

} // namespace

LanguageManager &LanguageManager::instance()
{
    static LanguageManager manager;
    return manager;
}

LanguageManager::LanguageManager()
{
    const QStringList entries = QDir(LanguageRoot).entryList(QDir::NoFilter, QDir::Name | QDir::IgnoreCase);
    for (const QString &code : entries) {
        if (isSupportedLanguage(code))
            m_available.append(code);
    }
}

LanguageManager::~LanguageManager() = default;

QStringList LanguageManager::supportedLanguages()
{
    return {QStringLiteral("es_ES"), QStringLiteral("es"),    QStringLiteral("en_US"),
            QStringLiteral("en"),    QStringLiteral("pt_BR"), QStringLiteral("pt"),
            QStringLiteral("tr_TR"), QStringLiteral("tr"),    QStringLiteral("zh_CN"),
            QStringLiteral("zh_TW"), QStringLiteral("zh"),    QStringLiteral("it_IT"),
            QStringLiteral("it"),    QStringLiteral("id_ID"), QStringLiteral("id")};
}

bool LanguageManager::isSupportedLanguage(const QString &code)
{
    if (QLocale(code).language() == QLocale::C)
        return false;
    if (!supportedLanguages().contains(code))
        return false;
    return findTranslationFiles(code).launcherExists;
}

QString LanguageManager::defaultLanguage() const
{
    const QLocale system = QLocale::system();
    return defaultLanguageFor(system.name(), system.uiLanguages());
}

QString LanguageManager::defaultLanguageFor(const QString &systemName, const QStringList &uiLanguages)
{
    const bool systemNameValid = isSupportedLanguage(systemName);
    Logger &log = Logger::instance();
    log.debug(QStringLiteral("DefaultLocaleName: ") + systemName + QStringLiteral("; Valid: ") +
              existence(systemNameValid));
    for (const QString &uiLanguage : uiLanguages) {
        log.debug(QStringLiteral("DefaultLocale UI: ") + uiLanguage);
        const QString code = QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isSupportedLanguage(code))
            return code;
    }
    if (systemNameValid)
        return systemName;
    const QStringList supported = supportedLanguages();
    return supported.isEmpty() ? QStringLiteral("en_US") : supported.first();
}

bool LanguageManager::setLanguage(const QString &code)
{
    const TranslationFiles files = findTranslationFiles(code);
    if (!files.launcherExists)
        return false;
    auto launcher = std::make_unique<QTranslator>();
    if (!launcher->load(QFileInfo(files.launcher).absoluteFilePath()))
        return false;

    if (m_launcherTranslator)
        QCoreApplication::removeTranslator(m_launcherTranslator.get());
    QCoreApplication::installTranslator(launcher.get());
    m_launcherTranslator = std::move(launcher);

    if (m_toolkitTranslator)
        QCoreApplication::removeTranslator(m_toolkitTranslator.get());
    m_toolkitTranslator = std::make_unique<QTranslator>();
    if (QFileInfo::exists(files.toolkit) &&
        m_toolkitTranslator->load(QFileInfo(files.toolkit).absoluteFilePath()))
        QCoreApplication::installTranslator(m_toolkitTranslator.get());

    QLocale::setDefault(QLocale(code));
    m_current = code;
    return true;
}

void LanguageManager::applyDefaultLanguage()
{
    const QString code = defaultLanguage();
    Logger::instance().info(QStringLiteral("Default lang: ") + code);
    setLanguage(code);
}
