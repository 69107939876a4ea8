#include "net/httpconnection.h"
#include "net/ihttpprogress.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/typedprinting.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonObject>
#include <QPixmap>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

Q_DECLARE_METATYPE(TestHttpServer::Response)

namespace {

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char &byte : data)
        byte = char(generator.generate());
    return data;
}

class ProgressRecorder : public net::IHttpProgress
{
public:
    void progress(net::HttpConnection *connection, qint64 total, qint64 current) override
    {
        connections.insert(connection);
        reports.append({total, current});
    }

    QSet<net::HttpConnection *> connections;
    QList<QPair<qint64, qint64>> reports;
};

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
}

} // namespace

// The blocking HTTP client against our own test server on 127.0.0.1.
class HttpConnectionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { m_log.takeLines(); }
    void getsBodyWithRequestHeaders();
    void postsBody();
    void followsRedirects_data();
    void followsRedirects();
    void stopsAtTenRequests_data();
    void stopsAtTenRequests();
    void failsCleanly_data();
    void failsCleanly();
    void failsOnShortBody_data();
    void failsOnShortBody();
    void readsChunkedBody();
    void appliesTransferTimeout_data();
    void appliesTransferTimeout();
    void givesUpConnectingAfterFiveSeconds();
    void downloadsWithProgress();
    void downloadReplacesExistingFile();
    void refusesUnwritableTarget();
    void decodesJson_data();
    void decodesJson();
    void cleansXml();
    void decodesPixmap();
    void cachesOnlyWhenAllowed_data();
    void cachesOnlyWhenAllowed();
    void worksFromAnyThread();
    void boundsBodySize_data();
    void boundsBodySize();
    void cancelsFromAnotherThread_data();
    void cancelsFromAnotherThread();

private:
    TestHttpServer m_server;
    QTemporaryDir m_folder;
    LogCapture m_log;
};

void HttpConnectionTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(m_server.start());
    QVERIFY(m_folder.isValid());
}

void HttpConnectionTest::getsBodyWithRequestHeaders()
{
    const QByteArray data = randomBytes(700000);
    m_server.serveFile("/data.bin", data);
    const auto connection = net::HttpConnection::create(true);
    QByteArray out = "stale";
    QVERIFY(connection->get(m_server.url("/data.bin"), &out));
    QCOMPARE(out, data);
    // Without a user agent of its own the request carries the network library's default.
    QCOMPARE(m_server.requests().last().headers.value("user-agent"), QByteArray("Mozilla/5.0"));
    QVERIFY(!m_server.requests().last().headers.contains("authorization"));

    connection->setUserAgent(QStringLiteral("GD7Launcher/4.0"));
    connection->setCredentials(QStringLiteral("player"), QStringLiteral("s3cret:x"));
    QVERIFY(connection->get(m_server.url("/data.bin"), &out, {{"X-Probe", "42"}}));
    const TestHttpServer::Request request = m_server.requests().last();
    QCOMPARE(request.headers.value("user-agent"), QByteArray("GD7Launcher/4.0"));
    QCOMPARE(request.headers.value("authorization"), "Basic " + QByteArray("player:s3cret:x").toBase64());
    QCOMPARE(request.headers.value("x-probe"), QByteArray("42"));
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(m_log.takeLines(), QStringList());
}

void HttpConnectionTest::postsBody()
{
    TestHttpServer::Response answer;
    answer.body = "accepted";
    m_server.serve("/post", answer);
    QByteArray out;
    QVERIFY(net::HttpConnection::create(false)->post(
        m_server.url("/post"), "report=1", &out, {{"Content-Type", "application/x-www-form-urlencoded"}}));
    QCOMPARE(out, QByteArray("accepted"));
    const TestHttpServer::Request request = m_server.requests().last();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.body, QByteArray("report=1"));
}

void HttpConnectionTest::followsRedirects_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("landing");

    QTest::newRow("relative") << QByteArray("target") << 302 << QByteArray("/dir/target");
    QTest::newRow("relative up") << QByteArray("../top") << 301 << QByteArray("/top");
    QTest::newRow("root relative") << QByteArray("/elsewhere/t") << 307 << QByteArray("/elsewhere/t");
    QTest::newRow("absolute") << QByteArray("ABSOLUTE") << 302 << QByteArray("/absolute/t");
}

