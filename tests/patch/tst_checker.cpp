// The game file checker against an installed game folder and package files served by nginx.
#include "app/paths.h"
#include "patch/checker.h"
#include "patch/filesha1.h"
#include "tests/patch/checkersignals.h"
#include "tests/patch/recoveryfixture.h"
#include "tests/patch/testfiles.h"
#include "tests/support/logcapture.h"

#include <QFile>
#include <QJsonArray>
#include <QtTest>

namespace {

const Version Installed(1, 2, 345);

QJsonObject entry(const QString &path, const QString &sha1, double size)
{
    return QJsonObject{
        {QStringLiteral("path"), path}, {QStringLiteral("sha1"), sha1}, {QStringLiteral("size"), size}};
}

// Runs one check to its end; returns the argument of ended, or -2 when it never came.
int runCheck(Checker &checker)
{
    CheckerSignals received(&checker);
    checker.start();
    // The body may end before anyone waits: look at what arrived rather than wait for a new one.
    if (!QTest::qWaitFor([&received] { return !received.ended.isEmpty(); }, 20000) ||
        received.ended.size() != 1)
        return -2;
    return received.ended.first();
}

// "k/N \"name\"" for every file the check named, in the order they came.
QStringList namedFiles(const QList<QList<QVariant>> &progress)
{
    QStringList named;
    for (const QList<QVariant> &args : progress) {
        if (args.at(2).toInt() == Checker::CheckingFiles && !args.at(3).toString().isEmpty())
            named.append(QStringLiteral("%1/%2 %3")
                             .arg(args.at(0).toInt())
                             .arg(args.at(1).toInt())
                             .arg(args.at(3).toString()));
    }
    return named;
}

} // namespace

class TestChecker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reportsMissingChangedAndTruncatedFiles();
    void choosesCandidate_data();
    void choosesCandidate();
    void choosesRecoveryContent_data();
    void choosesRecoveryContent();
    void normalisesPackagePaths();
    void failsWithoutPackage_data();
    void failsWithoutPackage();
    void refusesPathsOutsideTheGameFolder_data();
    void refusesPathsOutsideTheGameFolder();
    void missingGameFolderEndsCleanly();
    void pausedCheck_data();
    void pausedCheck();
    void hashesInBlocksWithCheckpoints();
    void manyFilesKeepPackageOrder();
    void stopEndsEveryHashingThread();

private:
    std::unique_ptr<RecoveryFixture> m_fixture;
};

void TestChecker::init()
{
    m_fixture = std::make_unique<RecoveryFixture>();
    QVERIFY(m_fixture->start());
}

