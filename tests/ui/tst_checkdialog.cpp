// The file check dialog over a real installed game: the package file and the recovery tree served
// by nginx on 127.0.0.1, damaged files fetched through a real torrent session with web seeds, and
// every message box answered as a player would.
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "tests/patch/recoveryfixture.h"
#include "tests/patch/testfiles.h"
#include "tests/torrent/torrenttestkit.h"
#include "tests/ui/modalanswerer.h"
#include "ui/checkdialog.h"
#include "ui/checkoutcome.h"
#include "ui/styledmessagebox.h"

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

const Version Installed(1, 2, 345);
const QString ExactId = QStringLiteral("gd7-full-1.2.345");
const QString NewerId = QStringLiteral("gd7-full-1.3.0");
constexpr int PieceSize = 16384;
constexpr int Yes = StyledMessageBox::Yes;
constexpr int No = StyledMessageBox::No;
constexpr int Ok = StyledMessageBox::Ok;

QByteArray pattern(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 9)) & 0xff);
    return bytes;
}

} // namespace

class CheckDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nothingDamagedSaysSo();
    void damagedFilesAreRecoveredThroughWebSeeds_data();
    void damagedFilesAreRecoveredThroughWebSeeds();
    void moreThanHalfDamagedAsksForReinstall();
    void noGameFolderAsksForReinstall();
    void cancelAsksAndNoKeepsChecking();
    void cancelAndYesStopsTheCheck();
    void checkEndingDuringTheQuestionWaitsForTheAnswer_data();
    void checkEndingDuringTheQuestionWaitsForTheAnswer();
    void recoveryEndMessages_data();
    void recoveryEndMessages();
    void decisions_data();
    void decisions();

private:
    // Installs the game files, serves their recovery tree, package file and torrent under the
    // content id; returns the manifest content (with its "size").
    QJsonObject publish(const QString &contentId, const QString &versionTo, qint64 size,
                        const QString &extraServerConfig = QString());
    // Runs the dialog to its end; the events are the signals and box texts in order.
    int run(CheckDialog &dialog, const QList<int> &answers, QStringList *events);

    QTranslator m_translator;
    QMap<QString, QByteArray> m_files;
    std::unique_ptr<RecoveryFixture> m_fixture;
};

void CheckDialogTest::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/Language/en/translation")));
    QCoreApplication::installTranslator(&m_translator);
    TorrentSession::setLoopbackOnly(true);
    for (int i = 0; i < 6; ++i)
        m_files.insert(QStringLiteral("data/part%1.bin").arg(i), pattern(30000 + i * 7001, i));
    m_files.insert(QString::fromUtf8("data/säve game.bin"), pattern(45000, 17));
    m_files.insert(QStringLiteral("gd7_x64.exe"), pattern(100000, 99));
}

void CheckDialogTest::init()
{
    m_fixture = std::make_unique<RecoveryFixture>();
    gameProduct.version = Installed;
}

void CheckDialogTest::cleanup()
{
    m_fixture.reset();
}

QJsonObject CheckDialogTest::publish(const QString &contentId, const QString &versionTo, qint64 size,
                                     const QString &extraServerConfig)
{
    RecoveryFixture &f = *m_fixture;
    if (!f.start(extraServerConfig))
        return QJsonObject();
    QJsonArray entries;
    for (auto it = m_files.begin(); it != m_files.end(); ++it) {
        entries.append(f.installFile(it.key(), it.value()));
        writeAll(f.recoverFile(contentId, it.key()), it.value());
    }
    f.publishPackage(contentId, entries);
    writeAll(f.webFile(QStringLiteral("torrents/") + contentId + QStringLiteral(".torrent")),
             makeTorrent(f.webFile(QStringLiteral("recover/") + contentId), PieceSize));
    QJsonObject content = f.content(contentId, versionTo);
    content.insert(QStringLiteral("size"), size);
    content.insert(
        QStringLiteral("recover_torrents"),
        QJsonArray{f.url(QStringLiteral("torrents/") + contentId + QStringLiteral(".torrent")).toString()});
    return content;
}

