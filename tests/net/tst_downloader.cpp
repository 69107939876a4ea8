#include "net/downloader.h"
#include "net/downloadjsonvalidator.h"
#include "tests/support/logcapture.h"
#include "tests/support/testfiles.h"
#include "tests/support/testhttpserver.h"

#include <QDir>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

// The mirror download manager against our test server.
class DownloaderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void servesNothingWithoutTarget();
    void usesSavedCopy_data();
    void usesSavedCopy();
    void triesEachMirrorOnce_data();
    void triesEachMirrorOnce();
    void drawsMirrorOrderAfresh();
    void skipsRejectedMirror();
    void savesEvenWhenSaveFails();
    void collectsBackgroundResult();
    void keepsResultsOfQueuedTasks();
    void forwardsProgress();

private:
    QList<QUrl> urls(const QList<QByteArray> &paths) const;

    TestHttpServer m_server;
    QTemporaryDir m_folder;
    LogCapture m_log;
};

void DownloaderTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(m_server.start());
    m_server.serveFile("/good.json", R"({"files": 3})");
    m_server.serveFile("/other.json", R"({"files": 4})");
    m_server.serveFile("/page.html", "<html>maintenance</html>");
    TestHttpServer::Response broken;
    broken.status = 500;
    m_server.serve("/broken", broken);
}

void DownloaderTest::init()
{
    m_server.clearRequests();
    m_log.takeLines();
}

QList<QUrl> DownloaderTest::urls(const QList<QByteArray> &paths) const
{
    QList<QUrl> list;
    for (const QByteArray &path : paths)
        list.append(m_server.url(QString::fromLatin1(path)));
    return list;
}

void DownloaderTest::servesNothingWithoutTarget()
{
    Downloader downloader;
    QVERIFY(downloader.download(urls({"/broken"}), nullptr, QString(), true, true, nullptr));
    QByteArray out;
    QVERIFY(!downloader.download({}, &out, QString(), true, true, nullptr));
    QVERIFY(!downloader.download(urls({"/good.json"}), &out, QString(), false, false, nullptr));
    QVERIFY(m_server.requests().isEmpty());
}

void DownloaderTest::usesSavedCopy_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("withOut");
    QTest::addColumn<bool>("withValidator");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<int>("requests");

    const QByteArray good = R"({"files": 3})";
    const QByteArray saved = R"({"files": 1})";
    QTest::newRow("saved copy into out") << saved << false << true << false << saved << 0;
    QTest::newRow("saved copy only checked for") << saved << false << false << false << QByteArray() << 0;
    QTest::newRow("saved copy validated and given") << saved << false << true << true << saved << 0;
    QTest::newRow("invalid saved copy replaced")
        << QByteArray("{broken") << false << true << true << good << 1;
    QTest::newRow("forced download replaces copy") << saved << true << true << false << good << 1;
    QTest::newRow("no saved copy yet") << QByteArray() << false << true << false << good << 1;
    QTest::newRow("no saved copy, no out") << QByteArray() << false << false << false << QByteArray() << 1;
}

void DownloaderTest::usesSavedCopy()
{
    QFETCH(QByteArray, saved);
    QFETCH(bool, force);
    QFETCH(bool, withOut);
    QFETCH(bool, withValidator);
    QFETCH(QByteArray, result);
    QFETCH(int, requests);
    const QString savePath = m_folder.filePath(QStringLiteral("saved-%1.json").arg(QTest::currentDataTag()));
    if (!saved.isEmpty())
        QVERIFY(testfiles::write(savePath, saved));
    QJsonObject parsed;
    DownloadJSONValidator validator(&parsed);
    QByteArray out;
    Downloader downloader;
    QVERIFY(downloader.download(urls({"/good.json"}), withOut ? &out : nullptr, savePath, force, true,
                                withValidator ? &validator : nullptr));
    QCOMPARE(out, result);
    QCOMPARE(m_server.requests().size(), requests);
    QCOMPARE(testfiles::read(savePath), requests > 0 ? QByteArray(R"({"files": 3})") : saved);
    if (withValidator)
        QCOMPARE(parsed.value(QStringLiteral("files")).toInt(), requests > 0 ? 3 : 1);
}

