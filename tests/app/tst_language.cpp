#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/tr.h"

#include <QEvent>
#include <QLocale>
#include <QtTest>

// Counts the language-change events the toolkit sends when translators change.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void listsAvailableLanguages();
    void validatesCodes_data();
    void validatesCodes();
    void choosesDefaultLanguage_data();
    void choosesDefaultLanguage();
    void readsTheSystemLocale_data();
    void readsTheSystemLocale();
    void switchesLanguages();
    void appliesOnlyValidStoredLanguage();
    void formatsPlurals();
};

void LanguageTest::listsAvailableLanguages()
{
    QCOMPARE(LanguageManager::supportedLanguages().size(), 15);
    QCOMPARE(LanguageManager::supportedLanguages().first(), QStringLiteral("es_ES"));
    QCOMPARE(LanguageManager::instance().availableLanguages(),
             (QStringList{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("pt_BR"),
                          QStringLiteral("zh_TW")}));
}

void LanguageTest::validatesCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("regional code uses its language folder") << "es_ES" << true;
    QTest::newRow("en_US") << "en_US" << true;
    QTest::newRow("pt has no files") << "pt" << false;
    QTest::newRow("pt_BR") << "pt_BR" << true;
    QTest::newRow("zh has no files") << "zh" << false;
    QTest::newRow("zh_CN has no files here") << "zh_CN" << false;
    QTest::newRow("not a supported code") << "de" << false;
    QTest::newRow("dash form is not a code") << "en-US" << false;
    QTest::newRow("case-sensitive") << "EN" << false;
    QTest::newRow("C locale") << "C" << false;
    QTest::newRow("empty") << "" << false;
}

void LanguageTest::validatesCodes()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(LanguageManager::isSupportedLanguage(code), valid);
}

void LanguageTest::choosesDefaultLanguage_data()
{
    QTest::addColumn<QString>("systemName");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first valid UI language") << "de_DE" << QStringList{"de-DE", "en-US"} << "en_US";
    QTest::newRow("nothing valid falls to the first supported") << "ru_RU" << QStringList{"ru-RU"} << "es_ES";
    QTest::newRow("no UI languages") << "ru_RU" << QStringList{} << "es_ES";
    QTest::newRow("system name when no UI language is valid")
        << "pt_BR" << QStringList{"pt", "ru"} << "pt_BR";
    QTest::newRow("UI language wins over the system name") << "pt_BR" << QStringList{"zh-TW"} << "zh_TW";
}

void LanguageTest::choosesDefaultLanguage()
{
    QFETCH(QString, systemName);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(LanguageManager::defaultLanguageFor(systemName, uiLanguages), expected);
}

void LanguageTest::readsTheSystemLocale_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("languageList");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German then US English") << "de_DE.UTF-8"
                                            << "de_DE:en_US"
                                            << "en_US";
    QTest::newRow("Russian alone") << "ru_RU.UTF-8"
                                   << ""
                                   << "es_ES";
    QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8"
                                          << ""
                                          << "pt_BR";
}

// The system locale as a real process sees it from its environment.
void LanguageTest::readsTheSystemLocale()
{
    QFETCH(QString, lang);
    QFETCH(QString, languageList);
    QFETCH(QString, expected);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LANGUAGE"), languageList);
    env.insert(QStringLiteral("GD7_PRINT_DEFAULT_LANGUAGE"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(QString::fromLatin1(child.readAllStandardOutput()).trimmed(), expected);
}

void LanguageTest::switchesLanguages()
{
    LanguageManager &languages = LanguageManager::instance();
    LanguageChangeCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);

    QVERIFY(languages.setLanguage(QStringLiteral("es_ES")));
    QCoreApplication::processEvents();
    QCOMPARE(languages.currentLanguage(), QStringLiteral("es_ES"));
    QCOMPARE(TR::tr("BtnYes"), QString::fromUtf8("Sí"));
    QCOMPARE(QLocale().name(), QStringLiteral("es_ES"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    QVERIFY(counter.count > 0);

    QVERIFY(!languages.setLanguage(QStringLiteral("pt")));
    QCOMPARE(languages.currentLanguage(), QStringLiteral("es_ES"));
    QCOMPARE(TR::tr("BtnYes"), QString::fromUtf8("Sí"));

    counter.count = 0;
    QVERIFY(languages.setLanguage(QStringLiteral("zh_TW")));
    QCoreApplication::processEvents();
    QVERIFY(counter.count > 0);
    QCOMPARE(TR::tr("BtnYes"), QString::fromUtf8("是"));
    // zh_TW has no toolkit file here: the Spanish toolkit texts must be gone, not left behind.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    // A key the language lacks shows the key itself.
    QCOMPARE(TR::tr("ProductName"), QStringLiteral("ProductName"));
    QCoreApplication::instance()->removeEventFilter(&counter);
}

void LanguageTest::appliesOnlyValidStoredLanguage()
{
    LanguageManager &languages = LanguageManager::instance();
    QVERIFY(languages.setLanguage(QStringLiteral("en")));
    JsonSettings settings;
    settings.setValue(QStringLiteral("general.ui_language"), QStringLiteral("pt"));
    settings.applyStoredLanguage();
    QCOMPARE(languages.currentLanguage(), QStringLiteral("en"));
    settings.setValue(QStringLiteral("general.ui_language"), QStringLiteral("pt_BR"));
    settings.applyStoredLanguage();
    QCOMPARE(languages.currentLanguage(), QStringLiteral("pt_BR"));
    QCOMPARE(TR::tr("BtnYes"), QStringLiteral("Sim"));

    QVERIFY(languages.setLanguage(QStringLiteral("es")));
    settings.storeCurrentLanguage();
    QCOMPARE(settings.value(QStringLiteral("general.ui_language")).toString(), QStringLiteral("es"));
}

void LanguageTest::formatsPlurals()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en_US")));
    QCOMPARE(TR::tr("HoursAgo", "", 5), QStringLiteral("5 hours ago"));
    QCOMPARE(TR::tr("HoursAgo", "", 1), QStringLiteral("hour ago"));
    QCOMPARE(TR::tr("MinsAgo", "", 1), QStringLiteral("1 minute ago"));
    QCOMPARE(TR::tr("MinsAgo", "", 12), QStringLiteral("12 minutes ago"));
    QCOMPARE(TR::tr("LauncherVersion").arg(4).arg(0).arg(18085), QStringLiteral("Version 4.0.18085"));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("GD7_PRINT_DEFAULT_LANGUAGE")) {
        QTextStream(stdout) << LanguageManager::instance().defaultLanguage() << Qt::endl;
        return 0;
    }
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_language.moc"