int CheckDialogTest::run(CheckDialog &dialog, const QList<int> &answers, QStringList *events)
{
    ModalAnswerer answerer;
    answerer.queue(answers);
    connect(&answerer, &ModalAnswerer::answered, this,
            [events](const QString &text) { events->append(text); });
    connect(&dialog, &CheckDialog::reinstallGame, this,
            [events] { events->append(QStringLiteral("reinstallGame")); });
    connect(&dialog, &CheckDialog::updateContentInstalled, this,
            [events](const QString &product, const QString &content) {
                events->append(QStringLiteral("updateContentInstalled ") + product + QLatin1Char(' ') +
                               content);
            });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &dialog, [&dialog, events] {
        events->append(QStringLiteral("timed out"));
        dialog.done(-1);
    });
    guard.start(90000);
    const int result = dialog.exec();
    if (answerer.pending() != 0)
        events->append(QStringLiteral("unanswered: %1").arg(answerer.pending()));
    return result;
}

void CheckDialogTest::nothingDamagedSaysSo()
{
    const QJsonObject content = publish(ExactId, QStringLiteral("1.2.345"), 10000000);
    QVERIFY(!content.isEmpty());
    CheckDialog dialog(RecoveryFixture::manifest({content}));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Checking game files"));
    QStringList events;
    QCOMPARE(run(dialog, {Ok}, &events), int(QDialog::Rejected));
    QCOMPARE(events, QStringList{QStringLiteral("All files have been successfully checked.")});
}

void CheckDialogTest::damagedFilesAreRecoveredThroughWebSeeds_data()
{
    QTest::addColumn<bool>("onlyNewer");
    QTest::newRow("content of the installed version") << false;
    QTest::newRow("only a newer content") << true;
}

void CheckDialogTest::damagedFilesAreRecoveredThroughWebSeeds()
{
    QFETCH(bool, onlyNewer);
    QTemporaryDir logs;
    const QString accessLog = logs.filePath(QStringLiteral("access.log"));
    const QString id = onlyNewer ? NewerId : ExactId;
    const QJsonObject content = publish(id, onlyNewer ? QStringLiteral("1.3.0") : QStringLiteral("1.2.345"),
                                        10000000, QStringLiteral("access_log %1;").arg(accessLog));
    QVERIFY(!content.isEmpty());
    RecoveryFixture &f = *m_fixture;
    // Three damaged files: one gone, one changed in a byte, one cut short.
    QVERIFY(QFile::remove(f.gameFile(QStringLiteral("data/part1.bin"))));
    QByteArray changed = m_files.value(QString::fromUtf8("data/säve game.bin"));
    changed[2000] = char(changed[2000] ^ 0x55);
    QVERIFY(writeAll(f.gameFile(QString::fromUtf8("data/säve game.bin")), changed));
    QVERIFY(QFile::resize(f.gameFile(QStringLiteral("gd7_x64.exe")), 5000));

    CheckDialog dialog(RecoveryFixture::manifest({content}));
    QStringList events;
    run(dialog, {Yes, Ok}, &events);
    QStringList expected{QStringLiteral("Damaged files were found! Start recovery?")};
    if (onlyNewer)
        expected << QStringLiteral("updateContentInstalled gd7 ") + NewerId;
    expected << QStringLiteral("Game file recovery has been successfully completed.");
    QCOMPARE(events, expected);
    for (auto it = m_files.begin(); it != m_files.end(); ++it)
        QVERIFY2(readAll(f.gameFile(it.key())) == it.value(), qPrintable(it.key()));
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));
    // The files came from the web seed, not from elsewhere.
    QVERIFY(readAll(accessLog).contains("/recover/" + id.toUtf8() + "/gd7_x64.exe"));
}

void CheckDialogTest::moreThanHalfDamagedAsksForReinstall()
{
    // Half of 150000 is less than the 155000 damaged bytes below.
    const QJsonObject content = publish(ExactId, QStringLiteral("1.2.345"), 150000);
    QVERIFY(!content.isEmpty());
    RecoveryFixture &f = *m_fixture;
    QVERIFY(QFile::remove(f.gameFile(QStringLiteral("gd7_x64.exe"))));
    QVERIFY(QFile::remove(f.gameFile(QStringLiteral("data/part5.bin"))));
    const QByteArray part0 = readAll(f.gameFile(QStringLiteral("data/part0.bin")));

    CheckDialog dialog(RecoveryFixture::manifest({content}));
    QStringList events;
    run(dialog, {Yes}, &events);
    QCOMPARE(events, (QStringList{QStringLiteral("Damaged files were found! Start recovery?"),
                                  QStringLiteral("reinstallGame")}));
    QVERIFY(!QFileInfo::exists(f.gameFile(QStringLiteral("gd7_x64.exe"))));
    QCOMPARE(readAll(f.gameFile(QStringLiteral("data/part0.bin"))), part0);
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));
}

