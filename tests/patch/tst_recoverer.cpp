// The recovery of damaged game files through a real libtorrent session on 127.0.0.1, with nginx
// serving the recovery tree as web seed, the package file and the recovery torrent.
#include "app/paths.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "patch/torrentpaths.h"
#include "tests/patch/checkersignals.h"
#include "tests/patch/recoveryfixture.h"
#include "tests/patch/testfiles.h"
#include "tests/torrent/torrenttestkit.h"
#include "update/formatting.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

const Version Installed(1, 2, 345);
const QString ContentId = QStringLiteral("gd7-full-1.2.345");
constexpr int PieceSize = 16384;

QByteArray pattern(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 9)) & 0xff);
    return bytes;
}

// A torrent of one file whose path climbs out of the save folder.
QByteArray climbingTorrent()
{
    return QByteArray("d4:infod5:filesld6:lengthi1e4:pathl2:..7:out.bineee4:name4:full"
                      "12:piece lengthi16384e6:pieces20:") +
           QByteArray(20, 'x') + QByteArray("ee");
}

} // namespace

class TestRecoverer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void recoversExactlyTheDamagedFiles();
    void stopWhileDownloadingLeavesTheGameAlone();
    void stopBetweenStepsStartsNoOther_data();
    void stopBetweenStepsStartsNoOther();
    void failures_data();
    void failures();
    void downloadText_data();
    void downloadText();
    void torrentPaths_data();
    void torrentPaths();

private:
    // Installs the game, serves its recovery tree, package file and torrent; returns the content.
    UpdateContent publishRelease(const QMap<QString, QByteArray> &files,
                                 const QString &extraServerConfig = QString());
    int runCheck(Checker &checker, const UpdateContent &content);
    int runRecovery(Recoverer &recoverer, const QSet<QString> &packageFiles, const QStringList &damaged,
                    const UpdateContent &content);

    QTranslator m_translator;
    std::unique_ptr<RecoveryFixture> m_fixture;
};

void TestRecoverer::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/Language/en/translation")));
    QCoreApplication::installTranslator(&m_translator);
}

void TestRecoverer::init()
{
    m_fixture.reset();
}

UpdateContent TestRecoverer::publishRelease(const QMap<QString, QByteArray> &files,
                                            const QString &extraServerConfig)
{
    m_fixture = std::make_unique<RecoveryFixture>();
    RecoveryFixture &f = *m_fixture;
    if (!f.start(extraServerConfig))
        return UpdateContent();
    QJsonArray entries;
    for (auto it = files.begin(); it != files.end(); ++it) {
        entries.append(f.installFile(it.key(), it.value()));
        writeAll(f.recoverFile(ContentId, it.key()), it.value());
    }
    f.publishPackage(ContentId, entries);
    writeAll(Paths::joinPath(Paths::gameFolder(), Paths::packageListName()),
             readAll(f.recoverFile(ContentId, Paths::packageListName())));
    writeAll(f.webFile(QStringLiteral("torrents/") + ContentId + QStringLiteral(".torrent")),
             makeTorrent(f.webFile(QStringLiteral("recover/") + ContentId), PieceSize));
    QJsonObject content = f.content(ContentId, QStringLiteral("1.2.345"));
    content.insert(
        QStringLiteral("recover_torrents"),
        QJsonArray{f.url(QStringLiteral("torrents/") + ContentId + QStringLiteral(".torrent")).toString()});
    return UpdateContent(content);
}

int TestRecoverer::runCheck(Checker &checker, const UpdateContent &content)
{
    checker.setUpdateInfo(RecoveryFixture::manifest({content.json()}));
    CheckerSignals received(&checker);
    checker.start();
    return QTest::qWaitFor([&received] { return !received.ended.isEmpty(); }, 20000) ? received.ended.first()
                                                                                     : -2;
}

int TestRecoverer::runRecovery(Recoverer &recoverer, const QSet<QString> &packageFiles,
                               const QStringList &damaged, const UpdateContent &content)
{
    recoverer.setSessionConfig(loopbackConfig());
    QSignalSpy ended(&recoverer, &Recoverer::ended);
    recoverer.start(packageFiles, damaged, content);
    if (!waitFor([&ended] { return !ended.isEmpty(); }, 60000))
        return -2;
    QTest::qWait(100);
    return ended.size() == 1 ? ended.first().first().toInt() : -3;
}

