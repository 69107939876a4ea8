// The settings panel over a stand-in window: language order and switch, download method and speed
// limit, the
// troubleshooting buttons while an update runs, the proxy button, the document links, and the
// press outside the column.
#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "net/speedlimit.h"
#include "net/torrentsession.h"
#include "tests/support/testhttpserver.h"
#include "tests/ui/modalanswerer.h"
#include "tests/ui/urlrecorder.h"
#include "ui/linklabel.h"
#include "ui/proxydialog.h"
#include "ui/settingspanel.h"
#include "ui/startup.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

} // namespace

class SettingsPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void languageOrder_data();
    void languageOrder();
    void languageNames_data();
    void languageNames();
    void choosingLanguageRetranslatesAndStores();
    void languageInUseShownWhenNotSelectable();
    void downloadMethodReadAndWritten();
    void speedChoices_data();
    void speedChoices();
    void speedLimitStoredAndApplied();
    void pressOutsideClosesInsideDoesNot();
    void troubleshootingFollowsTheGameAndTheUpdate();
    void proxyButtonOpensTheEditor();
    void troubleshootingButtonsOpenTheDialogs();
    void documentLinksOpenOnlyWebPages_data();
    void documentLinksOpenOnlyWebPages();
    // Last: start-up also sets the language and the style sheet.
    void startUpAppliesTheStoredLimit();

private:
    void openPanel();
    template<typename T> T *child(const char *name) const
    {
        return m_panel->findChild<T *>(QString::fromLatin1(name));
    }
    QVariant saved(const QString &key) const;

    QTemporaryDir m_app;
    UrlRecorder m_urls;
    JsonSettings m_settings;
    std::unique_ptr<QWidget> m_window;
    QWidget *m_anchor = nullptr;
    SettingsPanel *m_panel = nullptr;
};

