// Content archives over HTTP as the update fetches them: interrupted downloads that continue where
// they stopped (against nginx, a scripted server and a killed process), and the player's speed
// limit.
#include "net/httpconnection.h"
#include "net/ihttpprogress.h"
#include "net/partialdownload.h"
#include "net/speedlimit.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testfiles.h"
#include "tests/support/testhttpserver.h"
#include "update/contentdigest.h"
#include "update/updatecontent.h"
#include "update/updatefetch.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

namespace {

constexpr int FileSize = 4 * 1024 * 1024;
const QString ArchiveName = QStringLiteral("game.7z");

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

UpdateContent contentFor(const QByteArray &bytes, const QUrl &url)
{
    return UpdateContent(QJsonObject{{"id", "full"},
                                     {"name", ArchiveName},
                                     {"size", bytes.size()},
                                     {"sha256", sha256(bytes)},
                                     {"http", QJsonArray{url.toString()}}});
}

// Raises the stop flag once the download has reached a byte count, as a closing launcher does.
class StopAt : public net::IHttpProgress
{
public:
    StopAt(std::atomic<bool> *flag, qint64 at) : m_flag(flag), m_at(at) {}
    void progress(net::HttpConnection *, qint64, qint64 current) override
    {
        if (current >= m_at)
            m_flag->store(true);
    }

private:
    std::atomic<bool> *m_flag;
    qint64 m_at;
};

// Sets the speed limit once the download has reached a byte count, and notes when.
class LimitAt : public net::IHttpProgress
{
public:
    LimitAt(qint64 at, qint64 limit) : m_at(at), m_limit(limit) {}
    void progress(net::HttpConnection *, qint64, qint64 current) override
    {
        if (current < m_at || m_clock.isValid())
            return;
        m_clock.start();
        m_bytesAtChange = current;
        SpeedLimit::instance().setBytesPerSecond(m_limit);
    }
    QElapsedTimer m_clock;
    qint64 m_bytesAtChange = 0;

private:
    qint64 m_at;
    qint64 m_limit;
};

// The file with Range support and a validator, the connection dropped half-way.
TestHttpServer::Response droppedHalfway(const QByteArray &bytes, const QByteArray &validatorHeader,
                                        const QByteArray &validator)
{
    TestHttpServer::Response response;
    response.body = bytes;
    response.ranges = true;
    if (!validatorHeader.isEmpty())
        response.headers.append(qMakePair(validatorHeader, validator));
    response.dropAfter = bytes.size() / 2;
    return response;
}

} // namespace

class ContentDownloadTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { SpeedLimit::instance().setBytesPerSecond(0); }
    void leftoversDecideTheResume_data();
    void leftoversDecideTheResume();
    void resumesFromNginx_data();
    void resumesFromNginx();
    void resumesAfterDroppedConnection_data();
    void resumesAfterDroppedConnection();
    void rangeNotSatisfiableStartsOver();
    void killedProcessResumes();
    void speedLimitHolds_data();
    void speedLimitHolds();
    void speedLimitFollowsChanges();

private:
    QString folder() const { return m_work.filePath(QStringLiteral("Update")); }
    QString target() const { return QDir(folder()).filePath(ArchiveName); }
    // The first attempt, stopped by the flag a third of the way in: only a partial file is left.
    void interruptedAttempt(const QByteArray &bytes, const QUrl &url);

    QTemporaryDir m_work;
    QTemporaryDir m_root;
    QTemporaryDir m_logs;
    LogCapture m_log;
};

void ContentDownloadTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(m_work.isValid() && m_root.isValid() && m_logs.isValid());
}

void ContentDownloadTest::init()
{
    QDir(folder()).removeRecursively();
    m_log.takeLines();
}

void ContentDownloadTest::interruptedAttempt(const QByteArray &bytes, const QUrl &url)
{
    std::atomic<bool> stop{false};
    StopAt stopper(&stop, bytes.size() / 3);
    QString archive;
    QVERIFY(!downloadHttpContent(contentFor(bytes, url), folder(), &stopper, &stop, &archive));
    QVERIFY(!QFile::exists(target()));
    const qint64 kept = QFileInfo(target() + QStringLiteral(".part")).size();
    QVERIFY2(kept > 0 && kept < bytes.size(), qPrintable(QString::number(kept)));
    QCOMPARE(testfiles::read(target() + QStringLiteral(".part")), bytes.left(int(kept)));
}

