// What a hostile or broken server can make the HTTP client do: where redirects may lead, how
// much a body may hold, how slowly it may come.

#include "net/httpconnection.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"

#include <QFile>
#include <QSemaphore>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// Answers one request with a body that never ends, until the client goes away or a safety cap
// (far above any limit) is reached.
class EndlessServer : public QThread
{
public:
    static constexpr qint64 Cap = qint64(1) << 30;

    quint16 waitForPort()
    {
        m_ready.acquire();
        return m_port;
    }
    qint64 sent() const { return m_sent.load(); }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        m_ready.release();
        if (!server.waitForNewConnection(30000))
            return;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        socket->waitForReadyRead(5000);
        socket->readAll();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n\r\n[");
        const QByteArray block(64 * 1024, ' ');
        while (socket->state() == QAbstractSocket::ConnectedState && m_sent.load() < Cap) {
            if (socket->write(block) != block.size() || !socket->waitForBytesWritten(10000))
                break;
            m_sent += block.size();
        }
    }

private:
    QSemaphore m_ready;
    quint16 m_port = 0;
    std::atomic<qint64> m_sent{0};
};

} // namespace

class TransferLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void redirects_data();
    void redirects();
    void endlessBody();
    void bodyLimits_data();
    void bodyLimits();
    void lowSpeed_data();
    void lowSpeed();

private:
    LogCapture m_log;
    QTemporaryDir m_work;
    TestHttpServer m_server;
    NginxServer m_tls;
    quint16 m_tlsPort = 0;
};

void TransferLimitsTest::initTestCase()
{
    QVERIFY(m_server.start());
    // A local file a redirect must never reach.
    QFile secret(m_work.filePath("secret.json"));
    QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("{\"local\": true}") > 0);
    secret.close();
    m_server.serveFile("/ok", "plain answer");
    m_server.redirect("/relative", "/ok");
    m_server.redirect("/to-file", QUrl::fromLocalFile(secret.fileName()).toEncoded());
    m_server.redirect("/to-ftp", "ftp://127.0.0.1/ok");
    m_server.redirect("/to-data", "data:application/json,{}");

    QVERIFY(QDir().mkpath(m_work.filePath("tls/files")));
    QFile served(m_work.filePath("tls/files/ok.txt"));
    QVERIFY(served.open(QIODevice::WriteOnly) && served.write("secure answer") > 0);
    served.close();
    m_tlsPort = freeLocalPort();
    const QString config = QStringLiteral("listen 127.0.0.1:%1 ssl;\n"
                                          "ssl_certificate %2/selfsigned.crt;\n"
                                          "ssl_certificate_key %2/selfsigned.key;\n"
                                          "location = /downgrade { return 302 http://127.0.0.1:%3/ok; }\n"
                                          "location = /same { return 302 /files/ok.txt; }\n")
                               .arg(m_tlsPort)
                               .arg(QStringLiteral(TEST_CERTIFICATES))
                               .arg(m_server.port());
    QVERIFY2(m_tls.start(m_work.filePath("tls"), config), qPrintable(m_tls.errorLog()));
    m_server.redirect("/to-https",
                      QStringLiteral("https://127.0.0.1:%1/files/ok.txt").arg(m_tlsPort).toLatin1());
    // The test's certificate is trusted, so that only the redirect rule decides.
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.addCaCertificates(QSslCertificate::fromPath(QStringLiteral(TEST_CERTIFICATES "/selfsigned.crt")));
    QSslConfiguration::setDefaultConfiguration(ssl);
}

void TransferLimitsTest::cleanup()
{
    net::HttpConnection::setDefaultLowSpeedLimit(4096, 60000);
    m_log.takeLines();
}

void TransferLimitsTest::redirects_data()
{
    QTest::addColumn<QString>("url");     // %h: the plain server, %s: the TLS server
    QTest::addColumn<QByteArray>("body"); // empty: refused
    QTest::newRow("http to http, relative") << "%h/relative" << QByteArray("plain answer");
    QTest::newRow("http to https") << "%h/to-https" << QByteArray("secure answer");
    QTest::newRow("https to https") << "%s/same" << QByteArray("secure answer");
    QTest::newRow("http to file") << "%h/to-file" << QByteArray();
    QTest::newRow("http to ftp") << "%h/to-ftp" << QByteArray();
    QTest::newRow("http to data") << "%h/to-data" << QByteArray();
    QTest::newRow("https to http") << "%s/downgrade" << QByteArray();
}

