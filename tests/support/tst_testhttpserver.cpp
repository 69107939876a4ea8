#include "tests/support/testhttpserver.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

// The raw answer to one request, read until the server closes the connection.
QByteArray exchange(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "no connection";
    socket.write(request);
    QByteArray answer;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer + socket.readAll();
}

QByteArray get(quint16 port, const QByteArray &path, const QByteArray &extra = QByteArray())
{
    return exchange(port, "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extra + "\r\n");
}

} // namespace

// The fixture itself, seen from a raw socket: ranges, chunked framing, drops and redirects.
class TestHttpServerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void answersRanges_data();
    void answersRanges();
    void framesChunkedBody();
    void dropsConnectionMidBody();
    void redirectsAndRecords();

private:
    TestHttpServer m_server;
};

void TestHttpServerTest::answersRanges_data()
{
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("whole") << QByteArray() << QByteArray("HTTP/1.1 200 OK") << QByteArray("0123456789");
    QTest::newRow("middle") << QByteArray("bytes=3-5") << QByteArray("HTTP/1.1 206") << QByteArray("345");
    QTest::newRow("open end") << QByteArray("bytes=7-") << QByteArray("HTTP/1.1 206") << QByteArray("789");
    QTest::newRow("suffix") << QByteArray("bytes=-2") << QByteArray("HTTP/1.1 206") << QByteArray("89");
    QTest::newRow("end past size") << QByteArray("bytes=8-100") << QByteArray("HTTP/1.1 206")
                                   << QByteArray("89");
    QTest::newRow("unsatisfiable") << QByteArray("bytes=10-") << QByteArray("HTTP/1.1 416") << QByteArray();
}

void TestHttpServerTest::answersRanges()
{
    QFETCH(QByteArray, range);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, body);
    m_server.serveFile("/digits", "0123456789");
    const QByteArray answer =
        get(m_server.port(), "/digits", range.isEmpty() ? QByteArray() : "Range: " + range + "\r\n");
    QVERIFY2(answer.startsWith(head), answer.constData());
    QVERIFY2(answer.endsWith("\r\n\r\n" + body), answer.constData());
    if (head.contains("206"))
        QVERIFY(answer.contains("Content-Range: bytes "));
}

void TestHttpServerTest::framesChunkedBody()
{
    TestHttpServer::Response chunked;
    chunked.chunked = true;
    chunked.body = "hello world";
    chunked.pieceSize = 5;
    m_server.serve("/chunked", chunked);
    const QByteArray answer = get(m_server.port(), "/chunked");
    QVERIFY(answer.contains("Transfer-Encoding: chunked"));
    QVERIFY2(answer.endsWith("\r\n\r\n5\r\nhello\r\n5\r\n worl\r\n1\r\nd\r\n0\r\n\r\n"), answer.constData());
}

void TestHttpServerTest::dropsConnectionMidBody()
{
    TestHttpServer::Response dropped;
    dropped.body = QByteArray(1000, 'x');
    dropped.dropAfter = 400;
    m_server.serve("/dropped", dropped);
    const QByteArray answer = get(m_server.port(), "/dropped");
    QVERIFY(answer.contains("Content-Length: 1000\r\n"));
    QVERIFY2(answer.endsWith("\r\n\r\n" + QByteArray(400, 'x')), answer.constData());
}

void TestHttpServerTest::redirectsAndRecords()
{
    m_server.clearRequests();
    m_server.redirect("/old", "new/place", 301);
    const QByteArray answer = get(m_server.port(), "/old", "X-Probe: 1\r\n");
    QVERIFY2(answer.startsWith("HTTP/1.1 301"), answer.constData());
    QVERIFY(answer.contains("\r\nLocation: new/place\r\n"));
    QVERIFY(get(m_server.port(), "/missing").startsWith("HTTP/1.1 404"));
    QCOMPARE(m_server.requestCount("/old"), 1);
    QCOMPARE(m_server.requests().first().headers.value("x-probe"), QByteArray("1"));
    QCOMPARE(m_server.requests().size(), 2);
}

QTEST_GUILESS_MAIN(TestHttpServerTest)
#include "tst_testhttpserver.moc"