void ContentDownloadTest::leftoversDecideTheResume_data()
{
    QTest::addColumn<QByteArray>("meta"); // empty: no meta file
    QTest::addColumn<int>("kept");        // bytes in the partial file, -1: none
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<QByteArray>("validator");

    const QByteArray etag = R"({"validator":"\"5f-400\"","total":1024})";
    QTest::newRow("half") << etag << 512 << qint64(512) << QByteArray("\"5f-400\"");
    QTest::newRow("whole") << etag << 1024 << qint64(1023) << QByteArray("\"5f-400\"");
    QTest::newRow("longer than the answer") << etag << 2000 << qint64(0) << QByteArray();
    QTest::newRow("no partial file") << etag << -1 << qint64(0) << QByteArray();
    QTest::newRow("empty partial file") << etag << 0 << qint64(0) << QByteArray();
    QTest::newRow("no meta file") << QByteArray() << 512 << qint64(0) << QByteArray();
    QTest::newRow("meta not JSON") << QByteArray("\"5f-400\"") << 512 << qint64(0) << QByteArray();
    QTest::newRow("no validator") << QByteArray(R"({"total":1024})") << 512 << qint64(0) << QByteArray();
    QTest::newRow("length unknown") << QByteArray(
                                           R"({"validator":"Tue, 01 Dec 2026 10:00:00 GMT","total":-1})")
                                    << 700 << qint64(700) << QByteArray("Tue, 01 Dec 2026 10:00:00 GMT");
}

void ContentDownloadTest::leftoversDecideTheResume()
{
    QFETCH(QByteArray, meta);
    QFETCH(int, kept);
    QFETCH(qint64, offset);
    QFETCH(QByteArray, validator);
    QVERIFY(QDir().mkpath(folder()));
    if (!meta.isEmpty())
        QVERIFY(testfiles::write(target() + QStringLiteral(".part.meta"), meta));
    if (kept >= 0)
        QVERIFY(testfiles::write(target() + QStringLiteral(".part"), randomBytes(kept + 3, 14).left(kept)));
    const net::PartialDownload partial(target());
    QCOMPARE(partial.resumeOffset(), offset);
    QCOMPARE(partial.validator(), validator);
    // What is not resumed is cut back, its meta file gone first.
    QFile part(partial.partPath());
    QVERIFY(part.open(QIODevice::ReadWrite));
    QVERIFY(partial.prepare(&part));
    QCOMPARE(part.size(), offset);
    QCOMPARE(part.pos(), offset);
    QCOMPARE(QFile::exists(partial.metaPath()), offset > 0);
}

void ContentDownloadTest::resumesFromNginx_data()
{
    QTest::addColumn<QString>("serverConfig");
    QTest::addColumn<bool>("changeFile");
    // What becomes of the partial file before the second attempt: "kept", "damaged", or "whole"
    // (every byte there, as when the process was killed just before the file was moved into place).
    QTest::addColumn<QString>("partial");
    // The answers of the second attempt: 206 brings the rest, 200 the whole file.
    QTest::addColumn<QList<int>>("statuses");

    QTest::newRow("etag") << QString() << false << "kept" << QList<int>{206};
    QTest::newRow("last-modified only") << QStringLiteral("etag off;") << false << "kept" << QList<int>{206};
    QTest::newRow("file changed") << QString() << true << "kept" << QList<int>{200};
    QTest::newRow("ranges ignored") << QStringLiteral("max_ranges 0;") << false << "kept" << QList<int>{200};
    // The kept bytes no longer fit the digest: the archive is fetched once more from its start.
    QTest::newRow("partial damaged") << QString() << false << "damaged" << QList<int>{206, 200};
    // Its last byte is asked for again, so that the server still says whether the file changed.
    QTest::newRow("partial whole") << QString() << false << "whole" << QList<int>{206};
}