void TestRecoverer::recoversExactlyTheDamagedFiles()
{
    QMap<QString, QByteArray> files;
    for (int i = 0; i < 8; ++i)
        files.insert(QStringLiteral("data/part%1.bin").arg(i), pattern(30000 + i * 7001, i));
    files.insert(QStringLiteral("game.exe"), pattern(100000, 99));
    QTemporaryDir logFolder;
    const QString accessLog = logFolder.filePath(QStringLiteral("access.log"));
    const UpdateContent content = publishRelease(files, QStringLiteral("access_log %1;").arg(accessLog));
    QVERIFY(content.isValid());
    RecoveryFixture &f = *m_fixture;
    QVERIFY(QFile::remove(f.gameFile(QStringLiteral("data/part1.bin"))));
    QByteArray changed = files.value(QStringLiteral("data/part4.bin"));
    changed[20000] = char(changed[20000] ^ 0x55);
    QVERIFY(writeAll(f.gameFile(QStringLiteral("data/part4.bin")), changed));
    QVERIFY(QFile::resize(f.gameFile(QStringLiteral("game.exe")), 50000));

    Checker checker(Installed);
    QCOMPARE(runCheck(checker, content), 0);
    const QStringList damaged{QStringLiteral("data/part1.bin"), QStringLiteral("data/part4.bin"),
                              QStringLiteral("game.exe")};
    QCOMPARE(checker.damagedFiles(), damaged);
    const qint64 damagedBytes = 37001 + 58004 + 100000;
    QCOMPARE(checker.damagedBytes(), damagedBytes);

    Recoverer recoverer;
    QSignalSpy progress(&recoverer, &Recoverer::progress);
    QCOMPARE(
        runRecovery(recoverer, checker.packageFiles(), checker.damagedFiles(), checker.recoveryContent()), 0);
    QCOMPARE(recoverer.status(), int(Recoverer::Done));
    for (auto it = files.begin(); it != files.end(); ++it)
        QCOMPARE(readAll(f.gameFile(it.key())), it.value());
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));

    QList<int> statuses;
    for (const QList<QVariant> &args : progress) {
        if (statuses.isEmpty() || statuses.last() != args.at(2).toInt())
            statuses.append(args.at(2).toInt());
    }
    QCOMPARE(statuses, QList<int>({11, 12, 13, 14}));
    // The torrent aligns files to pieces, so the web seed is asked for the damaged files only.
    QSet<QString> requested;
    const QRegularExpression request(QStringLiteral("\"GET /recover/%1/([^ ]+) ").arg(ContentId));
    for (const QByteArray &line : readAll(accessLog).split('\n')) {
        const QRegularExpressionMatch match = request.match(QString::fromUtf8(line));
        if (match.hasMatch() && match.captured(1) != Paths::packageListName())
            requested.insert(match.captured(1));
    }
    QCOMPARE(requested, QSet<QString>(damaged.begin(), damaged.end()));

    Checker second(Installed);
    QCOMPARE(runCheck(second, content), 0);
    QVERIFY(second.damagedFiles().isEmpty());
}

void TestRecoverer::stopWhileDownloadingLeavesTheGameAlone()
{
    const QByteArray big = pattern(2 * 1024 * 1024, 5);
    const UpdateContent content =
        publishRelease({{QStringLiteral("big.bin"), big}, {QStringLiteral("small.bin"), pattern(1000, 6)}},
                       QStringLiteral("limit_rate 64k;"));
    QVERIFY(content.isValid());
    RecoveryFixture &f = *m_fixture;
    QByteArray damagedBytes = big.left(100000);
    QVERIFY(writeAll(f.gameFile(QStringLiteral("big.bin")), damagedBytes));

    Recoverer recoverer;
    recoverer.setSessionConfig(loopbackConfig());
    QSignalSpy ended(&recoverer, &Recoverer::ended);
    QSignalSpy progress(&recoverer, &Recoverer::progress);
    recoverer.start({}, {QStringLiteral("big.bin")}, content);
    QVERIFY(waitFor(
        [&progress] {
            return !progress.isEmpty() && progress.last().at(3).toString().contains(QLatin1Char('%'));
        },
        30000));
    QVERIFY(QFileInfo::exists(Paths::recoverTempFolder()));
    recoverer.stop();
    QCOMPARE(recoverer.status(), int(Recoverer::Idle));
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));
    QCOMPARE(readAll(f.gameFile(QStringLiteral("big.bin"))), damagedBytes);
    QTest::qWait(500);
    QVERIFY(ended.isEmpty());
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));
}

void TestRecoverer::stopBetweenStepsStartsNoOther_data()
{
    QTest::addColumn<int>("stopAt"); // the status whose first report stops the recovery
    QTest::addColumn<bool>("copied");
    QTest::newRow("before the copy") << int(Recoverer::Downloading) << false;
    QTest::newRow("before the clean-up") << int(Recoverer::CleaningUp) << true;
}

