// The diagnostics dialog with every probed host on 127.0.0.1, the archive revealed through a file
// manager stand-in on a private session bus, cancelling, and desktops that cannot take the file.
#include "app/deploymentconfig.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "diag/diagnostics.h"
#include "platform/filereveal.h"
#include "tests/patch/testfiles.h"
#include "tests/support/privatesessionbus.h"
#include "tests/ui/modalanswerer.h"
#include "tests/ui/playerrun.h"
#include "tests/ui/urlrecorder.h"
#include "ui/diagdialog.h"
#include "ui/styledmessagebox.h"

#include <QDesktopServices>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr int Yes = StyledMessageBox::Yes;
constexpr int No = StyledMessageBox::No;
constexpr int Ok = StyledMessageBox::Ok;

QByteArray loopbackDeployment()
{
    const QStringList roles{"W-home",    "W-intl",    "W-r1",     "W-r2",  "W-r3",  "W-r4", "API-home",
                            "API2-home", "API3-home", "API-intl", "CDN-a", "CDN-b", "CDN-c"};
    QJsonObject hosts;
    for (const QString &role : roles)
        hosts.insert(role, QStringLiteral("127.0.0.1"));
    const QJsonArray servers{"127.0.0.1", "127.0.0.1", "127.0.0.1", "127.0.0.1", "127.0.0.1"};
    const QJsonObject root{{"mirrors", QJsonArray{"http://127.0.0.1:9/update.json"}},
                           {"diagnostics", QJsonObject{{"hosts", hosts}, {"servers", servers}}}};
    return QJsonDocument(root).toJson();
}

} // namespace

class DiagDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void archiveIsMadeNamedAndRevealed();
    void okLeavesTheFileAlone();
    void cancelWithConfirmationLeavesNoArchive();
    void cancelAndNoKeepsRunning();
    void unusableDesktopIsRefused_data();
    void unusableDesktopIsRefused();
    void revealOnlyShowsLocalFiles_data();
    void revealOnlyShowsLocalFiles();
    void endDecisions_data();
    void endDecisions();

private:
    QString desktop() const { return m_home.path() + QStringLiteral("/Desktop/"); }
    QStringList archives() const { return QDir(desktop()).entryList({QStringLiteral("*.7z")}, QDir::Files); }
    bool startFileManager();
    void stopFileManager();
    QList<QJsonObject> fileManagerCalls() const;
    // Runs a dialog with short probes to its end, answering the boxes in order.
    int run(DiagDialog &dialog, const QList<int> &answers, ModalAnswerer &answerer);

    QTemporaryDir m_home;
    QTemporaryDir m_app;
    PrivateSessionBus m_bus;
    QProcess m_fileManager;
    QString m_calls;
    UrlRecorder m_urls;
    QTranslator m_translator;
};

void DiagDialogTest::initTestCase()
{
    QVERIFY(m_home.isValid() && m_app.isValid());
    QVERIFY(m_translator.load(QStringLiteral(":/Language/en/translation")));
    QCoreApplication::installTranslator(&m_translator);
    qputenv("HOME", m_home.path().toUtf8());
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(name);
    const QString config = m_home.filePath(QStringLiteral("deployment.json"));
    QVERIFY(writeAll(config, loopbackDeployment()));
    QVERIFY(DeploymentConfig::loadInstance(config));
    Paths::setApplicationFolder(m_app.path());
    QVERIFY(writeAll(Paths::logPath(), "launcher log\n"));
    QVERIFY(m_bus.start());
    m_calls = m_home.filePath(QStringLiteral("filemanager.jsonl"));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
}

void DiagDialogTest::init()
{
    QDir(desktop()).removeRecursively();
    QVERIFY(QDir().mkpath(desktop()));
    QFile::remove(m_calls);
    m_urls.urls.clear();
    QVERIFY(startFileManager());
}