void HttpConnectionTest::followsRedirects()
{
    QFETCH(QByteArray, location);
    QFETCH(int, status);
    QFETCH(QByteArray, landing);
    if (location == "ABSOLUTE")
        location = m_server.url(QString::fromLatin1(landing)).toEncoded();
    m_server.redirect("/dir/start", location, status);
    m_server.serveFile(landing, "landed at " + landing);
    QByteArray out;
    QVERIFY(net::HttpConnection::create(true)->get(m_server.url("/dir/start"), &out));
    QCOMPARE(out, "landed at " + landing);
}

void HttpConnectionTest::stopsAtTenRequests_data()
{
    QTest::addColumn<int>("hops");
    QTest::addColumn<bool>("ok");
    QTest::newRow("nine redirects") << 9 << true;
    QTest::newRow("ten redirects") << 10 << false;
    QTest::newRow("loop") << -1 << false;
}

void HttpConnectionTest::stopsAtTenRequests()
{
    QFETCH(int, hops);
    QFETCH(bool, ok);
    m_server.clearRequests();
    TestHttpServer::Response redirect;
    redirect.status = 302;
    // Redirect answers usually carry a small page; it must not pass for the file.
    redirect.body = "<html>moved</html>";
    for (int i = 0; i < qMax(hops, 1); ++i) {
        redirect.headers = {{"Location", hops < 0 ? "/hop0" : "/hop" + QByteArray::number(i + 1)}};
        m_server.serve("/hop" + QByteArray::number(i), redirect);
    }
    m_server.serveFile("/hop" + QByteArray::number(hops), "the file");

    const QString target = m_folder.filePath(QStringLiteral("redirected.bin"));
    const auto connection = net::HttpConnection::create(true);
    QCOMPARE(connection->download(m_server.url("/hop0"), target), ok);
    QCOMPARE(m_server.requests().size(), ok ? hops + 1 : 10);
    QCOMPARE(QFile::exists(target), ok);
    const QStringList log = m_log.takeLines();
    QCOMPARE(log.first(), "debg download: " + m_server.url("/hop0").toString());
    if (!ok)
        QCOMPARE(log.last(),
                 "crit too many redirects: " + m_server.url(hops < 0 ? "/hop0" : "/hop9").toString());
    const FailureReason reason = connection->failure();
    QCOMPARE(reason.kind, ok ? FailureReason::Kind::None : FailureReason::Kind::TransferFailed);
    QCOMPARE(reason.url, ok ? QUrl() : m_server.url(hops < 0 ? "/hop0" : "/hop9"));
}

void HttpConnectionTest::failsCleanly_data()
{
    QTest::addColumn<TestHttpServer::Response>("response");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<FailureReason::Kind>("reason");
    QTest::addColumn<int>("status");

    TestHttpServer::Response notFound;
    notFound.status = 404;
    notFound.body = "no such file";
    QTest::newRow("404") << notFound
                         << QStringList({"crit network error: 203", "crit http some error happened: 203"})
                         << FailureReason::Kind::HttpStatus << 404;
    TestHttpServer::Response serverError;
    serverError.status = 500;
    serverError.body = "oops";
    QTest::newRow("500") << serverError
                         << QStringList({"crit network error: 401", "crit http some error happened: 401"})
                         << FailureReason::Kind::HttpStatus << 500;
    QTest::newRow("empty 200") << TestHttpServer::Response() << QStringList()
                               << FailureReason::Kind::TransferFailed << 0;
    TestHttpServer::Response emptyChunked;
    emptyChunked.chunked = true;
    QTest::newRow("empty chunked 200")
        << emptyChunked << QStringList() << FailureReason::Kind::TransferFailed << 0;
    TestHttpServer::Response dropped;
    dropped.body = randomBytes(600000);
    dropped.pieceSize = 100000;
    dropped.pieceIntervalMs = 10;
    dropped.dropAfter = 300000;
    QTest::newRow("dropped mid-body")
        << dropped << QStringList({"crit network error: 2", "crit http some error happened: 2"})
        << FailureReason::Kind::TransferFailed << 0;
    TestHttpServer::Response droppedChunked = dropped;
    droppedChunked.chunked = true;
    QTest::newRow("chunked dropped mid-body")
        << droppedChunked << QStringList({"crit network error: 2", "crit http some error happened: 2"})
        << FailureReason::Kind::TransferFailed << 0;
}