// A stop asked for by a listener of a step's first report: no step starts after it, and the
// recovery never reports an end.
void TestRecoverer::stopBetweenStepsStartsNoOther()
{
    QFETCH(int, stopAt);
    QFETCH(bool, copied);
    const QByteArray good = pattern(40000, 1);
    const UpdateContent content =
        publishRelease({{QStringLiteral("a.bin"), good}, {QStringLiteral("b.bin"), pattern(500, 2)}});
    QVERIFY(content.isValid());
    RecoveryFixture &f = *m_fixture;
    const QByteArray damaged = good.left(1000);
    QVERIFY(writeAll(f.gameFile(QStringLiteral("a.bin")), damaged));
    // Not in the package: only the clean-up step would remove it.
    QVERIFY(writeAll(f.gameFile(QStringLiteral("stray.txt")), "left by the player"));

    Recoverer recoverer;
    recoverer.setSessionConfig(loopbackConfig());
    QSignalSpy ended(&recoverer, &Recoverer::ended);
    QList<int> statuses;
    int untold = 0;
    connect(&recoverer, &Recoverer::progress, this, [&](int, int, int status, const QString &msg) {
        statuses.append(status);
        // Two reports of the download step come without text: the torrent added, then the copy.
        untold += status == Recoverer::Downloading && msg.isEmpty() ? 1 : 0;
        const bool reached = stopAt == Recoverer::Downloading ? untold == 2 : status == stopAt;
        if (reached && recoverer.status() != Recoverer::Idle)
            recoverer.stop();
    });
    recoverer.start({QStringLiteral("a.bin"), QStringLiteral("b.bin")}, {QStringLiteral("a.bin")}, content);
    QVERIFY(waitFor(
        [&recoverer, &statuses] { return statuses.size() > 2 && recoverer.status() == Recoverer::Idle; },
        30000));
    // Time for a step started on a pool thread to show.
    QTest::qWait(1000);
    QVERIFY(ended.isEmpty());
    QVERIFY(!statuses.contains(Recoverer::Done));
    QCOMPARE(statuses.contains(Recoverer::CleaningUp), stopAt == Recoverer::CleaningUp);
    QCOMPARE(readAll(f.gameFile(QStringLiteral("a.bin"))), copied ? good : damaged);
    QVERIFY(QFileInfo::exists(f.gameFile(QStringLiteral("stray.txt"))));
}

void TestRecoverer::failures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("logged");
    QTest::newRow("torrent mirrors fail") << "no torrent" << 2 << QString();
    QTest::newRow("torrent climbs out") << "climbing torrent" << 2 << "unsafe path in recovery torrent of ";
    QTest::newRow("damaged path climbs out")
        << "climbing path" << 3 << "unsafe path to recover: ../outside.bin";
    QTest::newRow("target cannot be removed") << "busy target" << 3 << "can't remove old file: ";
    QTest::newRow("no package file to clean up") << "no package" << 4 << "can't find package file: ";
}

void TestRecoverer::failures()
{
    QFETCH(QString, kind);
    QFETCH(int, result);
    QFETCH(QString, logged);
    UpdateContent content = publishRelease(
        {{QStringLiteral("a.bin"), pattern(40000, 1)}, {QStringLiteral("b.bin"), pattern(500, 2)}});
    QVERIFY(content.isValid());
    RecoveryFixture &f = *m_fixture;
    QStringList damaged{QStringLiteral("a.bin")};
    QSet<QString> packageFiles{QStringLiteral("a.bin"), QStringLiteral("b.bin")};
    QJsonObject json = content.json();
    if (kind == QLatin1String("no torrent")) {
        json.insert(QStringLiteral("recover_torrents"),
                    QJsonArray{f.url(QStringLiteral("torrents/missing.torrent")).toString()});
    } else if (kind == QLatin1String("climbing torrent")) {
        QVERIFY(writeAll(f.webFile(QStringLiteral("torrents/") + ContentId + QStringLiteral(".torrent")),
                         climbingTorrent()));
    } else if (kind == QLatin1String("climbing path")) {
        damaged = QStringList{QStringLiteral("../outside.bin")};
    } else if (kind == QLatin1String("busy target")) {
        QVERIFY(QFile::remove(f.gameFile(QStringLiteral("a.bin"))));
        QVERIFY(writeAll(f.gameFile(QStringLiteral("a.bin/inside.txt")), "a folder where the file was"));
    } else if (kind == QLatin1String("no package")) {
        packageFiles.clear();
        QVERIFY(QFile::remove(f.gameFile(Paths::packageListName())));
    }
    LogCapture log;
    log.reset();
    Recoverer recoverer;
    QSignalSpy progress(&recoverer, &Recoverer::progress);
    QCOMPARE(runRecovery(recoverer, packageFiles, damaged, UpdateContent(json)), result);
    QCOMPARE(progress.last(), QList<QVariant>({1, 1, 10, QString()}));
    QCOMPARE(recoverer.status(), int(Recoverer::Idle));
    QVERIFY(!QFileInfo::exists(Paths::recoverTempFolder()));
    QVERIFY(!QFileInfo::exists(QDir(f.appFolder()).filePath(QStringLiteral("outside.bin"))));
    if (!logged.isEmpty()) {
        const QStringList crit = log.critTexts();
        QVERIFY2(std::any_of(crit.begin(), crit.end(),
                             [&logged](const QString &line) { return line.startsWith(logged); }),
                 qPrintable(crit.join(QLatin1Char('\n'))));
    }
}

