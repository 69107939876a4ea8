#include "app/languagemanager.h"
#include "app/tr.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// One message of a translation source: its key, whether it has a count, and its texts
// (one, or one per plural form), with the state a translator's tool left on it.
struct Message
{
    QString key;
    bool numerus = false;
    QStringList texts;
    QString state;
};

struct TranslationSource
{
    QString language;
    QList<Message> messages;
};

TranslationSource readSource(const QString &language)
{
    TranslationSource source;
    QFile file(QStringLiteral(TRANSLATIONS_DIR "/") + language + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return source;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            source.language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (name == QLatin1String("message")) {
            Message message;
            message.numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
            source.messages.append(message);
        } else if (name == QLatin1String("source")) {
            source.messages.last().key = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            source.messages.last().state = xml.attributes().value(QStringLiteral("type")).toString();
            if (!source.messages.last().numerus)
                source.messages.last().texts.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            source.messages.last().texts.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        source.messages.clear();
    return source;
}

QMap<QString, Message> byKey(const QList<Message> &messages)
{
    QMap<QString, Message> map;
    for (const Message &message : messages)
        map.insert(message.key, message);
    return map;
}

// The arguments a text expects: %0 to %9 in the order they appear; %n is the count.
QStringList argumentMarkers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QStringList markers;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        markers.append(it.next().captured(0));
    markers.removeAll(QStringLiteral("%n"));
    markers.sort();
    return markers;
}

// Names that stay as they are in every language.
const QStringList ProperNames{"Glimmerdeep", "GD7Launcher", "Orvane",  "Discord", "Facebook",
                              "Instagram",   "Twitch",      "Twitter", "YouTube", "VK",
                              "HTTP",        "SOCKS",       "DirectX", "OpenGL"};

const QStringList BundleLanguages{"de", "en", "es",    "fr", "id", "it",    "ja",   "ko",
                                  "nl", "pl", "pt_BR", "ru", "tr", "zh_CN", "zh_TW"};
const QStringList SelectableLanguages{"en", "es", "id", "it", "pt_BR", "tr", "zh_CN", "zh_TW"};
const QStringList AgreementLanguages{"de", "en", "es", "fr", "id", "ja", "ko", "pl", "ru", "zh"};

QString agreementText(const QString &language, QByteArray *raw = nullptr)
{
    QFile file(QStringLiteral(":/eula/") + language);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (raw)
        *raw = bytes;
    return QString::fromUtf8(bytes);
}

// The numbered section headings ("1. ", "12. ") of an agreement, in order.
QStringList sectionNumbers(const QString &text)
{
    static const QRegularExpression heading(QStringLiteral("^(\\d+)\\. "),
                                            QRegularExpression::MultilineOption);
    QStringList numbers;
    auto it = heading.globalMatch(text);
    while (it.hasNext())
        numbers.append(it.next().captured(1));
    return numbers;
}

// Whether the text renders with real glyphs from the installed fonts (through the toolkit's
// font fallback), without the empty box of a missing glyph.
bool hasAllGlyphs(const QString &text)
{
    QTextLayout layout(text, QFont());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    for (const QGlyphRun &run : runs) {
        if (run.glyphIndexes().contains(0))
            return false;
    }
    return !runs.isEmpty();
}

// One test row per language code, named after it.
void addLanguageRows(const QStringList &languages)
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void englishBundleHoldsEveryKey();
    void toolkitTranslationsAreBundled();
    void sourcesHoldEveryKey_data();
    void sourcesHoldEveryKey();
    void compiledLanguagesLoad_data();
    void compiledLanguagesLoad();
    void selectableLanguagesListed();
    void systemLanguageFindsItsFolder_data();
    void systemLanguageFindsItsFolder();
    void selectableTexts_data();
    void selectableTexts();
    void selectablePlurals_data();
    void selectablePlurals();
    void textsHaveGlyphs_data();
    void textsHaveGlyphs();
    void agreementDocuments_data();
    void agreementDocuments();
};

