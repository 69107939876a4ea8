// The installation wizard into a scratch home with blanks and non-ASCII characters: the real
// install worker, desktop entries checked by desktop-file-validate, the new copy's settings, the
// installed launcher started (a probe), folders that cannot take the game, and a player's account.
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "platform/launcherfiles.h"
#include "tests/install/testhome.h"
#include "tests/support/modalanswer.h"
#include "tests/support/testhttpserver.h"
#include "tests/ui/modalanswerer.h"
#include "tests/ui/playerrun.h"
#include "ui/installdialog.h"
#include "ui/installpathcheck.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"
#include "update/formatting.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QJsonDocument>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Menu = QStringLiteral(".local/share/applications/GD7Launcher.desktop");
const QString DesktopLink = QStringLiteral("Desktop/GD7Launcher.desktop");

QString validationErrors(const QString &path)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validate.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not finish");
    return validate.exitCode() == 0 ? QString() : QString::fromUtf8(validate.readAll()) + path;
}

// A successful installation ends the application's event loops, as the installer then exits;
// the test program runs the application loop once, which lets later loops run again.
void resumeEventLoops()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

} // namespace

class InstallDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void installsStartsAndWritesSettings_data();
    void installsStartsAndWritesSettings();
    void unusableFoldersInstallNothing_data();
    void unusableFoldersInstallNothing();
    void pathCheckEdges_data();
    void pathCheckEdges();
    void folderPickerIsTheStyledOne();
    void manifestSizeReplacesTheDefault();
    void closingAsksFirst();
    void installsAsPlayer();

private:
    QLabel *error(InstallDialog &dialog) const
    {
        return dialog.findChild<QLabel *>(QStringLiteral("wizard_label_error"));
    }
    QString events() const { return m_home->outsidePath(QStringLiteral("events.jsonl")); }

    std::unique_ptr<TestHome> m_home;
    QString m_source;
};

void InstallDialogTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    // The running program's folder, which the installer copies; its launcher is a probe that
    // notes that it was started.
    m_source = m_home->outsidePath(QStringLiteral("running launcher/"));
    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        QVERIFY(TestHome::writeFile(m_source + name, name.toUtf8()));
    const QString launcher = m_source + platform::executableFileName(QStringLiteral("GD7Launcher.exe"));
    QFile::remove(launcher);
    QVERIFY(QFile::copy(QStringLiteral(LAUNCHER_PROBE), launcher));
    Paths::setApplicationFolder(m_source);
    qputenv("GD7_PROBE_EVENTS", QFile::encodeName(events()));
}

void InstallDialogTest::init()
{
    QFile::remove(events());
}

void InstallDialogTest::installsStartsAndWritesSettings_data()
{
    QTest::addColumn<bool>("desktop");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QString>("folder");
    QTest::newRow("both entries") << true << true << QString::fromUtf8("Games/Glimmer deep – Tiefe 游戏");
    QTest::newRow("menu only") << false << true << QStringLiteral("Games/menu only");
    QTest::newRow("no entries") << false << false << QStringLiteral("other place/GD7");
}

void InstallDialogTest::installsStartsAndWritesSettings()
{
    QFETCH(bool, desktop);
    QFETCH(bool, menu);
    QFETCH(QString, folder);
    const QString target = m_home->filePath(folder);
    for (const QString &link : {Menu, DesktopLink})
        QFile::remove(m_home->filePath(link));
    InstallDialog dialog;
    dialog.setPath(target);
    dialog.setRequiredSize(1000000);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Glimmerdeep installation"));
    QCOMPARE(error(dialog)->text(), QString());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_size"))->text(), QStringLiteral("977 kB"));
    if (!desktop)
        dialog.findChild<QCheckBox *>(QStringLiteral("desktop_shortcut"))->click();
    if (!menu)
        dialog.findChild<QCheckBox *>(QStringLiteral("menu_items"))->click();
    QTimer::singleShot(0, &dialog,
                       [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("install"))->click(); });
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(-1); });
    const int result = dialog.exec();
    resumeEventLoops();
    QCOMPARE(result, int(QDialog::Accepted));

    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        QVERIFY2(QFileInfo::exists(target + QLatin1Char('/') + name), qPrintable(name));
    QCOMPARE(QFileInfo::exists(m_home->filePath(DesktopLink)), desktop);
    QCOMPARE(QFileInfo::exists(m_home->filePath(Menu)), menu);
    QVERIFY(!QFileInfo::exists(m_home->filePath(QStringLiteral(".config/Microsoft"))));
    for (const QString &link : {Menu, DesktopLink}) {
        if (!QFileInfo::exists(m_home->filePath(link)))
            continue;
        const QString errors = validationErrors(m_home->filePath(link));
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
    }
    JsonSettings settings;
    QVERIFY(settings.load(target + QStringLiteral("/GD7Launcher.conf")));
    QCOMPARE(settings.value(QStringLiteral("eula_accepted")).toInt(), 20171002);
    QCOMPARE(settings.value(QStringLiteral("install_path")).toString(), target);
    // The installed copy was started, from its own folder.
    QTRY_VERIFY_WITH_TIMEOUT(!TestHome::readJsonLines(events()).isEmpty(), 10000);
    const QJsonObject started = TestHome::readJsonLines(events()).first();
    QCOMPARE(started.value(QStringLiteral("event")).toString(), QStringLiteral("started"));
    QCOMPARE(QDir(started.value(QStringLiteral("folder")).toString()).canonicalPath(),
             QDir(target).canonicalPath());
    QCOMPARE(started.value(QStringLiteral("args")).toArray(), QJsonArray());
}

