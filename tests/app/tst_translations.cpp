#include "app/languagemanager.h"
#include "app/tr.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QXmlStreamReader>
#include <QtTest>

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void englishBundleHoldsEveryKey();
    void toolkitTranslationsAreBundled();
};

// Each key of the English source, with its text (the first form of a plural).
static QList<QPair<QString, QString>> englishTexts()
{
    QList<QPair<QString, QString>> texts;
    QFile file(QStringLiteral(ENGLISH_TS));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") &&
                 !xml.attributes().hasAttribute(QStringLiteral("numerus")))
            texts.append({source, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
        else if (xml.name() == QLatin1String("numerusform") && texts.last().first != source)
            texts.append({source, xml.readElementText()});
    }
    return texts;
}

void TranslationsTest::englishBundleHoldsEveryKey()
{
    LanguageManager &languages = LanguageManager::instance();
    QVERIFY(languages.availableLanguages().contains(QStringLiteral("en")));
    QVERIFY(languages.setLanguage(QStringLiteral("en")));
    const auto texts = englishTexts();
    QCOMPARE(texts.size(), 152);
    for (const auto &text : texts) {
        if (text.first == QLatin1String("HoursAgo") || text.first == QLatin1String("MinsAgo"))
            continue;
        QCOMPARE(TR::tr(text.first.toUtf8().constData()), text.second);
    }
    QCOMPARE(TR::tr("ErrUpdateInfoNotValid"),
             QStringLiteral("Update information is not valid. Please try again."));
    QCOMPARE(TR::tr("HoursAgo", "", 3), QStringLiteral("3 hours ago"));
}

void TranslationsTest::toolkitTranslationsAreBundled()
{
    const QStringList withToolkit{"de", "es",    "fr", "it", "ja",    "ko",   "nl",
                                  "pl", "pt_BR", "ru", "tr", "zh_CN", "zh_TW"};
    for (const QString &code : withToolkit) {
        const QString path = QStringLiteral(":/Language/") + code + QStringLiteral("/qt_translation");
        QTranslator translator;
        QVERIFY2(translator.load(path), qPrintable(path));
    }
    QVERIFY(!QFile::exists(QStringLiteral(":/Language/en/qt_translation")));

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/Language/de/qt_translation")));
    QCoreApplication::installTranslator(&german);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(&german);
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