void CheckDialogTest::noGameFolderAsksForReinstall()
{
    const QJsonObject content = publish(ExactId, QStringLiteral("1.2.345"), 10000000);
    QVERIFY(!content.isEmpty());
    QVERIFY(QDir(Paths::gameFolder()).removeRecursively());

    CheckDialog dialog(RecoveryFixture::manifest({content}));
    QStringList events;
    run(dialog, {Yes}, &events);
    QCOMPARE(events, (QStringList{QStringLiteral("Damaged files were found! Start recovery?"),
                                  QStringLiteral("reinstallGame")}));
    QVERIFY(!QFileInfo::exists(Paths::gameFolder()));

    // Declining the repair leaves it at that.
    CheckDialog declined(RecoveryFixture::manifest({content}));
    events.clear();
    run(declined, {No}, &events);
    QCOMPARE(events, QStringList{QStringLiteral("Damaged files were found! Start recovery?")});
}

void CheckDialogTest::cancelAsksAndNoKeepsChecking()
{
    // A package file served slowly keeps the check busy while the player presses Cancel.
    const QJsonObject content =
        publish(ExactId, QStringLiteral("1.2.345"), 10000000, QStringLiteral("limit_rate 600;"));
    QVERIFY(!content.isEmpty());
    CheckDialog dialog(RecoveryFixture::manifest({content}));
    QStringList events;
    ModalAnswerer answerer;
    connect(&answerer, &ModalAnswerer::answered, this,
            [&events](const QString &text) { events.append(text); });
    QTimer::singleShot(300, &dialog, [&dialog, &answerer] {
        answerer.queue({No});
        dialog.findChild<QPushButton *>(QStringLiteral("cancel"))->click();
    });
    QTimer::singleShot(20000, &dialog, [&dialog] { dialog.done(-1); });
    // After the No, the check goes on to its end and reports it.
    QTimer::singleShot(400, &answerer, [&answerer] { answerer.queue({Ok}); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(events, (QStringList{QStringLiteral("Are you sure you want to abort file checking?"),
                                  QStringLiteral("All files have been successfully checked.")}));
}

void CheckDialogTest::cancelAndYesStopsTheCheck()
{
    const QJsonObject content =
        publish(ExactId, QStringLiteral("1.2.345"), 10000000, QStringLiteral("limit_rate 600;"));
    QVERIFY(!content.isEmpty());
    QStringList events;
    ModalAnswerer answerer;
    connect(&answerer, &ModalAnswerer::answered, this,
            [&events](const QString &text) { events.append(text); });
    // Yes closes at once, and nothing of the stopped check shows up afterwards.
    CheckDialog cancelled(RecoveryFixture::manifest({content}));
    QTimer::singleShot(20000, &cancelled, [&cancelled] { cancelled.done(-1); });
    QTimer::singleShot(300, &cancelled, [&cancelled, &answerer] {
        // OK would answer a result box, were one to come.
        answerer.queue({Yes, Ok});
        cancelled.findChild<QPushButton *>(QStringLiteral("cancel"))->click();
    });
    QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
    // An end the checker posted just before it was stopped arrives after the close.
    QVERIFY(QMetaObject::invokeMethod(&cancelled, "_onCheckEnd", Qt::QueuedConnection, Q_ARG(int, 0)));
    QTest::qWait(300);
    QCOMPARE(events, QStringList{QStringLiteral("Are you sure you want to abort file checking?")});
}

void CheckDialogTest::checkEndingDuringTheQuestionWaitsForTheAnswer_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("boxes");
    const QString question = QStringLiteral("Are you sure you want to abort file checking?");
    QTest::newRow("No: the result follows the question")
        << No << QStringList{question, QStringLiteral("All files have been successfully checked.")};
    QTest::newRow("Yes: nothing follows") << Yes << QStringList{question};
}

// The check ends while the abort question is open: its result waits for the answer instead of
// opening over the question.
void CheckDialogTest::checkEndingDuringTheQuestionWaitsForTheAnswer()
{
    QFETCH(int, answer);
    const QJsonObject content =
        publish(ExactId, QStringLiteral("1.2.345"), 10000000, QStringLiteral("limit_rate 600;"));
    QVERIFY(!content.isEmpty());
    CheckDialog dialog(RecoveryFixture::manifest({content}));
    auto *checker = dialog.findChild<Checker *>();
    QVERIFY(checker);
    QSignalSpy ended(checker, &Checker::ended);
    QStringList events;
    ModalAnswerer answerer;
    connect(&answerer, &ModalAnswerer::answered, this,
            [&events](const QString &text) { events.append(text); });
    QTimer::singleShot(0, &dialog,
                       [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("cancel"))->click(); });
    // Once the end has been delivered under the open question, the player answers it.
    QTimer watch;
    connect(&watch, &QTimer::timeout, &dialog, [&] {
        if (ended.isEmpty() || !qobject_cast<StyledMessageBox *>(QApplication::activeModalWidget()))
            return;
        watch.stop();
        QCoreApplication::sendPostedEvents(&dialog, QEvent::MetaCall);
        answerer.queue({answer, Ok});
    });
    watch.start(20);
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(-1); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QTest::qWait(300);
    QTEST(events, "boxes");
}