void ContentDownloadTest::resumesFromNginx()
{
    QFETCH(QString, serverConfig);
    QFETCH(bool, changeFile);
    QFETCH(QString, partial);
    QFETCH(QList<int>, statuses);

    const QString served = m_root.filePath(ArchiveName);
    QByteArray bytes = randomBytes(FileSize, 7);
    QVERIFY(testfiles::write(served, bytes));
    // The first attempt meets a slow server, the second a fast one serving the same folder.
    NginxServer slow;
    QVERIFY2(slow.start(m_root.path(), serverConfig + QStringLiteral("limit_rate 1m;")),
             qPrintable(slow.errorLog()));
    interruptedAttempt(bytes, slow.url(ArchiveName));

    if (changeFile) {
        bytes = randomBytes(FileSize, 8);
        QVERIFY(testfiles::write(served, bytes));
        QFile file(served);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addSecs(100), QFileDevice::FileModificationTime));
    }
    QFile part(target() + QStringLiteral(".part"));
    QVERIFY(part.open(QIODevice::ReadWrite));
    if (partial == QLatin1String("damaged"))
        QVERIFY(part.write("damaged") == 7);
    if (partial == QLatin1String("whole"))
        QVERIFY(part.seek(part.size()) && part.write(bytes.mid(int(part.size()))) > 0);
    part.close();
    const qint64 offset = net::PartialDownload(target()).resumeOffset();
    QVERIFY(offset > 0);
    if (partial == QLatin1String("whole"))
        QCOMPARE(offset, qint64(bytes.size() - 1));

    const QString accessLog = m_logs.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
    NginxServer fast;
    QVERIFY2(fast.start(m_root.path(), serverConfig + accessLogDirective(accessLog)),
             qPrintable(fast.errorLog()));
    std::atomic<bool> stop{false};
    QString archive;
    QVERIFY(
        downloadHttpContent(contentFor(bytes, fast.url(ArchiveName)), folder(), nullptr, &stop, &archive));
    QCOMPARE(archive, target());
    QVERIFY(testfiles::read(archive) == bytes);
    QVERIFY(!QFile::exists(target() + QStringLiteral(".part")));
    QVERIFY(!QFile::exists(target() + QStringLiteral(".part.meta")));

    // nginx logs an answer once it has sent it, which may be just after the client has it all.
    const QString path = QStringLiteral("/") + ArchiveName;
    QTRY_COMPARE(loggedAnswers(accessLog, path).size(), statuses.size());
    const QList<QPair<int, qint64>> answers = loggedAnswers(accessLog, path);
    for (int i = 0; i < statuses.size(); ++i) {
        QCOMPARE(answers[i].first, statuses[i]);
        QCOMPARE(answers[i].second, statuses[i] == 206 ? bytes.size() - offset : qint64(bytes.size()));
    }
}

void ContentDownloadTest::resumesAfterDroppedConnection_data()
{
    QTest::addColumn<QByteArray>("validatorHeader");
    QTest::addColumn<QByteArray>("validator");
    QTest::addColumn<bool>("resumes");

    QTest::newRow("etag") << QByteArray("ETag") << QByteArray("\"v1-4096\"") << true;
    QTest::newRow("last-modified") << QByteArray("Last-Modified")
                                   << QByteArray("Tue, 01 Dec 2026 10:00:00 GMT") << true;
    // A weak ETag proves nothing about bytes: without another validator there is no resume.
    QTest::newRow("weak etag") << QByteArray("ETag") << QByteArray("W/\"v1\"") << false;
    QTest::newRow("no validator") << QByteArray() << QByteArray() << false;
}

void ContentDownloadTest::resumesAfterDroppedConnection()
{
    QFETCH(QByteArray, validatorHeader);
    QFETCH(QByteArray, validator);
    QFETCH(bool, resumes);

    const QByteArray bytes = randomBytes(FileSize, 9);
    TestHttpServer server;
    QVERIFY(server.start());
    TestHttpServer::Response response = droppedHalfway(bytes, validatorHeader, validator);
    server.serve("/game.7z", response);

    const UpdateContent content = contentFor(bytes, server.url(QStringLiteral("/game.7z")));
    QString archive;
    QVERIFY(!downloadHttpContent(content, folder(), nullptr, nullptr, &archive));
    QVERIFY(!QFile::exists(target()));
    QCOMPARE(net::PartialDownload(target()).resumeOffset(), resumes ? qint64(FileSize / 2) : 0);

    response.dropAfter = -1;
    server.serve("/game.7z", response);
    server.clearRequests();
    QVERIFY(downloadHttpContent(content, folder(), nullptr, nullptr, &archive));
    QVERIFY(testfiles::read(archive) == bytes);
    const QList<TestHttpServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 1);
    const auto &headers = requests.first().headers;
    QCOMPARE(headers.value("range"), resumes ? QByteArray("bytes=2097152-") : QByteArray());
    QCOMPARE(headers.value("if-range"), resumes ? validator : QByteArray());
}

// A partial file the server cannot continue (it got shorter) is dropped, and one fresh request
// brings the file.
void ContentDownloadTest::rangeNotSatisfiableStartsOver()
{
    const QByteArray bytes = randomBytes(FileSize, 10);
    TestHttpServer server;
    QVERIFY(server.start());
    TestHttpServer::Response response = droppedHalfway(bytes, "ETag", "\"v1\"");
    server.serve("/game.7z", response);
    const QUrl url = server.url(QStringLiteral("/game.7z"));
    QString archive;
    QVERIFY(!downloadHttpContent(contentFor(bytes, url), folder(), nullptr, nullptr, &archive));

    const QByteArray shorter = bytes.left(FileSize / 4);
    response.body = shorter;
    response.dropAfter = -1;
    server.serve("/game.7z", response);
    server.clearRequests();
    QVERIFY(downloadHttpContent(contentFor(shorter, url), folder(), nullptr, nullptr, &archive));
    QVERIFY(testfiles::read(archive) == shorter);
    const QList<TestHttpServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].headers.value("range"), QByteArray("bytes=2097152-"));
    QCOMPARE(requests[1].headers.value("range"), QByteArray());
    QVERIFY(LogCapture::anyContains(m_log.takeLines(), QStringLiteral("crit http answer refused: 416")));
}