void TestChecker::reportsMissingChangedAndTruncatedFiles()
{
    RecoveryFixture &f = *m_fixture;
    const QJsonObject intact = f.installFile(QStringLiteral("data/intact.bin"), QByteArray(70000, 'a'));
    const QJsonObject deleted = f.installFile(QStringLiteral("data/deleted.bin"), QByteArray(1000, 'b'));
    const QJsonObject changed = f.installFile(QStringLiteral("changed.bin"), QByteArray(140000, 'c'));
    const QJsonObject truncated =
        f.installFile(QStringLiteral("sub/dir/truncated.bin"), QByteArray(5000, 'd'));
    QJsonObject upper = f.installFile(QStringLiteral("upper.bin"), QByteArray(10, 'e'));
    upper[QStringLiteral("sha1")] = upper.value(QStringLiteral("sha1")).toString().toUpper();
    QFile::remove(f.gameFile(QStringLiteral("data/deleted.bin")));
    QByteArray changedBytes(140000, 'c');
    changedBytes[100000] = 'x';
    writeAll(f.gameFile(QStringLiteral("changed.bin")), changedBytes);
    QVERIFY(QFile::resize(f.gameFile(QStringLiteral("sub/dir/truncated.bin")), 4096));

    const QJsonArray entries{intact,
                             deleted,
                             QStringLiteral("not an object"),
                             changed,
                             QJsonObject{{QStringLiteral("path"), QStringLiteral("no-sha1")}},
                             entry(QString(), QStringLiteral("0123"), 5),
                             entry(QStringLiteral("unchecked.bin"), QString(), 7),
                             truncated,
                             upper,
                             entry(QStringLiteral("huge.bin"), QStringLiteral("00"), 3000000000.0)};
    QVERIFY(f.publishPackage(QStringLiteral("full-1"), entries));

    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full-1"), QStringLiteral("1.2.345"))}));
    CheckerSignals received(&checker);
    QCOMPARE(runCheck(checker), 0);
    const QList<QList<QVariant>> &progress = received.progress;

    QCOMPARE(checker.damagedFiles(),
             QStringList({QStringLiteral("data/deleted.bin"), QStringLiteral("changed.bin"),
                          QStringLiteral("sub/dir/truncated.bin"), QStringLiteral("upper.bin"),
                          QStringLiteral("huge.bin")}));
    QCOMPARE(checker.damagedBytes(), qint64(1000 + 140000 + 5000 + 10));
    QCOMPARE(checker.packageFiles(),
             QSet<QString>({QStringLiteral("data/intact.bin"), QStringLiteral("data/deleted.bin"),
                            QStringLiteral("changed.bin"), QStringLiteral("unchecked.bin"),
                            QStringLiteral("sub/dir/truncated.bin"), QStringLiteral("upper.bin"),
                            QStringLiteral("huge.bin")}));
    QCOMPARE(checker.status(), int(Checker::Finished));
    QVERIFY(QFile::exists(f.gameFile(QStringLiteral("package.conf"))));

    QCOMPARE(namedFiles(progress),
             QStringList({QStringLiteral("1/10 \"intact.bin\""), QStringLiteral("2/10 \"deleted.bin\""),
                          QStringLiteral("3/10 \"changed.bin\""), QStringLiteral("4/10 \"truncated.bin\""),
                          QStringLiteral("5/10 \"upper.bin\""), QStringLiteral("6/10 \"huge.bin\"")}));
    QCOMPARE(progress.first(), QList<QVariant>({0, 1, 1, QString()}));
    QCOMPARE(progress.last(), QList<QVariant>({1, 1, 3, QString()}));
}

void TestChecker::choosesCandidate_data()
{
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<QStringList>("withContent");
    QTest::addColumn<QString>("chosen");
    // ids are c0, c1, ... in manifest order.
    QTest::newRow("later exact wins")
        << QStringList{"1.2.345", "1.3.0", "1.2.345"} << QStringList{"c0", "c1", "c2"} << "c2";
    QTest::newRow("earlier of equal newest")
        << QStringList{"1.3.0", "1.4.0", "1.4.0"} << QStringList{"c0", "c1", "c2"} << "c1";
    QTest::newRow("exact without content, then newest")
        << QStringList{"1.5.0", "1.2.345", "1.1.0"} << QStringList{"c0", "c2"} << "c0";
}

void TestChecker::choosesCandidate()
{
    QFETCH(QStringList, versions);
    QFETCH(QStringList, withContent);
    QFETCH(QString, chosen);
    RecoveryFixture &f = *m_fixture;
    QJsonArray contents;
    for (int i = 0; i < versions.size(); ++i) {
        const QString id = QStringLiteral("c") + QString::number(i);
        contents.append(f.content(id, versions.at(i)));
        if (withContent.contains(id))
            QVERIFY(f.publishPackage(id, {entry(id, QStringLiteral("00"), 1)}));
        else
            QVERIFY(f.publishRaw(id, "{\"files\": []}"));
    }
    // A patch and a content without recovery locations are never candidates.
    contents.append(QJsonObject{{QStringLiteral("id"), QStringLiteral("patch")},
                                {QStringLiteral("version_from"), QStringLiteral("1.0.0")},
                                {QStringLiteral("version_to"), QStringLiteral("1.2.345")},
                                {QStringLiteral("recover_http"), QJsonArray{f.recoverBase().toString()}}});
    contents.append(QJsonObject{{QStringLiteral("id"), QStringLiteral("nohttp")},
                                {QStringLiteral("version_to"), QStringLiteral("1.2.345")}});
    Checker checker(Installed);
    checker.setUpdateInfo(RecoveryFixture::manifest(contents));
    QCOMPARE(runCheck(checker), 0);
    QCOMPARE(checker.packageContent().id(), chosen);
    QCOMPARE(checker.damagedFiles(), QStringList{chosen});
}