void DiagDialogTest::cleanup()
{
    stopFileManager();
    QFile::setPermissions(desktop(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool DiagDialogTest::startFileManager()
{
    m_fileManager.setProgram(QStringLiteral(FILEMANAGER_PROBE));
    m_fileManager.setArguments({m_calls});
    m_fileManager.start();
    return m_fileManager.waitForReadyRead(10000) && m_fileManager.readLine().trimmed() == "ready";
}

void DiagDialogTest::stopFileManager()
{
    if (m_fileManager.state() == QProcess::NotRunning)
        return;
    m_fileManager.terminate();
    m_fileManager.waitForFinished(5000);
}

QList<QJsonObject> DiagDialogTest::fileManagerCalls() const
{
    QList<QJsonObject> calls;
    QFile file(m_calls);
    if (!file.open(QIODevice::ReadOnly))
        return calls;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            calls.append(QJsonDocument::fromJson(line).object());
    }
    return calls;
}

int DiagDialogTest::run(DiagDialog &dialog, const QList<int> &answers, ModalAnswerer &answerer)
{
    Diagnostics::Options options;
    options.pingCount = 1;
    options.traceCycles = 1;
    options.nameServer = QStringLiteral("127.0.0.1");
    options.batchTimeLimitMs = 30000;
    dialog.diagnostics()->setOptions(options);
    answerer.queue(answers);
    QTimer::singleShot(120000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

void DiagDialogTest::archiveIsMadeNamedAndRevealed()
{
    DiagDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Diagnostics"));
    ModalAnswerer answerer;
    QCOMPARE(run(dialog, {Yes}, answerer), int(QDialog::Rejected));
    const QStringList made = archives();
    QCOMPARE(made.size(), 1);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().startsWith(QStringLiteral("Diagnostics completed. ")),
             qPrintable(answerer.texts.first()));
    // The message names the file, so the player can find it.
    QVERIFY(answerer.texts.first().endsWith(QLatin1Char(' ') + made.first()));
    QCOMPARE(answerer.buttons.first(), QStringLiteral("Show file ...|OK"));

    QTRY_COMPARE(fileManagerCalls().size(), 1);
    const QJsonObject call = fileManagerCalls().first();
    const QString archive = QFileInfo(desktop() + made.first()).canonicalFilePath();
    QCOMPARE(call.value(QStringLiteral("uris")).toArray(),
             QJsonArray{QUrl::fromLocalFile(archive).toString(QUrl::FullyEncoded)});
    QCOMPARE(call.value(QStringLiteral("startupId")).toString(), QString());
    QCOMPARE(m_urls.urls.size(), 0);
}

void DiagDialogTest::okLeavesTheFileAlone()
{
    DiagDialog dialog;
    ModalAnswerer answerer;
    run(dialog, {No}, answerer);
    QCOMPARE(archives().size(), 1);
    QTest::qWait(200);
    QCOMPARE(fileManagerCalls().size(), 0);
    QCOMPARE(m_urls.urls.size(), 0);
}

void DiagDialogTest::cancelWithConfirmationLeavesNoArchive()
{
    ModalAnswerer answerer;
    {
        DiagDialog dialog;
        QTimer::singleShot(500, &dialog,
                           [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("cancel"))->click(); });
        QCOMPARE(run(dialog, {Yes}, answerer), int(QDialog::Rejected));
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("Are you sure you want to abort diagnostics?")});
    } // the dialog goes and stops the run
    QTest::qWait(300);
    QCOMPARE(archives(), QStringList());
    QCOMPARE(answerer.texts.size(), 1);
}

void DiagDialogTest::cancelAndNoKeepsRunning()
{
    DiagDialog dialog;
    ModalAnswerer answerer;
    QTimer::singleShot(500, &dialog,
                       [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("cancel"))->click(); });
    run(dialog, {No, No}, answerer);
    QCOMPARE(answerer.texts.size(), 2);
    QCOMPARE(answerer.texts.first(), QStringLiteral("Are you sure you want to abort diagnostics?"));
    QVERIFY(answerer.texts.last().startsWith(QStringLiteral("Diagnostics completed.")));
    QCOMPARE(archives().size(), 1);
}

void DiagDialogTest::unusableDesktopIsRefused_data()
{
    QTest::addColumn<bool>("missing");
    QTest::newRow("no desktop folder") << true;
    QTest::newRow("read-only desktop folder") << false;
}