void TranslationsTest::englishBundleHoldsEveryKey()
{
    LanguageManager &languages = LanguageManager::instance();
    QVERIFY(languages.availableLanguages().contains(QStringLiteral("en")));
    QVERIFY(languages.setLanguage(QStringLiteral("en")));
    const QList<Message> english = readSource(QStringLiteral("en")).messages;
    QVERIFY(english.size() >= 145);
    for (const Message &message : english) {
        if (!message.numerus)
            QCOMPARE(TR::tr(message.key.toUtf8().constData()), message.texts.first());
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
    QVERIFY(!QFile::exists(QStringLiteral(":/Language/id/qt_translation")));

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/Language/de/qt_translation")));
    QCoreApplication::installTranslator(&german);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(&german);
}

void TranslationsTest::sourcesHoldEveryKey_data()
{
    // The count of plural forms follows the toolkit's plural rules for each language.
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    const QMap<QString, int> forms{{"de", 2}, {"es", 2}, {"fr", 2},    {"id", 1},   {"it", 2},
                                   {"ja", 1}, {"ko", 1}, {"nl", 2},    {"pl", 3},   {"pt_BR", 2},
                                   {"ru", 3}, {"tr", 1}, {"zh_CN", 1}, {"zh_TW", 1}};
    for (auto it = forms.cbegin(); it != forms.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TranslationsTest::sourcesHoldEveryKey()
{
    QFETCH(QString, language);
    QFETCH(int, pluralForms);
    const QList<Message> english = readSource(QStringLiteral("en")).messages;
    const TranslationSource source = readSource(language);
    QCOMPARE(source.language, language);
    QVERIFY(!english.isEmpty());

    const QMap<QString, Message> translated = byKey(source.messages);
    QCOMPARE(source.messages.size(), translated.size()); // no key twice
    QStringList missing;
    for (const Message &message : english) {
        if (!translated.contains(message.key))
            missing.append(message.key);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(QLatin1Char(' '))));
    QCOMPARE(translated.size(), english.size()); // nothing beyond the English table

    for (const Message &message : english) {
        const Message &translation = translated[message.key];
        const QByteArray what = (language + QLatin1Char(' ') + message.key).toUtf8();
        QVERIFY2(translation.state.isEmpty(), what + " is " + translation.state.toUtf8());
        QVERIFY2(translation.numerus == message.numerus, what);
        QVERIFY2(translation.texts.size() == (message.numerus ? pluralForms : 1), what);
        const QString englishText = message.texts.join(QLatin1Char(' '));
        for (const QString &text : translation.texts) {
            QVERIFY2(!text.trimmed().isEmpty(), what + " is empty");
            if (message.numerus)
                QVERIFY2(text.contains(QStringLiteral("%n")), what + ": " + text.toUtf8());
            QVERIFY2(argumentMarkers(text) == argumentMarkers(message.texts.last()),
                     what + ": " + text.toUtf8());
            for (const QString &name : ProperNames) {
                if (englishText.contains(name))
                    QVERIFY2(text.contains(name), what + " lost " + name.toUtf8());
            }
        }
    }
}

void TranslationsTest::compiledLanguagesLoad_data()
{
    addLanguageRows(BundleLanguages);
}

// Every compiled file installs through the language manager and gives back the texts of its
// source; plural texts follow the toolkit's own plural rules across the counts 0 to 130.
void TranslationsTest::compiledLanguagesLoad()
{
    QFETCH(QString, language);
    QVERIFY(LanguageManager::instance().setLanguage(language));
    QCOMPARE(LanguageManager::instance().currentLanguage(), language);

    const QList<Message> messages = readSource(language).messages;
    QVERIFY(!messages.isEmpty());
    for (const Message &message : messages) {
        const QByteArray key = message.key.toUtf8();
        if (!message.numerus) {
            QCOMPARE(TR::tr(key.constData()), message.texts.first());
            continue;
        }
        QSet<int> formsSeen;
        for (int n = 0; n <= 130; ++n) {
            const QString shown = TR::tr(key.constData(), "", n);
            bool matched = false;
            for (int form = 0; form < message.texts.size(); ++form) {
                if (QString(message.texts[form]).replace(QStringLiteral("%n"), QString::number(n)) == shown) {
                    formsSeen.insert(form);
                    matched = true;
                }
            }
            QVERIFY2(matched, key + " " + QByteArray::number(n) + ": " + shown.toUtf8());
        }
        QCOMPARE(formsSeen.size(), message.texts.size());
    }
}

void TranslationsTest::selectableLanguagesListed()
{
    QCOMPARE(LanguageManager::instance().availableLanguages(), SelectableLanguages);
    for (const QString &language : BundleLanguages) {
        const QString path = QStringLiteral(":/Language/") + language + QStringLiteral("/translation");
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
}

void TranslationsTest::systemLanguageFindsItsFolder_data()
{
    QTest::addColumn<QString>("systemName");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Turkish region") << "tr_TR" << QStringList{"tr-TR"} << "tr_TR"
                                    << "tr";
    QTest::newRow("Italian region") << "it_IT" << QStringList{"it-IT", "en-US"} << "it_IT"
                                    << "it";
    QTest::newRow("Indonesian region") << "id_ID" << QStringList{"id-ID"} << "id_ID"
                                       << "id";
    QTest::newRow("Spanish region") << "es_MX" << QStringList{"es-MX", "es-ES"} << "es_ES"
                                    << "es";
    QTest::newRow("Brazil") << "pt_BR" << QStringList{"pt-BR"} << "pt_BR"
                            << "pt_BR";
    QTest::newRow("Portugal falls to the first code") << "pt_PT" << QStringList{"pt-PT"} << "es_ES"
                                                      << "es";
    QTest::newRow("Simplified Chinese") << "zh_CN" << QStringList{"zh-CN"} << "zh_CN"
                                        << "zh_CN";
    QTest::newRow("Traditional Chinese") << "zh_TW" << QStringList{"zh-TW"} << "zh_TW"
                                         << "zh_TW";
    QTest::newRow("German system, English second") << "de_DE" << QStringList{"de-DE", "en-US"} << "en_US"
                                                   << "en";
    QTest::newRow("Russian only") << "ru_RU" << QStringList{"ru-RU"} << "es_ES"
                                  << "es";
}

// The default of a system language installs the texts of the bundle folder it falls back to.
void TranslationsTest::systemLanguageFindsItsFolder()
{
    QFETCH(QString, systemName);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, folder);
    QCOMPARE(LanguageManager::defaultLanguageFor(systemName, uiLanguages), language);
    QVERIFY(LanguageManager::instance().setLanguage(language));
    const QMap<QString, Message> texts = byKey(readSource(folder).messages);
    for (const char *key : {"LauncherBtnPlay", "ExitWarning", "LicDlgTitle"})
        QCOMPARE(TR::tr(key), texts.value(QString::fromLatin1(key)).texts.value(0));
}

void TranslationsTest::selectableTexts_data()
{
    addLanguageRows(SelectableLanguages);
}

void TranslationsTest::selectableTexts()
{
    QFETCH(QString, language);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    const QString englishPlay = TR::tr("LauncherBtnPlay");
    QVERIFY(LanguageManager::instance().setLanguage(language));

    const QString play = TR::tr("LauncherBtnPlay");
    QVERIFY(!play.isEmpty());
    QVERIFY(play != QLatin1String("LauncherBtnPlay"));
    QCOMPARE(play == englishPlay, language == QLatin1String("en"));

    // The question follows the error text (after a blank, or directly after CJK punctuation).
    const QString error = QStringLiteral("<error>");
    const QString retry = TR::tr("UpdateRetryErrMsg").arg(error);
    QVERIFY(retry.startsWith(error));
    QVERIFY(retry.mid(error.size()).trimmed().size() > 1);
    QVERIFY(!retry.contains(QLatin1Char('%')));

    const QString download = TR::tr("LauncherProgressDownload").arg(QStringLiteral("42.5"));
    QVERIFY2(download.contains(QStringLiteral("42.5")), qPrintable(download));
    QVERIFY2(!download.contains(QStringLiteral("%0")), qPrintable(download));

    const QString version = TR::tr("LauncherVersion").arg(3).arg(14).arg(159);
    QVERIFY2(version.contains(QStringLiteral("3.14.159")), qPrintable(version));
}

void TranslationsTest::selectablePlurals_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("showsCount");
    for (const QString &language : SelectableLanguages) {
        for (const char *key : {"HoursAgo", "MinsAgo"}) {
            for (int count : {1, 2, 5, 21}) {
                // The English table says "hour ago" for a single hour.
                const bool showsCount =
                    !(language == QLatin1String("en") && qstrcmp(key, "HoursAgo") == 0 && count == 1);
                QTest::addRow("%s %s %d", qPrintable(language), key, count)
                    << language << QString::fromLatin1(key) << count << showsCount;
            }
        }
    }
}

void TranslationsTest::selectablePlurals()
{
    QFETCH(QString, language);
    QFETCH(QString, key);
    QFETCH(int, count);
    QFETCH(bool, showsCount);
    QVERIFY(LanguageManager::instance().setLanguage(language));
    const QString text = TR::tr(key.toLatin1().constData(), "", count);
    QVERIFY(!text.trimmed().isEmpty());
    QVERIFY(text != key);
    QVERIFY(!text.contains(QStringLiteral("%n")));
    QVERIFY2(text.contains(QString::number(count)) == showsCount, qPrintable(text));
}

void TranslationsTest::textsHaveGlyphs_data()
{
    addLanguageRows(BundleLanguages);
}

void TranslationsTest::textsHaveGlyphs()
{
    QFETCH(QString, language);
    const QList<Message> messages = readSource(language).messages;
    QVERIFY(!messages.isEmpty());
    for (const Message &message : messages) {
        for (const QString &text : message.texts)
            QVERIFY2(hasAllGlyphs(text), qPrintable(message.key + QStringLiteral(": ") + text));
    }
}

void TranslationsTest::agreementDocuments_data()
{
    addLanguageRows(AgreementLanguages);
}

void TranslationsTest::agreementDocuments()
{
    QFETCH(QString, language);
    QByteArray raw;
    const QString text = agreementText(language, &raw);
    QVERIFY2(!raw.isEmpty(), "no document");

    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(raw.constData(), raw.size(), &state);
    QCOMPARE(state.invalidChars, 0);
    QVERIFY(!raw.startsWith("\xEF\xBB\xBF"));

    // Windows line ends only: every line feed follows a carriage return and vice versa.
    QVERIFY(raw.count('\n') > 20);
    QCOMPARE(raw.count("\r\n"), raw.count('\n'));
    QCOMPARE(raw.count('\r'), raw.count('\n'));

    // Shown as plain text by the agreement dialog.
    QVERIFY(!Qt::mightBeRichText(text));
    QVERIFY(hasAllGlyphs(text));
    for (const char *name : {"Glimmerdeep", "GD7Launcher", "Orvane LLC"})
        QVERIFY2(text.contains(QLatin1String(name)), name);

    // A whole agreement: the sections of the English one, in the same order.
    const QString english = agreementText(QStringLiteral("en"));
    QVERIFY(text.size() > 1500);
    QStringList expectedSections;
    for (int section = 1; section <= 14; ++section)
        expectedSections.append(QString::number(section));
    QCOMPARE(sectionNumbers(english), expectedSections);
    QCOMPARE(sectionNumbers(text), expectedSections);
    QCOMPARE(text == english, language == QLatin1String("en"));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