void SettingsPanelTest::initTestCase()
{
    Paths::setApplicationFolder(m_app.path());
    TorrentSession::setLoopbackOnly(true);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    for (const char *scheme : {"http", "https", "file", "ftp", "javascript"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_urls, "open");
}

void SettingsPanelTest::cleanupTestCase()
{
    AutoUpdate::destroyInstance();
}

void SettingsPanelTest::init()
{
    QFile::remove(Paths::settingsPath());
    m_settings = JsonSettings();
    m_urls.urls.clear();
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    m_window = std::make_unique<QWidget>();
    m_window->resize(1184, 720);
    m_anchor = new QWidget(m_window.get());
    m_anchor->setGeometry(0, 96, 1184, 624);
    m_panel = new SettingsPanel(m_anchor, true, &m_settings, m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void SettingsPanelTest::cleanup()
{
    m_window.reset();
    SpeedLimit::instance().setBytesPerSecond(0);
}

QVariant SettingsPanelTest::saved(const QString &key) const
{
    JsonSettings file;
    return file.load(Paths::settingsPath()) ? file.value(key) : QVariant();
}

void SettingsPanelTest::openPanel()
{
    m_panel->toggle();
    QTRY_COMPARE(child<QWidget>("panel_column") ? child<QWidget>("panel_column")->x() : 0,
                 int(1184 - 1184 * 0.3f + 1));
}

void SettingsPanelTest::languageOrder_data()
{
    QTest::addColumn<QString>("systemDefault");
    QTest::addColumn<QStringList>("order");
    const QStringList available{"en", "en_US", "es", "es_ES", "id",   "it",
                                "pt", "pt_BR", "tr", "zh_CN", "zh_TW"};
    QTest::newRow("en_US: English first, once")
        << "en_US" << QStringList{"en_US", "es", "es_ES", "id", "it", "pt", "pt_BR", "tr", "zh_CN", "zh_TW"};
    QTest::newRow("unsupported de_DE: as available") << "de_DE" << available;
    QTest::newRow("supported regional pt_BR")
        << "pt_BR" << QStringList{"pt_BR", "en", "en_US", "es", "es_ES", "id", "it", "tr", "zh_CN", "zh_TW"};
    QTest::newRow("supported language es")
        << "es"
        << QStringList{"es", "en", "en_US", "es_ES", "id", "it", "pt", "pt_BR", "tr", "zh_CN", "zh_TW"};
    QTest::newRow("unsupported regional of a listed language")
        << "it_CH" << QStringList{"en", "en_US", "es", "es_ES", "id", "pt", "pt_BR", "tr", "zh_CN", "zh_TW"};
}

void SettingsPanelTest::languageOrder()
{
    QFETCH(QString, systemDefault);
    QFETCH(QStringList, order);
    const QStringList available{"en", "en_US", "es", "es_ES", "id",   "it",
                                "pt", "pt_BR", "tr", "zh_CN", "zh_TW"};
    QCOMPARE(SettingsPanel::orderedLanguages(available, systemDefault, LanguageManager::supportedLanguages()),
             order);
}

void SettingsPanelTest::languageNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("en_US") << "en_US"
                           << "English";
    QTest::newRow("en") << "en"
                        << "English";
    QTest::newRow("es") << "es" << QString::fromUtf8("Español de España");
    QTest::newRow("pt_BR") << "pt_BR" << QString::fromUtf8("Português");
    QTest::newRow("tr") << "tr" << QString::fromUtf8("Türkçe");
}

void SettingsPanelTest::languageNames()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(SettingsPanel::languageName(code), name);
}

void SettingsPanelTest::choosingLanguageRetranslatesAndStores()
{
    auto *list = child<QComboBox>("language");
    QVERIFY(list);
    const LanguageManager &languages = LanguageManager::instance();
    const QStringList codes = SettingsPanel::orderedLanguages(
        languages.availableLanguages(), languages.defaultLanguage(), LanguageManager::supportedLanguages());
    QStringList expected;
    for (const QString &code : codes)
        expected.append(SettingsPanel::languageName(code));
    QCOMPARE(itemTexts(list), expected);
    QVERIFY(expected.contains(QString::fromUtf8("Español de España")));
    // The current language is the current item (when the system's English did not replace it).
    if (codes.contains(QStringLiteral("en")))
        QCOMPARE(list->currentData().toString(), QStringLiteral("en"));
    openPanel();
    QCOMPARE(child<QPushButton>("check_files")->text(), QStringLiteral("Checking game files..."));

    // Spanish is listed under its own name, by its plain or its regional code (when the system's).
    const int spanish = list->findText(QString::fromUtf8("Español de España"));
    const QString code = list->itemData(spanish).toString();
    QVERIFY(code == QLatin1String("es") || code == QLatin1String("es_ES"));
    list->setCurrentIndex(spanish);
    QCOMPARE(languages.currentLanguage(), code);
    QCOMPARE(saved(QStringLiteral("general.ui_language")).toString(), code);
    // Every text of the open panel follows with the next round of events.
    QTRY_COMPARE(child<QPushButton>("check_files")->text(), QString::fromUtf8("Comprobando archivos..."));
    QCOMPARE(child<QPushButton>("diagnostics")->text(), QString::fromUtf8("Diagnóstico..."));
    QStringList links;
    for (LinkLabel *link : m_panel->findChildren<LinkLabel *>())
        links.append(link->text());
    QCOMPARE(links, (QStringList{QString::fromUtf8("Acuerdo de licencia"),
                                 QString::fromUtf8("Política de privacidad"),
                                 QString::fromUtf8("Normas de conducta")}));
    QVERIFY(child<QPushButton>("back")->text().endsWith(QString::fromUtf8("Atrás")));
    // The rebuilt list keeps the choice and stays one entry per language.
    QCOMPARE(list->currentData().toString(), code);
    QCOMPARE(list->count(), expected.size());
}

void SettingsPanelTest::languageInUseShownWhenNotSelectable()
{
    auto *list = child<QComboBox>("language");
    QVERIFY(list);
    const int selectable = list->count();
    QVERIFY(!LanguageManager::instance().availableLanguages().contains(QStringLiteral("de")));
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("de")));
    QTRY_COMPARE(list->currentData().toString(), QStringLiteral("de"));
    QCOMPARE(list->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(list->count(), selectable + 1);
    // Choosing a selectable one leaves only those.
    list->setCurrentIndex(list->findData(QStringLiteral("en")));
    QCOMPARE(LanguageManager::instance().currentLanguage(), QStringLiteral("en"));
    QTRY_COMPARE(list->count(), selectable);
    QCOMPARE(list->findData(QStringLiteral("de")), -1);
}