void InstallDialogTest::unusableFoldersInstallNothing_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("required");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Path is not valid");
    QTest::newRow("larger than the free space")
        << "Games/GD7_EN" << (qint64(1) << 60)
        << "Not enough disk space. Select a different installation path.";
    QTest::newRow("relative path") << "@relative/Games/GD7_EN" << qint64(1000) << invalid;
    QTest::newRow("path into a file") << "Desktop/notes.txt/GD7_EN" << qint64(1000) << invalid;
    QTest::newRow("mount that is not there")
        << "@/media/gd7-no-such-drive/Games/GD7_EN" << qint64(1000) << invalid;
    QTest::newRow("empty") << "@" << qint64(1000) << invalid;
}

void InstallDialogTest::unusableFoldersInstallNothing()
{
    QFETCH(QString, folder);
    QFETCH(qint64, required);
    QFETCH(QString, message);
    const QString target = folder.startsWith(QLatin1Char('@')) ? folder.mid(1) : m_home->filePath(folder);
    const auto before = m_home->snapshot();
    InstallDialog dialog;
    dialog.setPath(target);
    dialog.setRequiredSize(required);
    QCOMPARE(error(dialog)->text(), message);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_size"))->property("short").toBool(),
             message.startsWith(QStringLiteral("Not enough")));

    ModalAnswerer answerer;
    answerer.queue({StyledMessageBox::Ok});
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("install")), Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(TestHome::differences(before, m_home->snapshot()), QString());
    QTest::qWait(200);
    QVERIFY(TestHome::readJsonLines(events()).isEmpty());
}

void InstallDialogTest::pathCheckEdges_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("required");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");
    QTest::newRow("new folder under an existing one") << "Games/new/GD7" << qint64(1) << true << "";
    QTest::newRow("two levels not there")
        << "Games/a/b/GD7" << qint64(1) << false << "InstallDlgErrPathInvalid";
    QTest::newRow("more than any disk")
        << "Games/GD7" << (qint64(1) << 60) << false << "InstallDlgErrOutOfSpace";
    QTest::newRow("root folder itself") << "@/" << qint64(1) << true << "";
    QTest::newRow("dot-dot is resolved") << "Games/x/../GD7" << qint64(1) << true << "";
}

void InstallDialogTest::pathCheckEdges()
{
    QFETCH(QString, folder);
    QFETCH(qint64, required);
    QFETCH(bool, ok);
    QFETCH(QString, error);
    const QString target = folder.startsWith(QLatin1Char('@')) ? folder.mid(1) : m_home->filePath(folder);
    const InstallPathCheck check = InstallPathCheck::run(target, required);
    QCOMPARE(check.ok, ok);
    QCOMPARE(check.errorKey, error);
    QCOMPARE(check.spaceShort, error == QLatin1String("InstallDlgErrOutOfSpace"));
    // The free space of a shared disk moves, so its boundary is checked on the numbers alone.
    QVERIFY(InstallPathCheck::isSpaceShort(5000, 5000));
    QVERIFY(!InstallPathCheck::isSpaceShort(4999, 5000));
}

void InstallDialogTest::folderPickerIsTheStyledOne()
{
    InstallDialog dialog;
    dialog.setPath(m_home->filePath(QStringLiteral("Games/GD7_EN")));
    dialog.setRequiredSize(1000);
    dialog.show();
    // What the player sees of the picker, read while it is open.
    QString seen;
    answerNextModal(&dialog, [&seen, this](QWidget *modal) {
        auto *picker = qobject_cast<QFileDialog *>(modal);
        if (!picker)
            return;
        seen = QStringLiteral("%1 %2 %3")
                   .arg(picker->windowTitle())
                   .arg(picker->testOption(QFileDialog::DontUseNativeDialog))
                   .arg(picker->testOption(QFileDialog::ShowDirsOnly));
        picker->setDirectory(m_home->filePath(QStringLiteral("Desktop")));
        picker->selectFile(m_home->filePath(QStringLiteral("Desktop")));
        static_cast<QDialog *>(picker)->accept();
    });
    dialog.findChild<QPushButton *>(QStringLiteral("path_btn"))->click();
    QCOMPARE(seen, QStringLiteral("Select Installation Path 1 1"));
    QCOMPARE(dialog.path(), m_home->filePath(QStringLiteral("Desktop")));
    QCOMPARE(error(dialog)->text(), QString());
}