void TestChecker::choosesRecoveryContent_data()
{
    QTest::addColumn<QList<QJsonObject>>("contents");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("newer");
    const auto full = [](const QString &id, const QString &version, bool torrents) {
        QJsonObject content{{QStringLiteral("id"), id}, {QStringLiteral("version_to"), version}};
        if (torrents)
            content.insert(QStringLiteral("recover_torrents"),
                           QJsonArray{QStringLiteral("http://127.0.0.1:1/t/")});
        return content;
    };
    QJsonObject patch = full(QStringLiteral("patch"), QStringLiteral("1.2.345"), true);
    patch.insert(QStringLiteral("version_from"), QStringLiteral("1.0.0"));
    QTest::newRow("later exact wins")
        << QList<QJsonObject>{full("a", "1.2.345", true), full("b", "1.3.0", true),
                              full("c", "1.2.345", true)}
        << "c" << false;
    QTest::newRow("earlier of equal newest")
        << QList<QJsonObject>{full("a", "1.3.0", true), full("b", "1.4.0", true), full("c", "1.4.0", true)}
        << "b" << true;
    QTest::newRow("exact without torrents does not count")
        << QList<QJsonObject>{full("a", "1.2.345", false), full("b", "1.1.0", true)} << "b" << true;
    QTest::newRow("patches never") << QList<QJsonObject>{patch, full("b", "1.0.0", true)} << "b" << true;
    QTest::newRow("none") << QList<QJsonObject>{patch, full("a", "1.2.345", false)} << "" << false;
}

void TestChecker::choosesRecoveryContent()
{
    QFETCH(QList<QJsonObject>, contents);
    QFETCH(QString, chosen);
    QFETCH(bool, newer);
    QJsonArray array;
    for (const QJsonObject &content : contents)
        array.append(content);
    Checker checker(Installed);
    checker.setUpdateInfo(RecoveryFixture::manifest(array));
    bool isNewer = !newer;
    QCOMPARE(checker.recoveryContent(&isNewer).id(), chosen);
    QCOMPARE(isNewer, newer);
    QCOMPARE(checker.recoveryContent().isValid(), !chosen.isEmpty());
}

// One file has one name; the game folder itself and empty names are no package files.
void TestChecker::normalisesPackagePaths()
{
    RecoveryFixture &f = *m_fixture;
    const QJsonObject good = f.installFile(QStringLiteral("data/a.bin"), "good");
    QJsonObject dotted = good;
    dotted[QStringLiteral("path")] = QStringLiteral("./data//a.bin");
    QVERIFY(f.publishPackage(QStringLiteral("full"),
                             {dotted, good, entry(QStringLiteral("."), QStringLiteral("00"), 1),
                              entry(QStringLiteral("data/.."), QStringLiteral("00"), 1),
                              entry(QString(), QStringLiteral("00"), 1),
                              entry(QStringLiteral("data\\missing.bin"), QStringLiteral("00"), 1),
                              entry(QStringLiteral("data/./missing.bin"), QStringLiteral("00"), 1)}));
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    LogCapture log;
    QCOMPARE(runCheck(checker), 0);
    QCOMPARE(checker.packageFiles(),
             QSet<QString>({QStringLiteral("data/a.bin"), QStringLiteral("data/missing.bin")}));
    QCOMPARE(checker.damagedFiles(), QStringList{QStringLiteral("data/missing.bin")});
    QCOMPARE(checker.damagedBytes(), qint64(1));
    QCOMPARE(log.takeLines().filter(QStringLiteral("package file entry skipped")),
             QStringList({QStringLiteral("crit package file entry skipped: data/a.bin"),
                          QStringLiteral("crit package file entry skipped: ."),
                          QStringLiteral("crit package file entry skipped: data/.."),
                          QStringLiteral("crit package file entry skipped: "),
                          QStringLiteral("crit package file entry skipped: data/./missing.bin")}));
}

