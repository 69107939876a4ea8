// Choosing each language in the open settings panel re-translates the panel and an open dialog
// at once, with the translations the launcher ships.
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "net/torrentsession.h"
#include "ui/proxydialog.h"
#include "ui/settingspanel.h"
#include "update/autoupdate.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class LanguageSwitchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void panelAndDialogFollowEveryChoice();

private:
    QTemporaryDir m_app;
};

void LanguageSwitchTest::initTestCase()
{
    QVERIFY(m_app.isValid());
    Paths::setApplicationFolder(m_app.path());
    TorrentSession::setLoopbackOnly(true);
}

void LanguageSwitchTest::cleanupTestCase()
{
    AutoUpdate::destroyInstance();
}

void LanguageSwitchTest::panelAndDialogFollowEveryChoice()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    JsonSettings settings;
    QWidget window;
    window.resize(1184, 720);
    auto *anchor = new QWidget(&window);
    anchor->setGeometry(0, 96, 1184, 624);
    auto *panel = new SettingsPanel(anchor, true, &settings, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    panel->toggle();
    ProxyDialog dialog(&settings, &window);
    dialog.show();

    auto *list = panel->findChild<QComboBox *>(QStringLiteral("language"));
    QVERIFY(list);
    QStringList codes;
    for (int i = 0; i < list->count(); ++i)
        codes.append(list->itemData(i).toString());
    QCOMPARE(codes.size(), LanguageManager::instance().availableLanguages().size());
    codes.append(QStringLiteral("en")); // and back to English at the end

    for (const QString &code : codes) {
        // The texts of the chosen language, straight from the shipped file of its folder.
        const QString exact = QStringLiteral(":/Language/") + code + QStringLiteral("/translation");
        QTranslator shipped;
        QVERIFY(shipped.load(QFile::exists(exact)
                                 ? exact
                                 : QStringLiteral(":/Language/") + code.section(QLatin1Char('_'), 0, 0) +
                                       QStringLiteral("/translation")));
        const auto text = [&shipped](const char *key) { return shipped.translate("TR", key); };

        list->setCurrentIndex(list->findData(code));
        QCOMPARE(LanguageManager::instance().currentLanguage(), code);
        // The toolkit posts the change to every window: the panel and the dialog both follow it.
        auto *back = panel->findChild<QPushButton *>(QStringLiteral("back"));
        QTRY_COMPARE(back->text(), QStringLiteral("<  ") + text("Back"));
        QTRY_COMPARE(dialog.windowTitle(), text("ProxySettings"));
        const auto buttonText = [](QWidget *parent, const char *name) {
            return parent->findChild<QPushButton *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(buttonText(panel, "check_files"), text("CheckGameFiles") + QStringLiteral("..."));
        QCOMPARE(buttonText(panel, "proxy"), text("MenuProxy"));
        QCOMPARE(buttonText(&dialog, "proxy_ok"), text("DlgBtnOK"));
        QCOMPARE(buttonText(&dialog, "proxy_cancel"), text("BtnCancel"));
        // The list is rebuilt in the new language and keeps one entry per language.
        list = panel->findChild<QComboBox *>(QStringLiteral("language"));
        QCOMPARE(list->count(), codes.size() - 1);
        QCOMPARE(list->currentData().toString(), code);
    }
}

QTEST_MAIN(LanguageSwitchTest)
#include "tst_languageswitch.moc"