void SettingsPanelTest::downloadMethodReadAndWritten()
{
    m_settings.setValue(QStringLiteral("use_torrents"), false);
    SettingsPanel panel(m_anchor, false, &m_settings, m_window.get());
    auto *list = panel.findChild<QComboBox *>(QStringLiteral("download_method"));
    QCOMPARE(itemTexts(list), (QStringList{"Torrents + Http", "Http"}));
    QCOMPARE(list->currentText(), QStringLiteral("Http"));
    QVERIFY(!panel.findChild<QComboBox *>(QStringLiteral("language")));

    ModalAnswerer answerer; // no update runs: no box may open
    answerer.queue({StyledMessageBox::Ok});
    list->setCurrentIndex(0);
    QCOMPARE(saved(QStringLiteral("use_torrents")), QVariant(true));
    list->setCurrentIndex(1);
    QCOMPARE(saved(QStringLiteral("use_torrents")), QVariant(false));
    QTest::qWait(100);
    QCOMPARE(answerer.texts, QStringList());

    JsonSettings absent;
    SettingsPanel fresh(m_anchor, false, &absent, m_window.get());
    QCOMPARE(fresh.findChild<QComboBox *>(QStringLiteral("download_method"))->currentIndex(), 0);
}

void SettingsPanelTest::speedChoices_data()
{
    constexpr qint64 MiB = 1024 * 1024;
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QList<qint64>>("choices");
    QTest::addColumn<QStringList>("texts");

    const QList<qint64> steps{0, MiB, 2 * MiB, 5 * MiB, 10 * MiB, 20 * MiB, 50 * MiB};
    const QStringList stepTexts{"Do not limit", "1 MB/s",  "2 MB/s", "5 MB/s",
                                "10 MB/s",      "20 MB/s", "50 MB/s"};
    QTest::newRow("unlimited") << qint64(0) << steps << stepTexts;
    QTest::newRow("a step") << 10 * MiB << steps << stepTexts;
    // A limit written into the settings file by hand is shown as it is, in its place.
    QTest::newRow("between steps") << 3 * MiB + 512 * 1024
                                   << QList<qint64>{0,       MiB,      2 * MiB,  3 * MiB + 512 * 1024,
                                                    5 * MiB, 10 * MiB, 20 * MiB, 50 * MiB}
                                   << QStringList{"Do not limit", "1 MB/s",  "2 MB/s",  "3.5 MB/s",
                                                  "5 MB/s",       "10 MB/s", "20 MB/s", "50 MB/s"};
    QTest::newRow("below the steps") << qint64(300 * 1024) << QList<qint64>{0, 300 * 1024} + steps.mid(1)
                                     << QStringList{"Do not limit", "300 kB/s"} + stepTexts.mid(1);
    QTest::newRow("above the steps") << 100 * MiB << steps + QList<qint64>{100 * MiB}
                                     << stepTexts + QStringList{"100 MB/s"};
}

void SettingsPanelTest::speedChoices()
{
    QFETCH(qint64, stored);
    QFETCH(QList<qint64>, choices);
    QFETCH(QStringList, texts);
    QCOMPARE(SettingsPanel::speedChoices(stored), choices);
    QStringList shown;
    for (qint64 choice : choices)
        shown.append(SettingsPanel::speedText(choice));
    QCOMPARE(shown, texts);
}