void InstallDialogTest::manifestSizeReplacesTheDefault()
{
    // The size the manifest names arrives once the start-up's manifest fetch ends.
    TestHttpServer server;
    QVERIFY(server.start());
    const QJsonObject game{{"version", "1.0.0"}, {"size", qint64(1) << 58}, {"content", QJsonArray()}};
    server.serveFile("/update.json", QJsonDocument(QJsonObject{{"gd7", game}}).toJson());
    InstallDialog dialog;
    dialog.setPath(m_home->filePath(QStringLiteral("Games/GD7_EN")));
    dialog.setRequiredSize(9163421575);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_size"))->text(), QStringLiteral("8.53 GB"));
    QCOMPARE(error(dialog)->text(), QString());
    // Before any manifest there is nothing to take.
    dialog.updateCheckFinished();
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_size"))->text(), QStringLiteral("8.53 GB"));

    AutoUpdate *update = AutoUpdate::instance();
    connect(update, &AutoUpdate::updateFinish, &dialog, &InstallDialog::updateCheckFinished,
            Qt::QueuedConnection);
    QVERIFY(update->check({server.url(QStringLiteral("/update.json"))}, AutoUpdate::Mode::FetchOnly));
    QTRY_COMPARE(dialog.findChild<QLabel *>(QStringLiteral("wizard_size"))->text(),
                 formatSize(qint64(1) << 58));
    // The folder is checked again against the new size.
    QCOMPARE(error(dialog)->text(),
             QStringLiteral("Not enough disk space. Select a different installation path."));
    AutoUpdate::destroyInstance();
}

void InstallDialogTest::closingAsksFirst()
{
    InstallDialog dialog;
    dialog.setPath(m_home->filePath(QStringLiteral("Games/GD7_EN")));
    dialog.show();
    ModalAnswerer answerer;
    answerer.queue({StyledMessageBox::No});
    dialog.reject();
    QCOMPARE(answerer.texts, QStringList{QStringLiteral("Program will exit. Do you want to continue?")});
    QVERIFY(dialog.isVisible());
    answerer.queue({StyledMessageBox::Yes});
    dialog.reject();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!QFileInfo::exists(m_home->filePath(QStringLiteral("Games/GD7_EN"))));
}

void InstallDialogTest::installsAsPlayer()
{
    if (playerrun::needed()) {
        QString output;
        QVERIFY2(playerrun::run(QStringLiteral("installsAsPlayer"), &output), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("PASS   : InstallDialogTest::installsAsPlayer()")),
                 qPrintable(output));
        return;
    }
    // The proposed folder is the player's own; the root of the system is not.
    const QString proposed = InstallDialog::defaultFolder();
    QCOMPARE(proposed, m_home->filePath(QStringLiteral("Games/GD7_EN")));
    const InstallPathCheck root = InstallPathCheck::run(QStringLiteral("/Games/GD7_EN"), 1000);
    QCOMPARE(root.errorKey, QStringLiteral("InstallDlgErrPathReadonly"));
    QVERIFY(QDir().mkpath(m_home->filePath(QStringLiteral("locked"))));
    QVERIFY(QFile::setPermissions(m_home->filePath(QStringLiteral("locked")),
                                  QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(InstallPathCheck::run(m_home->filePath(QStringLiteral("locked/GD7")), 1000).errorKey,
             QStringLiteral("InstallDlgErrPathReadonly"));

    InstallDialog dialog;
    dialog.setPath(proposed);
    dialog.setRequiredSize(1000000);
    QTimer::singleShot(0, &dialog,
                       [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("install"))->click(); });
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(-1); });
    const int result = dialog.exec();
    resumeEventLoops();
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(QFileInfo::exists(proposed + QStringLiteral("/GD7Launcher.conf")));
    QVERIFY(QFileInfo::exists(m_home->filePath(DesktopLink)));
    QTRY_VERIFY_WITH_TIMEOUT(!TestHome::readJsonLines(events()).isEmpty(), 10000);
}

QTEST_MAIN(InstallDialogTest)
#include "tst_installdialog.moc"