void DownloaderTest::triesEachMirrorOnce_data()
{
    QTest::addColumn<QList<QByteArray>>("mirrors");
    QTest::addColumn<bool>("ok");
    QTest::newRow("single failing mirror") << QList<QByteArray>{"/broken"} << false;
    QTest::newRow("one of three works") << QList<QByteArray>{"/broken", "/missing", "/good.json"} << true;
    QTest::newRow("all fail") << QList<QByteArray>{"/broken", "/missing", "/gone"} << false;
}

void DownloaderTest::triesEachMirrorOnce()
{
    QFETCH(QList<QByteArray>, mirrors);
    QFETCH(bool, ok);
    Downloader downloader;
    for (int round = 0; round < 6; ++round) {
        m_server.clearRequests();
        m_log.takeLines();
        QByteArray out;
        QCOMPARE(downloader.download(urls(mirrors), &out, QString(), true, true, nullptr), ok);
        for (const QByteArray &mirror : mirrors)
            QVERIFY(m_server.requestCount(mirror) <= 1);
        const QStringList failures = m_log.takeLines().filter(QStringLiteral("crit download failed:"));
        QCOMPARE(failures.size(), m_server.requests().size() - (ok ? 1 : 0));
        if (ok) {
            QCOMPARE(out, QByteArray(R"({"files": 3})"));
            QCOMPARE(m_server.requests().last().path, QByteArray("/good.json"));
        } else {
            QCOMPARE(m_server.requests().size(), mirrors.size());
            QVERIFY(failures.contains("crit download failed:" + m_server.url("/broken").toString()));
        }
    }
}

void DownloaderTest::drawsMirrorOrderAfresh()
{
    Downloader downloader;
    QSet<QByteArray> firstTried;
    for (int round = 0; round < 30 && firstTried.size() < 2; ++round) {
        m_server.clearRequests();
        QByteArray out;
        QVERIFY(
            downloader.download(urls({"/good.json", "/other.json"}), &out, QString(), true, true, nullptr));
        QCOMPARE(m_server.requests().size(), 1);
        firstTried.insert(m_server.requests().first().path);
    }
    QCOMPARE(firstTried.size(), 2);
}

void DownloaderTest::skipsRejectedMirror()
{
    Downloader downloader;
    QJsonObject parsed;
    DownloadJSONValidator validator(&parsed);
    QByteArray out;
    const QString savePath = m_folder.filePath(QStringLiteral("validated.json"));
    QVERIFY(downloader.download(urls({"/page.html", "/good.json"}), &out, savePath, true, true, &validator));
    QCOMPARE(out, QByteArray(R"({"files": 3})"));
    QCOMPARE(parsed, QJsonObject({{"files", 3}}));
    QCOMPARE(testfiles::read(savePath), out);

    // A rejected answer leaves nothing in out and nothing saved.
    QFile::remove(savePath);
    m_log.takeLines();
    QVERIFY(!downloader.download(urls({"/page.html"}), &out, savePath, true, true, &validator));
    QVERIFY(out.isEmpty());
    QVERIFY(!QFile::exists(savePath));
    QCOMPARE(m_log.takeLines(), QStringList("crit json decode failed: 5; illegal value"));
}

