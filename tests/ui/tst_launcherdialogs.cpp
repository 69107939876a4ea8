// The settings panel and the tool dialogs inside the real main window: the header's settings
// button, the panel's buttons while the update runs and after it, a language switch that reaches
// the window and the panel, and the retry prompt's diagnostics answer opening the real dialog.
// The update talks only to a local server.
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "tests/support/modalanswer.h"
#include "tests/support/testhttpserver.h"
#include "tests/ui/modalanswerer.h"
#include "ui/euladialog.h"
#include "ui/installdialog.h"
#include "ui/launcher.h"
#include "ui/settingspanel.h"
#include "ui/styledmessagebox.h"
#include "ui/tabs.h"
#include "update/autoupdate.h"
#include "update/formatting.h"

#include <QAction>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QTemporaryDir>
#include <QtTest>

class LauncherDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void settingsPanelInTheWindow();
    void retryPromptOpensTheDiagnostics();
    void installModeRunsTheInstaller();

private:
    QByteArray manifest() const;
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    QTemporaryDir m_home;
    TestHttpServer m_server;
    JsonSettings m_settings;
    std::unique_ptr<Launcher> m_window;
};

void LauncherDialogsTest::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
    Paths::setApplicationFolder(m_home.filePath(QStringLiteral("launcher")));
    TorrentSession::setLoopbackOnly(true);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    QVERIFY(m_server.start());
}

void LauncherDialogsTest::init()
{
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    m_settings = JsonSettings();
    m_settings.setValue(QStringLiteral("eula_accepted"), 20171002);
    m_settings.setValue(QStringLiteral("gd7.installed_version"), QStringLiteral("1.0.0"));
    m_settings.setValue(QStringLiteral("update_url"),
                        m_server.url(QStringLiteral("/update.json")).toString());
    gameProduct = makeGameProduct(&m_settings);
}

void LauncherDialogsTest::cleanup()
{
    AutoUpdate::instance()->waitForJob();
    m_window.reset();
}

// Nothing to update: the launcher and the game are at the manifest's versions.
QByteArray LauncherDialogsTest::manifest() const
{
    const QJsonObject launcher{{"version", formatVersion(launcherProduct.version)},
                               {"content", QJsonArray()}};
    const QJsonObject game{{"version", "1.0.0"}, {"size", 123456789}, {"content", QJsonArray()}};
    return QJsonDocument(QJsonObject{{"gd7_launcher_en", launcher}, {"gd7", game}}).toJson();
}

void LauncherDialogsTest::settingsPanelInTheWindow()
{
    TestHttpServer::Response slow;
    slow.body = manifest();
    slow.delayMs = 1500;
    m_server.serve("/update.json", slow);
    m_window = std::make_unique<Launcher>(&m_settings, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *panel = m_window->findChild<SettingsPanel *>();
    QVERIFY(panel && panel->isHidden());

    // While the update runs, the panel opens with the troubleshooting buttons off.
    QTRY_VERIFY(AutoUpdate::instance()->isRunning());
    button("settings")->click();
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(!button("check_files")->isEnabled() && !button("diagnostics")->isEnabled());
    button("settings")->click();
    QTRY_VERIFY(panel->isHidden());

    // Once the game is ready they are on.
    QTRY_VERIFY_WITH_TIMEOUT(button("play")->isEnabled(), 10000);
    button("settings")->click();
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(button("check_files")->isEnabled() && button("diagnostics")->isEnabled());

    // A language picked in the panel reaches the window and the panel, and is kept.
    QCOMPARE(button("play")->text(), QStringLiteral("PLAY"));
    auto *languages = m_window->findChild<QComboBox *>(QStringLiteral("language"));
    const int spanish = languages->findText(QString::fromUtf8("Español de España"));
    QVERIFY(spanish >= 0);
    languages->setCurrentIndex(spanish);
    QTRY_COMPARE(button("play")->text(), QStringLiteral("JUGAR"));
    QCOMPARE(button("check_files")->text(), QString::fromUtf8("Comprobando archivos..."));
    QCOMPARE(m_settings.value(QStringLiteral("general.ui_language")).toString(),
             languages->itemData(spanish).toString());

    // Switching tabs closes the panel.
    auto *tabs = m_window->findChild<Tabs *>();
    emit tabs->selectTab(tabs->action(1));
    QTRY_VERIFY(panel->isHidden());
}

void LauncherDialogsTest::retryPromptOpensTheDiagnostics()
{
    TestHttpServer::Response missing;
    missing.status = 404;
    m_server.serve("/update.json", missing);
    // No desktop to put the archive on: the diagnostics say so at once.
    QDir(m_home.filePath(QStringLiteral("Desktop"))).removeRecursively();
    ModalAnswerer answerer;
    connect(&answerer, &ModalAnswerer::answered, this, [this](const QString &text) {
        // After the first prompt the server has the manifest, so the retry ends well.
        if (text.endsWith(QStringLiteral("Retry?"))) {
            TestHttpServer::Response ok;
            ok.body = manifest();
            m_server.serve("/update.json", ok);
        }
    });
    answerer.queue({StyledMessageBox::Ok, StyledMessageBox::Ok});
    m_window = std::make_unique<Launcher>(&m_settings, false);
    m_window->show();
    QTRY_VERIFY_WITH_TIMEOUT(button("play")->isEnabled(), 20000);
    QCOMPARE(answerer.texts.size(), 2);
    QVERIFY2(answerer.texts.first().endsWith(QStringLiteral("Retry?")), qPrintable(answerer.texts.first()));
    QCOMPARE(answerer.buttons.first(), QStringLiteral("Diagnostics...|Yes|Exit"));
    QVERIFY2(answerer.texts.last().contains(QStringLiteral("does not exist")),
             qPrintable(answerer.texts.last()));
    QVERIFY(!QFileInfo::exists(m_home.filePath(QStringLiteral("Desktop"))));
}

void LauncherDialogsTest::installModeRunsTheInstaller()
{
    QVERIFY(QResource::registerResource(QStringLiteral(EULA_RCC)));
    TestHttpServer::Response ok;
    ok.body = manifest();
    m_server.serve("/update.json", ok);
    // What the installer shows once the agreement is accepted: the player's own folder and the
    // size the manifest of the start-up names.
    QString seen;
    answerNextModal(this, [this, &seen](QWidget *agreement) {
        auto *eula = qobject_cast<EulaDialog *>(agreement);
        if (!eula)
            return;
        answerNextModal(this, [&seen](QWidget *modal) {
            auto *installer = qobject_cast<InstallDialog *>(modal);
            if (!installer)
                return;
            QTRY_COMPARE(installer->findChild<QLabel *>(QStringLiteral("wizard_size"))->text(),
                         formatSize(123456789));
            seen = installer->path();
            installer->done(QDialog::Rejected);
        });
        eula->acceptButton()->click();
    });
    // The start-up fetches the manifest while the window runs in install mode.
    QVERIFY(
        AutoUpdate::instance()->check({m_server.url(QStringLiteral("/update.json"))}, AutoUpdate::Mode::FetchOnly));
    m_window = std::make_unique<Launcher>(&m_settings, true);
    m_window->show();
    QTRY_COMPARE_WITH_TIMEOUT(seen, QDir(m_home.path()).filePath(QStringLiteral("Games/GD7_EN")), 15000);
    QResource::unregisterResource(QStringLiteral(EULA_RCC));
    // The installer's end ends the application's loops; let later ones run again.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

QTEST_MAIN(LauncherDialogsTest)
#include "tst_launcherdialogs.moc"