void TransferLimitsTest::redirects()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, body);
    url.replace("%h", QStringLiteral("http://127.0.0.1:%1").arg(m_server.port()))
        .replace("%s", QStringLiteral("https://127.0.0.1:%1").arg(m_tlsPort));
    m_server.clearRequests();
    QByteArray got;
    QCOMPARE(net::HttpConnection::create(false)->get(QUrl(url), &got), !body.isEmpty());
    const QStringList lines = m_log.takeLines();
    if (!body.isEmpty()) {
        QCOMPARE(got, body);
        return;
    }
    QVERIFY2(LogCapture::anyContains(lines, "crit redirect refused: " + url + " to "),
             qPrintable(lines.join('\n')));
    QVERIFY(got.isEmpty());
    // The downgrade's target was never asked.
    QCOMPARE(m_server.requestCount("/ok"), 0);
}

void TransferLimitsTest::endlessBody()
{
    EndlessServer server;
    server.start();
    const quint16 port = server.waitForPort();
    QByteArray body;
    QVERIFY(!net::HttpConnection::create(false)->get(
        QUrl(QStringLiteral("http://127.0.0.1:%1/update.json").arg(port)), &body));
    QVERIFY(server.wait(30000));
    // The client held no more than its limit and ended the transfer long before the server's cap.
    QVERIFY2(body.size() <= net::HttpConnection::InMemoryLimit, qPrintable(QString::number(body.size())));
    QVERIFY2(server.sent() < EndlessServer::Cap / 4, qPrintable(QString::number(server.sent())));
    QVERIFY(LogCapture::anyContains(m_log.takeLines(), "crit http answer too large: "));
}

void TransferLimitsTest::bodyLimits_data()
{
    QTest::addColumn<bool>("download"); // to a file, else into memory
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<qint64>("maxBytes"); // 0: the default
    QTest::addColumn<bool>("chunked");
    QTest::addColumn<bool>("ok");
    QTest::newRow("download at its maximum") << true << 5000 << qint64(5000) << false << true;
    QTest::newRow("download over its maximum") << true << 5001 << qint64(5000) << false << false;
    QTest::newRow("chunked download over its maximum") << true << 5001 << qint64(5000) << true << false;
    QTest::newRow("download without a maximum") << true << 9 * 1024 * 1024 << qint64(0) << false << true;
    QTest::newRow("in memory, under the default") << false << 1024 * 1024 << qint64(0) << false << true;
    QTest::newRow("in memory, over the default") << false << 9 * 1024 * 1024 << qint64(0) << true << false;
    QTest::newRow("in memory, a larger maximum")
        << false << 9 * 1024 * 1024 << qint64(16 << 20) << false << true;
}

void TransferLimitsTest::bodyLimits()
{
    QFETCH(bool, download);
    QFETCH(int, bodySize);
    QFETCH(qint64, maxBytes);
    QFETCH(bool, chunked);
    QFETCH(bool, ok);
    TestHttpServer::Response response;
    response.body = QByteArray(bodySize, 'x');
    response.chunked = chunked;
    m_server.serve("/body", response);
    const auto connection = net::HttpConnection::create(false);
    connection->setMaxBodySize(maxBytes);
    const QUrl url = m_server.url("/body");
    if (download) {
        const QString target = m_work.filePath("body.bin");
        QCOMPARE(connection->download(url, target), ok);
        QCOMPARE(QFileInfo(target).size(), ok ? qint64(bodySize) : 0);
    } else {
        QByteArray got;
        QCOMPARE(connection->get(url, &got), ok);
        if (ok)
            QCOMPARE(got.size(), bodySize);
    }
    QCOMPARE(LogCapture::anyContains(m_log.takeLines(), "crit http answer too large: "), !ok);
}

void TransferLimitsTest::lowSpeed_data()
{
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("pieceIntervalMs");
    QTest::addColumn<bool>("ok");
    // The limit is 4 KiB/s over 1.5 s; the slow bodies would take a minute or more.
    QTest::newRow("1 byte per second") << 64 << 1 << 1000 << false;
    QTest::newRow("2 KiB per second") << 128 * 1024 << 2048 << 1000 << false;
    QTest::newRow("16 KiB per second for 4 s") << 64 * 1024 << 8192 << 500 << true;
}

void TransferLimitsTest::lowSpeed()
{
    QFETCH(int, bodySize);
    QFETCH(int, pieceSize);
    QFETCH(int, pieceIntervalMs);
    QFETCH(bool, ok);
    net::HttpConnection::setDefaultLowSpeedLimit(4096, 1500);
    TestHttpServer::Response response;
    response.body = QByteArray(bodySize, 'x');
    response.pieceSize = pieceSize;
    response.pieceIntervalMs = pieceIntervalMs;
    m_server.serve("/slow", response);
    const QString target = m_work.filePath("slow.bin");
    QCOMPARE(net::HttpConnection::create(false)->download(m_server.url("/slow"), target), ok);
    QCOMPARE(QFileInfo(target).size(), ok ? qint64(bodySize) : 0);
    QCOMPARE(LogCapture::anyContains(m_log.takeLines(), "crit http transfer too slow: "), !ok);
}

QTEST_GUILESS_MAIN(TransferLimitsTest)
#include "tst_transferlimits.moc"