void TestRecoverer::downloadText_data()
{
    QTest::addColumn<float>("fraction");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("current");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("percent");
    QTest::newRow("running") << 0.12345f << qint64(3000000) << qint64(370000) << 51200 << "12.3";
    QTest::newRow("stalled") << 0.5f << qint64(2048) << qint64(1024) << 0 << "50.0";
    QTest::newRow("done") << 1.0f << qint64(1000) << qint64(1000) << 0 << "100.0";
}

void TestRecoverer::downloadText()
{
    QFETCH(float, fraction);
    QFETCH(qint64, total);
    QFETCH(qint64, current);
    QFETCH(int, rate);
    QFETCH(QString, percent);
    QString expected = QStringLiteral("Downloading ") + percent + QStringLiteral("% - ") +
                       formatSize(current) + QLatin1Char('/') + formatSize(total);
    if (rate > 0)
        expected += QStringLiteral(" (") + formatRate(rate) + QLatin1Char(')');
    QCOMPARE(Recoverer::downloadText(fraction, total, current, rate), expected);
}

void TestRecoverer::torrentPaths_data()
{
    QTest::addColumn<QByteArray>("torrent");
    QTest::addColumn<bool>("inside");
    QTemporaryDir folder;
    writeAll(folder.filePath(QStringLiteral("top/sub/a.bin")), "abc");
    writeAll(folder.filePath(QStringLiteral("top/b.bin")), "def");
    QTest::newRow("made from a folder")
        << makeTorrent(folder.filePath(QStringLiteral("top")), PieceSize) << true;
    QTest::newRow("file climbs out") << climbingTorrent() << false;
    QByteArray absoluteName = climbingTorrent();
    absoluteName.replace("2:..7:out.bin", "3:sub7:out.bin").replace("4:full", "5:/full");
    QTest::newRow("absolute top folder") << absoluteName << false;
    QTest::newRow("not a torrent") << QByteArray("<html>not found</html>") << false;
    // Path items that are not strings once crashed the check; they are no names at all.
    QTest::newRow("integer in a path")
        << QByteArray("d4:infod4:name1:a5:filesld6:lengthi1e4:pathli5eeeeee") << false;
    QTest::newRow("list in a path") << QByteArray("d4:infod4:name1:a5:filesld6:lengthi1e4:pathll1:aeeeeee")
                                    << false;
    QTest::newRow("dictionary in a path")
        << QByteArray("d4:infod4:name1:a5:filesld6:lengthi1e4:pathld1:ai1eeeeeee") << false;
    QTest::newRow("integer name") << QByteArray("d4:infod4:namei7eee") << false;
    QTest::newRow("files not a list") << QByteArray("d4:infod4:name1:a5:filesi1eee") << false;
    QTest::newRow("v2 tree inside")
        << QByteArray("d4:infod9:file treed3:subd5:a.bind0:d6:lengthi1eeeee4:name3:topee") << true;
    QTest::newRow("v2 tree climbs out")
        << QByteArray("d4:infod9:file treed2:..d7:out.bind0:d6:lengthi1eeeee4:name3:topee") << false;
    QTest::newRow("v2 tree with a slash in a name")
        << QByteArray("d4:infod9:file treed6:a/../..d0:d6:lengthi1eeee4:name3:topee") << false;
    QTest::newRow("v2 tree holds an integer")
        << QByteArray("d4:infod9:file treed1:ai1ee4:name3:topee") << false;
}

void TestRecoverer::torrentPaths()
{
    QFETCH(QByteArray, torrent);
    QFETCH(bool, inside);
    QCOMPARE(torrentPathsStayInside(torrent), inside);
}

QTEST_GUILESS_MAIN(TestRecoverer)
#include "tst_recoverer.moc"