void HttpConnectionTest::failsOnShortBody_data()
{
    QTest::addColumn<TestHttpServer::Response>("response");

    // A server that promises a million bytes, sends a thousand and closes without having said it
    // would: a download that ends there is not the file.
    TestHttpServer::Response cut;
    cut.body = randomBytes(1000000);
    cut.dropAfter = 1000;
    QTest::newRow("close announced") << cut;
    cut.announceClose = false;
    QTest::newRow("close unannounced") << cut;
    TestHttpServer::Response lastByte;
    lastByte.body = randomBytes(4096);
    lastByte.dropAfter = 4095;
    lastByte.announceClose = false;
    QTest::newRow("one byte short") << lastByte;
}

void HttpConnectionTest::failsOnShortBody()
{
    QFETCH(TestHttpServer::Response, response);
    m_server.serve("/short", response);
    const auto connection = net::HttpConnection::create(true);
    const QString target = m_folder.filePath(QStringLiteral("short.bin"));
    // The outcome depended on timing: every try must fail.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QByteArray out;
        QVERIFY(!connection->get(m_server.url("/short"), &out));
        QCOMPARE(connection->failure().kind, FailureReason::Kind::TransferFailed);
        QVERIFY(!connection->download(m_server.url("/short"), target));
        QCOMPARE(connection->failure().kind, FailureReason::Kind::TransferFailed);
        QVERIFY(!QFile::exists(target));
    }
    const QStringList crit = m_log.takeLines().filter(QRegularExpression(QStringLiteral("^crit ")));
    QVERIFY2(crit.size() >= 20, qPrintable(crit.join(QLatin1Char('\n'))));
}

void HttpConnectionTest::failsCleanly()
{
    QFETCH(TestHttpServer::Response, response);
    QFETCH(QStringList, log);
    QFETCH(FailureReason::Kind, reason);
    QFETCH(int, status);
    m_server.serve("/failing", response);
    const auto connection = net::HttpConnection::create(true);
    QByteArray out;
    FailureReason expected = FailureReason::atUrl(reason, m_server.url("/failing"));
    expected.httpStatus = status;
    QVERIFY(!connection->get(m_server.url("/failing"), &out));
    QCOMPARE(m_log.takeLines(), log);
    QCOMPARE(connection->failure(), expected);

    const QString target = m_folder.filePath(QStringLiteral("failing.bin"));
    QVERIFY(!connection->download(m_server.url("/failing"), target));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_log.takeLines(), QStringList("debg download: " + m_server.url("/failing").toString()) + log);
    QCOMPARE(connection->failure(), expected);
    // A later success leaves no reason behind.
    m_server.serveFile("/fine", "the file");
    QVERIFY(connection->get(m_server.url("/fine"), &out));
    QCOMPARE(connection->failure(), FailureReason());
}

void HttpConnectionTest::readsChunkedBody()
{
    TestHttpServer::Response chunked;
    chunked.chunked = true;
    chunked.body = randomBytes(1000000);
    chunked.pieceSize = 65536;
    m_server.serve("/chunked", chunked);
    QByteArray out;
    QVERIFY(net::HttpConnection::create(true)->get(m_server.url("/chunked"), &out));
    QCOMPARE(out, chunked.body);
}

void HttpConnectionTest::appliesTransferTimeout_data()
{
    QTest::addColumn<int>("timeout");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("pieceInterval");
    QTest::addColumn<bool>("ok");
    QTest::newRow("no timeout, slow start") << 0 << 1500 << 0 << true;
    QTest::newRow("no timeout, slow body") << 0 << 0 << 400 << true;
    QTest::newRow("slow start") << 500 << 1500 << 0 << false;
    QTest::newRow("stalled body") << 500 << 0 << 1500 << false;
    QTest::newRow("slow but steady body") << 1000 << 0 << 200 << true;
}