void TestChecker::failsWithoutPackage_data()
{
    QTest::addColumn<bool>("withProduct");
    QTest::addColumn<QByteArray>("package");
    QTest::newRow("no product") << false << QByteArray("{\"content\": []}");
    QTest::newRow("not json") << true << QByteArray("content");
    QTest::newRow("no content member") << true << QByteArray("{\"contents\": []}");
    QTest::newRow("not served") << true << QByteArray();
}

void TestChecker::failsWithoutPackage()
{
    QFETCH(bool, withProduct);
    QFETCH(QByteArray, package);
    RecoveryFixture &f = *m_fixture;
    if (!package.isEmpty())
        QVERIFY(f.publishRaw(QStringLiteral("full"), package));
    Checker checker(Installed);
    if (withProduct)
        checker.setUpdateInfo(
            RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    LogCapture log;
    CheckerSignals received(&checker);
    QCOMPARE(runCheck(checker), -1);
    const QList<QList<QVariant>> &progress = received.progress;
    QVERIFY(log.takeLines().contains(QStringLiteral("crit Couldn't load package file!")));
    QCOMPARE(progress.last(), QList<QVariant>({1, 1, 0, QString()}));
    QCOMPARE(checker.status(), int(Checker::Idle));
}

void TestChecker::refusesPathsOutsideTheGameFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("climbs out") << QStringLiteral("../outside.bin");
    QTest::newRow("climbs out in the middle") << QStringLiteral("data/../../outside.bin");
    QTest::newRow("absolute") << QStringLiteral("/etc/hostname");
    QTest::newRow("backslashes") << QStringLiteral("..\\outside.bin");
}

void TestChecker::refusesPathsOutsideTheGameFolder()
{
    QFETCH(QString, path);
    RecoveryFixture &f = *m_fixture;
    writeAll(QDir(f.appFolder()).filePath(QStringLiteral("outside.bin")), "x");
    const QJsonObject good = f.installFile(QStringLiteral("good.bin"), "good");
    QVERIFY(f.publishPackage(QStringLiteral("full"), {good, entry(path, QStringLiteral("00"), 1)}));
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    LogCapture log;
    QCOMPARE(runCheck(checker), -1);
    QVERIFY(log.takeLines().contains(QStringLiteral("crit unsafe path in package file: ") +
                                     QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))));
    QVERIFY(checker.damagedFiles().isEmpty());
}