void SettingsPanelTest::speedLimitStoredAndApplied()
{
    auto *list = child<QComboBox>("download_speed");
    QVERIFY(list);
    QCOMPARE(list->currentText(), QStringLiteral("Do not limit"));
    QSignalSpy changes(&SpeedLimit::instance(), &SpeedLimit::changed);
    list->setCurrentIndex(list->findText(QStringLiteral("5 MB/s")));
    QCOMPARE(SpeedLimit::instance().bytesPerSecond(), 5 * 1024 * 1024);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(saved(QStringLiteral("download_speed_limit")).toLongLong(), 5 * 1024);

    // Another panel over the same settings shows the stored limit; in Spanish the list follows.
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("es")));
    SettingsPanel second(m_anchor, false, &m_settings, m_window.get());
    auto *secondList = second.findChild<QComboBox *>(QStringLiteral("download_speed"));
    QCOMPARE(secondList->currentData().toLongLong(), 5 * 1024 * 1024);
    QCOMPARE(secondList->itemText(0), QString::fromUtf8("Sin límite"));
    QStringList labels;
    for (const QLabel *label : second.findChildren<QLabel *>())
        labels.append(label->text());
    QVERIFY(labels.contains(QStringLiteral("Velocidad de descarga")));

    secondList->setCurrentIndex(0);
    QCOMPARE(SpeedLimit::instance().bytesPerSecond(), 0);
    QCOMPARE(saved(QStringLiteral("download_speed_limit")).toLongLong(), 0);
}

void SettingsPanelTest::pressOutsideClosesInsideDoesNot()
{
    QVERIFY(m_panel->isHidden());
    openPanel();
    QCOMPARE(m_panel->geometry(), m_anchor->geometry());
    auto *column = child<QWidget>("panel_column");
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, column->geometry().center());
    QTest::qWait(400);
    QVERIFY(m_panel->isVisible());
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, QPoint(200, 300));
    QTRY_VERIFY(m_panel->isHidden());
    QTRY_VERIFY(column->isHidden());

    // The back button closes it too; the opacity goes up and down with it.
    QSignalSpy opacity(m_panel, &Panel::opacityChanged);
    openPanel();
    QTRY_COMPARE(opacity.last().first().toDouble(), 1.0);
    QVERIFY(opacity.first().first().toDouble() < 0.5);
    child<QPushButton>("back")->click();
    QTRY_VERIFY(m_panel->isHidden());
    QVERIFY(opacity.last().first().toDouble() < 0.2);
}

void SettingsPanelTest::troubleshootingFollowsTheGameAndTheUpdate()
{
    auto *check = child<QPushButton>("check_files");
    auto *diagnostics = child<QPushButton>("diagnostics");
    // No game yet: nothing to check.
    openPanel();
    QVERIFY(!check->isEnabled() && !diagnostics->isEnabled());
    m_panel->toggle();
    QTRY_VERIFY(m_panel->isHidden());
    m_panel->setHasGame(true);
    QVERIFY(check->isEnabled() && diagnostics->isEnabled());

    // A manifest that takes its time keeps the update running while the panel opens.
    TestHttpServer server;
    QVERIFY(server.start());
    TestHttpServer::Response slow;
    slow.status = 404;
    slow.delayMs = 3000;
    server.serve("/update.json", slow);
    AutoUpdate *update = AutoUpdate::instance();
    QVERIFY(update->check({server.url(QStringLiteral("/update.json"))}, AutoUpdate::Mode::Update));
    QVERIFY(update->isRunning());
    openPanel();
    QVERIFY(!check->isEnabled() && !diagnostics->isEnabled());
    QVERIFY(child<QPushButton>("proxy")->isEnabled());

    // Changing the download method now takes a restart, and the player is told.
    ModalAnswerer answerer;
    answerer.queue({StyledMessageBox::Ok});
    child<QComboBox>("download_method")->setCurrentIndex(1);
    QCOMPARE(answerer.texts, QStringList{"To apply the setting, you need to restart the program."});

    update->waitForJob();
    QTRY_VERIFY(!update->isRunning());
    m_panel->toggle();
    QTRY_VERIFY(m_panel->isHidden());
    openPanel();
    QVERIFY(check->isEnabled() && diagnostics->isEnabled());
}