void HttpConnectionTest::appliesTransferTimeout()
{
    QFETCH(int, timeout);
    QFETCH(int, delay);
    QFETCH(int, pieceInterval);
    QFETCH(bool, ok);
    TestHttpServer::Response slow;
    slow.body = randomBytes(50);
    slow.delayMs = delay;
    slow.pieceSize = 10;
    slow.pieceIntervalMs = pieceInterval;
    m_server.serve("/slow", slow);
    const auto connection = net::HttpConnection::create(true);
    connection->setTransferTimeout(timeout);
    QByteArray out;
    QCOMPARE(connection->get(m_server.url("/slow"), &out), ok);
    if (ok)
        QCOMPARE(out, slow.body);
    else
        QCOMPARE(m_log.takeLines(),
                 QStringList({"crit network error: 5", "crit http some error happened: 5"}));
}

void HttpConnectionTest::givesUpConnectingAfterFiveSeconds()
{
    // A listener with a full accept queue leaves further connection attempts unanswered, like a
    // host that is down.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), length) == 0);
    QVERIFY(::listen(listener, 0) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    const quint16 port = ntohs(address.sin_port);
    QTcpSocket filler;
    filler.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(filler.waitForConnected(1000));

    const auto connection = net::HttpConnection::create(true);
    // Only there to end the test should the connect timeout not work.
    connection->setTransferTimeout(25000);
    QElapsedTimer timer;
    timer.start();
    QByteArray out;
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    QVERIFY(!connection->get(url, &out));
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_log.takeLines(), QStringList({"crit network error: 4", "crit http some error happened: 4"}));
    QCOMPARE(connection->failure(), FailureReason::atUrl(FailureReason::Kind::ServerUnreachable, url));
    ::close(listener);
}

void HttpConnectionTest::downloadsWithProgress()
{
    const QByteArray data = randomBytes(3 * 1024 * 1024 + 17);
    m_server.serveFile("/big.bin", data);
    const auto connection = net::HttpConnection::create(true);
    ProgressRecorder progress;
    connection->setProgressListener(&progress);
    const QString target = m_folder.filePath(QStringLiteral("big.bin"));
    QVERIFY(connection->download(m_server.url("/big.bin"), target));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), data);

    QVERIFY(!progress.reports.isEmpty());
    QCOMPARE(progress.connections, QSet<net::HttpConnection *>({connection.get()}));
    QCOMPARE(progress.reports.last(), qMakePair(qint64(data.size()), qint64(data.size())));
    for (int i = 1; i < progress.reports.size(); ++i)
        QVERIFY(progress.reports[i].second >= progress.reports[i - 1].second);

    // Transfers into memory report nothing.
    progress.reports.clear();
    QByteArray out;
    QVERIFY(connection->get(m_server.url("/big.bin"), &out));
    QVERIFY(progress.reports.isEmpty());
}