void TestChecker::missingGameFolderEndsCleanly()
{
    QVERIFY(QDir(Paths::gameFolder()).removeRecursively());
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({m_fixture->content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    QCOMPARE(runCheck(checker), 0);
    QVERIFY(checker.damagedFiles().isEmpty());
    QVERIFY(!Paths::gameFolderExists());
}

void TestChecker::pausedCheck_data()
{
    QTest::addColumn<bool>("resumeIt");
    QTest::newRow("stopped while paused") << false;
    QTest::newRow("resumed") << true;
}

void TestChecker::pausedCheck()
{
    QFETCH(bool, resumeIt);
    RecoveryFixture &f = *m_fixture;
    const QJsonObject large = f.installFile(QStringLiteral("large.bin"), QByteArray(32 * 1024 * 1024, 'L'));
    QVERIFY(f.publishPackage(QStringLiteral("full"), {large}));
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    // Paused from the body's own thread as soon as it names the file, so it waits before hashing it.
    connect(
        &checker, &Checker::progress, &checker,
        [&checker](int, int, int status, const QString &msg) {
            if (status == Checker::CheckingFiles && !msg.isEmpty())
                checker.pause();
        },
        Qt::DirectConnection);
    CheckerSignals received(&checker);
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(checker.status(), int(Checker::CheckingFiles), 10000);
    QTest::qWait(1500);
    QVERIFY(received.ended.isEmpty());
    if (resumeIt) {
        checker.resume();
        QTRY_COMPARE_WITH_TIMEOUT(received.ended, QList<int>{0}, 10000);
        QCOMPARE(checker.status(), int(Checker::Finished));
    } else {
        checker.stop();
        QCOMPARE(checker.status(), int(Checker::Idle));
        QTRY_COMPARE(received.ended, QList<int>{-1});
    }
    QVERIFY(checker.damagedFiles().isEmpty());
}

void TestChecker::hashesInBlocksWithCheckpoints()
{
    const QString path = m_fixture->gameFile(QStringLiteral("blocks.bin"));
    QVERIFY(writeAll(path, QByteArray(5 * 65536 + 100, 'h')));
    int checkpoints = 0;
    QCOMPARE(fileSha1(path, 65536, [&checkpoints] { return ++checkpoints > 0; }), fileSha1(path));
    QCOMPARE(checkpoints, 6);
    checkpoints = 0;
    QCOMPARE(fileSha1(path, 65536, [&checkpoints] { return ++checkpoints < 3; }), QString());
    QCOMPARE(checkpoints, 3);
}

void TestChecker::manyFilesKeepPackageOrder()
{
    // Big and small files mixed, so that the hashing threads finish out of turn; every fifth one
    // damaged in a different way.
    RecoveryFixture &f = *m_fixture;
    QJsonArray entries;
    QStringList damaged;
    qint64 damagedBytes = 0;
    QStringList named;
    for (int i = 0; i < 40; ++i) {
        const QString path = QStringLiteral("data/file%1.bin").arg(i);
        const int size = i % 7 == 0 ? 3 * 1024 * 1024 + i : 1000 + i;
        const QJsonObject listed = f.installFile(path, QByteArray(size, char('a' + i % 26)));
        entries.append(listed);
        named.append(QStringLiteral("%1/40 \"file%2.bin\"").arg(i + 1).arg(i));
        if (i % 5 != 2)
            continue;
        if (i % 10 == 2)
            QVERIFY(QFile::remove(f.gameFile(path)));
        else
            QVERIFY(QFile::resize(f.gameFile(path), size - 1));
        damaged.append(path);
        damagedBytes += size;
    }
    QVERIFY(f.publishPackage(QStringLiteral("full"), entries));
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    CheckerSignals received(&checker);
    QCOMPARE(runCheck(checker), 0);
    QCOMPARE(checker.damagedFiles(), damaged);
    QCOMPARE(checker.damagedBytes(), damagedBytes);
    QCOMPARE(namedFiles(received.progress), named);
}

void TestChecker::stopEndsEveryHashingThread()
{
    // Paused as the second file is named: one thread waits before it, the other stops inside the
    // first file at its next block. A stop must end both, or stop() would wait for ever.
    RecoveryFixture &f = *m_fixture;
    const QJsonObject first = f.installFile(QStringLiteral("first.bin"), QByteArray(48 * 1024 * 1024, 'F'));
    const QJsonObject second = f.installFile(QStringLiteral("second.bin"), QByteArray(48 * 1024 * 1024, 'S'));
    const QJsonObject third = f.installFile(QStringLiteral("third.bin"), QByteArray(1000, 'T'));
    QVERIFY(f.publishPackage(QStringLiteral("full"), {first, second, third}));
    Checker checker(Installed);
    checker.setUpdateInfo(
        RecoveryFixture::manifest({f.content(QStringLiteral("full"), QStringLiteral("1.2.345"))}));
    connect(
        &checker, &Checker::progress, &checker,
        [&checker](int processed, int, int status, const QString &) {
            if (status == Checker::CheckingFiles && processed == 2)
                checker.pause();
        },
        Qt::DirectConnection);
    CheckerSignals received(&checker);
    checker.start();
    QTRY_VERIFY_WITH_TIMEOUT(!received.progress.isEmpty() && received.progress.last().at(0).toInt() == 2 &&
                                 received.progress.last().at(2).toInt() == Checker::CheckingFiles,
                             20000);
    checker.stop();
    QCOMPARE(checker.status(), int(Checker::Idle));
    QTRY_COMPARE(received.ended, QList<int>{-1});
    QVERIFY(checker.damagedFiles().isEmpty());
    // The third file was never named: both threads stopped taking files.
    for (const QList<QVariant> &args : qAsConst(received.progress))
        QVERIFY(args.at(3).toString() != QStringLiteral("\"third.bin\""));
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