void SettingsPanelTest::proxyButtonOpensTheEditor()
{
    m_settings.setValue(QStringLiteral("proxy"), QVariantList{3, "127.0.0.1", 3128, "joe", "pw"});
    openPanel();
    auto *button = child<QPushButton>("proxy");
    QCOMPARE(button->text(), QStringLiteral("Proxy..."));
    QPointer<ProxyDialog> seen;
    QTimer::singleShot(0, this, [&seen] {
        seen = qobject_cast<ProxyDialog *>(QApplication::activeModalWidget());
        if (seen)
            seen->reject();
    });
    button->click();
    QVERIFY(seen);
    QCOMPARE(seen->windowTitle(), QStringLiteral("Proxy settings"));
    QCOMPARE(seen->findChild<QLineEdit *>(QStringLiteral("proxy_host"))->text(), QStringLiteral("127.0.0.1"));
    // Cancel leaves the stored proxy as it was.
    QCOMPARE(m_settings.value(QStringLiteral("proxy")).toList().value(2).toInt(), 3128);
}

void SettingsPanelTest::troubleshootingButtonsOpenTheDialogs()
{
    // No game folder in the scratch launcher folder: the check offers the repair, which can
    // only be a reinstallation, passed on to the window.
    m_panel->setHasGame(true);
    openPanel();
    QSignalSpy reinstall(m_panel, &SettingsPanel::reinstallGame);
    ModalAnswerer answerer;
    answerer.queue({StyledMessageBox::Yes});
    child<QPushButton>("check_files")->click();
    QCOMPARE(answerer.texts, QStringList{"Damaged files were found! Start recovery?"});
    QCOMPARE(reinstall.size(), 1);

    // No desktop folder in the scratch home: the diagnostics say so before they start.
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    answerer.queue({StyledMessageBox::Ok});
    child<QPushButton>("diagnostics")->click();
    qputenv("HOME", previousHome);
    QCOMPARE(answerer.texts.size(), 2);
    QVERIFY2(answerer.texts.last().contains(QStringLiteral("does not exist")),
             qPrintable(answerer.texts.last()));
}

void SettingsPanelTest::documentLinksOpenOnlyWebPages_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("https site") << "https://www.gd7play.example"
                                << QStringList{"https://www.gd7play.example/eula",
                                               "https://www.gd7play.example/privacy",
                                               "https://www.gd7play.example/rules"};
    QTest::newRow("http site on loopback")
        << "http://127.0.0.1:9"
        << QStringList{"http://127.0.0.1:9/eula", "http://127.0.0.1:9/privacy", "http://127.0.0.1:9/rules"};
    QTest::newRow("file site refused") << "file:///etc" << QStringList();
    QTest::newRow("script refused") << "javascript:alert(1)" << QStringList();
    QTest::newRow("no site") << "" << QStringList();
}

void SettingsPanelTest::documentLinksOpenOnlyWebPages()
{
    QFETCH(QString, site);
    QFETCH(QStringList, opened);
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("deployment.json"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject{{"mirrors", QJsonArray{"http://127.0.0.1:9/update.json"}},
                                         {"web_site_url", site}})
                   .toJson());
    file.close();
    QVERIFY(DeploymentConfig::loadInstance(config));
    openPanel();
    for (LinkLabel *link : m_panel->findChildren<LinkLabel *>())
        QTest::mouseClick(link, Qt::LeftButton);
    QStringList urls;
    for (const QUrl &url : m_urls.urls)
        urls.append(url.toString());
    QCOMPARE(urls, opened);
    // A press with another button opens nothing.
    m_urls.urls.clear();
    QTest::mouseClick(m_panel->findChildren<LinkLabel *>().first(), Qt::RightButton);
    QCOMPARE(m_urls.urls.size(), 0);
}

void SettingsPanelTest::startUpAppliesTheStoredLimit()
{
    m_settings.setValue(QStringLiteral("download_speed_limit"), 2048);
    QVERIFY(m_settings.save(Paths::settingsPath()));
    JsonSettings settings;
    prepareLauncher(settings);
    QCOMPARE(SpeedLimit::instance().bytesPerSecond(), 2 * 1024 * 1024);
}

QTEST_MAIN(SettingsPanelTest)
#include "tst_settingspanel.moc"