void HttpConnectionTest::downloadReplacesExistingFile()
{
    const QString target = m_folder.filePath(QStringLiteral("replaced.bin"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(randomBytes(100000));
    old.close();
    m_server.serveFile("/small.bin", "short");
    QVERIFY(net::HttpConnection::create(true)->download(m_server.url("/small.bin"), target));
    QCOMPARE(readFile(target), QStringLiteral("short"));
}

void HttpConnectionTest::refusesUnwritableTarget()
{
    // A path below a plain file cannot be created, whatever the account's rights.
    const QString blocker = m_folder.filePath(QStringLiteral("plain-file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_server.clearRequests();
    const QString target = blocker + QStringLiteral("/out.bin");
    const auto connection = net::HttpConnection::create(true);
    QVERIFY(!connection->download(m_server.url("/small.bin"), target));
    QCOMPARE(m_log.takeLines(), QStringList({"debg download: " + m_server.url("/small.bin").toString(),
                                             "debg failed to open dowload file: " + target}));
    QCOMPARE(connection->failure(), FailureReason::notWritable(target));
    QVERIFY(m_server.requests().isEmpty());
}

void HttpConnectionTest::decodesJson_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("object") << QByteArray(R"({"gd7": {"version": "1.0"}})") << true
                            << QJsonObject{{"gd7", QJsonObject{{"version", "1.0"}}}} << QStringList();
    QTest::newRow("array") << QByteArray("[1, 2]") << true << QJsonObject() << QStringList();
    QTest::newRow("html") << QByteArray("<html>bad gateway</html>") << false << QJsonObject()
                          << QStringList("crit json decode failed: 5; illegal value");
    QTest::newRow("truncated") << QByteArray(R"({"gd7": )") << false << QJsonObject()
                               << QStringList("crit json decode failed: 1; unterminated object");
}

void HttpConnectionTest::decodesJson()
{
    QFETCH(QByteArray, body);
    QFETCH(QJsonObject, expected);
    m_server.serveFile("/update.json", body);
    QJsonObject out{{"stale", true}};
    QTEST(net::HttpConnection::create(false)->getJson(m_server.url("/update.json"), &out), "ok");
    if (QTest::currentDataTag() != QLatin1String("html") &&
        QTest::currentDataTag() != QLatin1String("truncated"))
        QCOMPARE(out, expected);
    QTEST(m_log.takeLines(), "log");
}

void HttpConnectionTest::cleansXml()
{
    m_server.serveFile("/feed/", "<rss>\r\n<item>a\tb\x01\x1f"
                                 "c</item>\r\n</rss>");
    QXmlStreamReader reader;
    QVERIFY(net::HttpConnection::create(true)->getXml(m_server.url("/feed/"), &reader));
    QString text;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            text += reader.text();
    }
    QVERIFY(!reader.hasError());
    QCOMPARE(text, QStringLiteral("\na\tbc\n"));
}

void HttpConnectionTest::decodesPixmap()
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "PNG"));
    m_server.serveFile("/news.png", png);
    m_server.serveFile("/broken.png", "not a picture");
    const auto connection = net::HttpConnection::create(true);
    QPixmap pixmap;
    QVERIFY(connection->getPixmap(m_server.url("/news.png"), &pixmap));
    QCOMPARE(pixmap.size(), QSize(7, 5));
    QVERIFY(!connection->getPixmap(m_server.url("/broken.png"), &pixmap));
}

void HttpConnectionTest::cachesOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("allowCache");
    QTest::addColumn<int>("requests");
    QTest::newRow("cache allowed") << true << 1;
    QTest::newRow("always network") << false << 2;
}

void HttpConnectionTest::cachesOnlyWhenAllowed()
{
    QFETCH(bool, allowCache);
    const QByteArray path = "/cached-" + QByteArray::number(allowCache);
    TestHttpServer::Response cacheable;
    cacheable.body = "fresh for an hour";
    cacheable.headers = {{"Cache-Control", "max-age=3600"}};
    m_server.serve(path, cacheable);
    const auto connection = net::HttpConnection::create(allowCache);
    QByteArray out;
    QVERIFY(connection->get(m_server.url(QString::fromLatin1(path)), &out));
    QVERIFY(connection->get(m_server.url(QString::fromLatin1(path)), &out));
    QCOMPARE(out, cacheable.body);
    QTEST(m_server.requestCount(path), "requests");
}

void HttpConnectionTest::worksFromAnyThread()
{
    m_server.serveFile("/threads.bin", "from any thread");
    const auto connection = net::HttpConnection::create(true);
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type != QtDebugMsg)
                warnings.append(text);
        });
    bool okOnWorker = false;
    QByteArray fromWorker;
    for (int round = 0; round < 2; ++round) {
        QScopedPointer<QThread> worker(QThread::create(
            [&] { okOnWorker = connection->get(m_server.url("/threads.bin"), &fromWorker); }));
        worker->start();
        QVERIFY(worker->wait(20000));
        QVERIFY(okOnWorker);
    }
    QByteArray fromMain;
    QVERIFY(connection->get(m_server.url("/threads.bin"), &fromMain));
    qInstallMessageHandler(previous);
    QCOMPARE(fromWorker, QByteArray("from any thread"));
    QCOMPARE(fromMain, fromWorker);
    QCOMPARE(warnings, QStringList());
}