void CheckDialogTest::recoveryEndMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("0 done") << 0 << "Game file recovery has been successfully completed.";
    QTest::newRow("4 done, scratch left") << 4 << "Game file recovery has been successfully completed.";
    QTest::newRow("1 no information") << 1 << "No information about the game file recovery was found.";
    QTest::newRow("2 torrent failed") << 2 << "An error occurred while restoring the game files.";
    QTest::newRow("3 copy failed") << 3 << "An error occurred while restoring the game files.";
    QTest::newRow("5 session error") << 5 << "An error occurred while restoring the game files.";
    QTest::newRow("-1 stopped") << -1 << "";
}

void CheckDialogTest::recoveryEndMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    CheckDialog dialog{UpdateInfo()};
    auto *recoverer = dialog.findChild<Recoverer *>();
    QVERIFY(recoverer);
    ModalAnswerer answerer;
    answerer.queue({Ok});
    QSignalSpy installed(&dialog, &CheckDialog::updateContentInstalled);
    dialog.show();
    emit recoverer->ended(code);
    QVERIFY(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 5000));
    QCOMPARE(answerer.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(installed.size(), 0);
}

void CheckDialogTest::decisions_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("damaged");
    QTest::addColumn<bool>("hasGame");
    QTest::addColumn<bool>("hasContent");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("damagedBytes");
    QTest::addColumn<int>("checkEnd");
    QTest::addColumn<int>("repair");

    using namespace checkoutcome;
    const int ask = int(CheckEnd::AskRepair);
    QTest::newRow("check failed") << -1 << 0 << true << true << 100LL << 0LL
                                  << int(CheckEnd::ShowInfoNotFound) << int(Repair::Recover);
    QTest::newRow("all valid") << 0 << 0 << true << true << 100LL << 0LL << int(CheckEnd::ShowValid)
                               << int(Repair::Recover);
    QTest::newRow("exactly half") << 0 << 2 << true << true << 101LL << 50LL << ask << int(Repair::Recover);
    QTest::newRow("one byte over half")
        << 0 << 2 << true << true << 101LL << 51LL << ask << int(Repair::Reinstall);
    QTest::newRow("no game folder") << 0 << 0 << false << false << 0LL << 0LL << ask
                                    << int(Repair::Reinstall);
    QTest::newRow("no recovery content")
        << 0 << 1 << true << false << 0LL << 1LL << ask << int(Repair::ShowInfoNotFound);
}

void CheckDialogTest::decisions()
{
    QFETCH(int, error);
    QFETCH(int, damaged);
    QFETCH(bool, hasGame);
    QFETCH(bool, hasContent);
    QFETCH(qint64, size);
    QFETCH(qint64, damagedBytes);
    QFETCH(int, checkEnd);
    QFETCH(int, repair);
    QCOMPARE(int(checkoutcome::afterCheck(error, damaged, hasGame)), checkEnd);
    QCOMPARE(int(checkoutcome::afterRepairAccepted(hasGame, hasContent, size, damagedBytes)), repair);
}

QTEST_MAIN(CheckDialogTest)
#include "tst_checkdialog.moc"