void DiagDialogTest::unusableDesktopIsRefused()
{
    QFETCH(bool, missing);
    if (missing) {
        QVERIFY(QDir(desktop()).removeRecursively());
    } else {
        if (playerrun::needed()) {
            QString output;
            QVERIFY2(
                playerrun::run(QStringLiteral("unusableDesktopIsRefused:read-only desktop folder"), &output),
                qPrintable(output));
            QVERIFY2(output.contains(
                         QStringLiteral("PASS   : DiagDialogTest::unusableDesktopIsRefused(read-only")),
                     qPrintable(output));
            return;
        }
        QVERIFY(QFile::setPermissions(desktop(), QFile::ReadOwner | QFile::ExeOwner));
    }
    DiagDialog dialog;
    ModalAnswerer answerer;
    QCOMPARE(run(dialog, {Ok}, answerer), int(QDialog::Rejected));
    const QString folder = QDir::toNativeSeparators(Diagnostics::archiveFolder());
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().contains(folder), qPrintable(answerer.texts.first()));
    QVERIFY(answerer.texts.first().contains(missing ? QStringLiteral("does not exist")
                                                    : QStringLiteral("cannot be written")));
    QCOMPARE(QFileInfo::exists(desktop()), !missing);
    if (!missing)
        QCOMPARE(archives(), QStringList());
}

void DiagDialogTest::revealOnlyShowsLocalFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("withFileManager");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("shown");

    QTest::newRow("file, file manager answers")
        << "Desktop/report 1.7z" << true << int(platform::RevealResult::Selected) << "Desktop/report 1.7z";
    QTest::newRow("file, no file manager")
        << "Desktop/report 1.7z" << false << int(platform::RevealResult::FolderOpened) << "Desktop";
    QTest::newRow("folder, no file manager")
        << "Desktop" << false << int(platform::RevealResult::FolderOpened) << "Desktop";
    QTest::newRow("missing file") << "Desktop/none.7z" << true << int(platform::RevealResult::Refused) << "";
    QTest::newRow("web address") << "https://www.gd7play.example/x.7z" << true
                                 << int(platform::RevealResult::Refused) << "";
    QTest::newRow("empty") << "" << true << int(platform::RevealResult::Refused) << "";
}

void DiagDialogTest::revealOnlyShowsLocalFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, withFileManager);
    QFETCH(int, result);
    QFETCH(QString, shown);
    QVERIFY(writeAll(desktop() + QStringLiteral("report 1.7z"), "7z"));
    if (!withFileManager)
        stopFileManager();
    const QString full = path.isEmpty() || path.contains(QLatin1Char(':')) ? path : m_home.filePath(path);
    QCOMPARE(int(platform::revealFile(full)), result);
    const QString shownPath =
        shown.isEmpty() ? QString() : QFileInfo(m_home.filePath(shown)).canonicalFilePath();
    QTest::qWait(100);
    if (result == int(platform::RevealResult::Selected)) {
        QCOMPARE(fileManagerCalls().size(), 1);
        QCOMPARE(fileManagerCalls().first().value(QStringLiteral("uris")).toArray().first().toString(),
                 QUrl::fromLocalFile(shownPath).toString(QUrl::FullyEncoded));
    } else {
        QCOMPARE(fileManagerCalls().size(), 0);
    }
    if (result == int(platform::RevealResult::FolderOpened))
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl::fromLocalFile(shownPath)});
    else
        QCOMPARE(m_urls.urls.size(), 0);
}

void DiagDialogTest::endDecisions_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("archiveExists");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("end");
    using End = DiagDialog::End;
    QTest::newRow("finished with archive") << 5 << true << 3 << int(End::AskShowFile);
    QTest::newRow("finished, archive gone") << 5 << false << 3 << int(End::ShowFailed);
    QTest::newRow("finished, packing failed") << 5 << false << 0 << int(End::ShowFailed);
    QTest::newRow("no temporary folder") << 0 << false << 2 << int(End::ShowFailed);
    QTest::newRow("stopped") << 0 << false << 0 << int(End::Silent);
}

void DiagDialogTest::endDecisions()
{
    QFETCH(int, step);
    QFETCH(bool, archiveExists);
    QFETCH(int, error);
    QFETCH(int, end);
    QCOMPARE(int(DiagDialog::endAction(step, archiveExists, error)), end);
}

QTEST_MAIN(DiagDialogTest)
#include "tst_diagdialog.moc"