void HttpConnectionTest::boundsBodySize_data()
{
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<bool>("chunked");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("ok");
    QTest::newRow("no limit") << 700000 << false << qint64(0) << true;
    QTest::newRow("exactly the limit") << 700000 << false << qint64(700000) << true;
    QTest::newRow("one byte over") << 700001 << false << qint64(700000) << false;
    QTest::newRow("chunked, far over") << 3000000 << true << qint64(1000000) << false;
    QTest::newRow("chunked, under") << 300000 << true << qint64(1000000) << true;
}

void HttpConnectionTest::boundsBodySize()
{
    QFETCH(int, bodySize);
    QFETCH(bool, chunked);
    QFETCH(qint64, limit);
    QFETCH(bool, ok);
    TestHttpServer::Response response;
    response.body = randomBytes(bodySize);
    response.chunked = chunked;
    response.pieceSize = chunked ? 65536 : 0;
    m_server.serve("/sized", response);
    const auto connection = net::HttpConnection::create(false);
    connection->setMaxBodySize(limit);
    QByteArray out;
    QCOMPARE(connection->get(m_server.url("/sized"), &out), ok);
    if (ok) {
        QCOMPARE(out, response.body);
        QCOMPARE(m_log.takeLines(), QStringList());
    } else {
        QVERIFY(out.size() <= limit);
        QCOMPARE(connection->failure(),
                 FailureReason::atUrl(FailureReason::Kind::TransferFailed, m_server.url("/sized")));
        QCOMPARE(m_log.takeLines(),
                 QStringList({QStringLiteral("crit http answer too large: %1 (more than %2 bytes)")
                                  .arg(m_server.url("/sized").toString())
                                  .arg(limit)}));
    }
}

void HttpConnectionTest::cancelsFromAnotherThread_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("pieceInterval");
    QTest::newRow("server silent before the headers") << 60000 << 0;
    QTest::newRow("body stalls after the headers") << 0 << 60000;
}

void HttpConnectionTest::cancelsFromAnotherThread()
{
    QFETCH(int, delay);
    QFETCH(int, pieceInterval);
    TestHttpServer::Response stalled;
    stalled.body = randomBytes(100);
    stalled.delayMs = delay;
    stalled.pieceSize = pieceInterval ? 10 : 0;
    stalled.pieceIntervalMs = pieceInterval;
    m_server.serve("/stalled", stalled);
    m_server.clearRequests();

    std::atomic<bool> cancel{false};
    const auto connection = net::HttpConnection::create(true);
    connection->setCancelFlag(&cancel);
    std::atomic<bool> result{true};
    QScopedPointer<QThread> worker(QThread::create([&] {
        QByteArray out;
        result = connection->get(m_server.url("/stalled"), &out);
    }));
    worker->start();
    QTRY_COMPARE(m_server.requestCount("/stalled"), 1);
    QVERIFY(!worker->isFinished());
    cancel = true;
    // Far below the server's stall: only the flag can have ended the call.
    QVERIFY(worker->wait(10000));
    QVERIFY(!result);
    QCOMPARE(connection->failure(), FailureReason::cancelled());
    // Cancelling is not a network fault: no crit line.
    const QString cancelled =
        QStringLiteral("debg http call cancelled: ") + m_server.url("/stalled").toString();
    QCOMPARE(m_log.takeLines(), QStringList(cancelled));

    // A raised flag fails later calls before anything is sent.
    QByteArray out;
    QVERIFY(!connection->get(m_server.url("/stalled"), &out));
    QCOMPARE(m_server.requestCount("/stalled"), 1);
    QCOMPARE(m_log.takeLines(), QStringList(cancelled));
}

QTEST_MAIN(HttpConnectionTest)
#include "tst_httpconnection.moc"