void DownloaderTest::savesEvenWhenSaveFails()
{
    Downloader downloader;
    const QString savePath = m_folder.filePath(QStringLiteral("no-such-folder/list.json"));
    QByteArray out;
    QVERIFY(downloader.download(urls({"/good.json"}), &out, savePath, true, true, nullptr));
    QCOMPARE(out, QByteArray(R"({"files": 3})"));
    QCOMPARE(m_log.takeLines(), QStringList("crit Couldn't open to write save path " + savePath));

    // A saved copy that cannot be read: the mirrors are asked when bytes are wanted.
    const QString unreadable = m_folder.filePath(QStringLiteral("a-folder"));
    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("a-folder")));
    m_server.clearRequests();
    QVERIFY(downloader.download(urls({"/good.json"}), &out, unreadable, false, true, nullptr));
    QCOMPARE(m_server.requests().size(), 1);
    QVERIFY(m_log.takeLines().contains("crit Couldn't open to read save path " + unreadable));
    QVERIFY(downloader.download(urls({"/good.json"}), nullptr, unreadable, false, true, nullptr));
    QCOMPARE(m_server.requests().size(), 1);
}

void DownloaderTest::collectsBackgroundResult()
{
    TestHttpServer::Response slow;
    slow.body = "torrent metadata";
    slow.delayMs = 300;
    m_server.serve("/slow.torrent", slow);
    Downloader downloader;
    QList<int> results;
    QList<QByteArray> collected;
    connect(&downloader, &TaskManager::ended, this, [&](int id, int result) {
        results.append(result);
        const std::shared_ptr<QByteArray> data = downloader.takeResult(id);
        collected.append(data ? *data : QByteArray("<none>"));
        QVERIFY(!downloader.takeResult(id));
    });
    const int id = downloader.downloadRandom(urls({"/slow.torrent"}), QString(), true, true, nullptr);
    QCOMPARE(id, 0);
    QVERIFY(!downloader.takeResult(id));
    const int failing = downloader.downloadRandom(urls({"/broken"}), QString(), true, true, nullptr);
    QCOMPARE(failing, 1);
    QTRY_COMPARE(results.size(), 2);
    QCOMPARE(results, QList<int>({-1, -1}));
    QVERIFY(collected.contains("torrent metadata"));
    QVERIFY(collected.contains(QByteArray()));
}

void DownloaderTest::keepsResultsOfQueuedTasks()
{
    TestHttpServer::Response slow;
    slow.body = "slow";
    slow.delayMs = 400;
    m_server.serve("/slow", slow);
    auto downloader = std::make_unique<Downloader>();
    QList<int> running;
    for (int i = 0; i < QThread::idealThreadCount(); ++i)
        running.append(downloader->downloadRandom(urls({"/slow"}), QString(), true, true, nullptr));
    QTRY_COMPARE(m_server.requests().size(), running.size());
    QVERIFY(!downloader->takeResult(running.first()));
    const int queued = downloader->downloadRandom(urls({"/slow"}), QString(), true, true, nullptr);
    QVERIFY(downloader->isRunning(queued));
    QVERIFY(!downloader->takeResult(queued));
    downloader->eraseResults(-1);
    QVERIFY(!downloader->takeResult(queued));

    downloader->terminate(queued);
    QVERIFY(!downloader->isRunning(queued));
    const std::shared_ptr<QByteArray> dropped = downloader->takeResult(queued);
    QVERIFY(dropped);
    QVERIFY(dropped->isEmpty());

    downloader->wait();
    const std::shared_ptr<QByteArray> first = downloader->takeResult(running.first());
    QVERIFY(first);
    QCOMPARE(*first, QByteArray("slow"));
    downloader->eraseResults(running.last());
    QVERIFY(!downloader->takeResult(running.last()));
    // Running tasks and uncollected buffers go with the downloader.
    downloader->downloadRandom(urls({"/slow"}), QString(), true, true, nullptr);
    downloader.reset();
}

void DownloaderTest::forwardsProgress()
{
    Downloader downloader;
    QSignalSpy spy(&downloader, qOverload<qlonglong, qlonglong>(&Downloader::progress));
    static_cast<net::IHttpProgress &>(downloader).progress(nullptr, 2000, 500);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first(), QVariantList({qlonglong(2000), qlonglong(500)}));
}

QTEST_GUILESS_MAIN(DownloaderTest)
#include "tst_downloader.moc"