// A download process killed part-way leaves a partial file that is not taken for the archive;
// the next process asks for the rest only.
void ContentDownloadTest::killedProcessResumes()
{
    const QByteArray bytes = randomBytes(FileSize, 11);
    QVERIFY(testfiles::write(m_root.filePath(ArchiveName), bytes));
    NginxServer slow;
    QVERIFY2(slow.start(m_root.path(), QStringLiteral("limit_rate 512k;")), qPrintable(slow.errorLog()));
    const QString accessLog = m_logs.filePath(QStringLiteral("killed"));
    NginxServer fast;
    QVERIFY2(fast.start(m_root.path(), accessLogDirective(accessLog)), qPrintable(fast.errorLog()));

    const auto probeArguments = [&](const NginxServer &server) {
        return QStringList{server.url(ArchiveName).toString(), folder(), ArchiveName, sha256(bytes),
                           QString::number(bytes.size())};
    };
    QProcess first;
    first.start(QStringLiteral(DOWNLOAD_PROBE), probeArguments(slow));
    QVERIFY(first.waitForStarted());
    const QString part = target() + QStringLiteral(".part");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(part).size() >= FileSize / 4, 30000);
    first.kill();
    QVERIFY(first.waitForFinished());
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);
    QVERIFY(!QFile::exists(target()));
    const qint64 offset = net::PartialDownload(target()).resumeOffset();
    QVERIFY(offset >= FileSize / 4 && offset < FileSize);

    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(QStringLiteral(DOWNLOAD_PROBE), probeArguments(fast));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(testfiles::read(target()) == bytes);
    const QString path = QStringLiteral("/") + ArchiveName;
    QTRY_COMPARE(loggedAnswers(accessLog, path).size(), 1);
    QCOMPARE(loggedAnswers(accessLog, path).first(), qMakePair(206, bytes.size() - offset));
}

void ContentDownloadTest::speedLimitHolds_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("limit");
    QTest::newRow("1 MiB/s") << 3 * 1024 * 1024 << qint64(1024 * 1024);
    // Far below the update's 2.5 s transfer time-out per read buffer: paced reads keep the
    // connection alive.
    QTest::newRow("16 KiB/s") << 64 * 1024 << qint64(16 * 1024);
}

// Only that the limit holds: the download may be slower than the limit, never far faster.
void ContentDownloadTest::speedLimitHolds()
{
    QFETCH(int, size);
    QFETCH(qint64, limit);
    const QByteArray bytes = randomBytes(size, 12);
    QVERIFY(testfiles::write(m_root.filePath(ArchiveName), bytes));
    NginxServer server;
    QVERIFY2(server.start(m_root.path()), qPrintable(server.errorLog()));
    SpeedLimit::instance().setBytesPerSecond(limit);
    QElapsedTimer clock;
    clock.start();
    QString archive;
    QVERIFY(downloadHttpContent(contentFor(bytes, server.url(ArchiveName)), folder(), nullptr, nullptr,
                                &archive));
    const qint64 elapsed = clock.elapsed();
    QVERIFY(testfiles::read(archive) == bytes);
    // The bucket lets an eighth of a second (at least 16 KiB) through at once; the rest takes its
    // time.
    const qint64 fastest = (bytes.size() - qMax<qint64>(16 * 1024, limit / 8)) * 1000 / limit;
    QVERIFY2(elapsed * 5 >= fastest * 4, qPrintable(QString::number(elapsed)));
}

// A limit set while a download runs applies to the rest of it.
void ContentDownloadTest::speedLimitFollowsChanges()
{
    const QByteArray bytes = randomBytes(4 * 1024 * 1024, 13);
    QVERIFY(testfiles::write(m_root.filePath(ArchiveName), bytes));
    NginxServer server;
    QVERIFY2(server.start(m_root.path()), qPrintable(server.errorLog()));
    const qint64 limit = 1024 * 1024;
    LimitAt limiter(bytes.size() / 4, limit);
    QString archive;
    QVERIFY(downloadHttpContent(contentFor(bytes, server.url(ArchiveName)), folder(), &limiter, nullptr,
                                &archive));
    QVERIFY(testfiles::read(archive) == bytes);
    QVERIFY(limiter.m_clock.isValid());
    const qint64 elapsed = limiter.m_clock.elapsed();
    // Bytes Qt had already received when the limit came still reach the file at its pace, so at
    // least the bytes not yet received then go at the limit.
    const qint64 rest = bytes.size() - limiter.m_bytesAtChange;
    const qint64 fastest = (rest - limit / 8) * 1000 / limit;
    QVERIFY2(elapsed * 5 >= fastest * 4, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(ContentDownloadTest)
#include "tst_contentdownload.moc"
