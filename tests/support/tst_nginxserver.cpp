#include "tests/support/nginxserver.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// The fixture itself: nginx starts on loopback, answers Range requests, and stops.
class NginxServerTest : public QObject
{
    Q_OBJECT
private slots:
    void servesRangesOnLoopback();
};

void NginxServerTest::servesRangesOnLoopback()
{
    QTemporaryDir root;
    QFile file(root.filePath(QStringLiteral("data.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();

    quint16 port = 0;
    {
        NginxServer server;
        QVERIFY2(server.start(root.path()), qPrintable(server.errorLog()));
        port = server.port();
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(
            "GET /data.bin HTTP/1.1\r\nHost: localhost\r\nRange: bytes=3-5\r\nConnection: close\r\n\r\n");
        QByteArray reply;
        while (socket.waitForReadyRead(5000))
            reply += socket.readAll();
        QVERIFY2(reply.startsWith("HTTP/1.1 206"), reply.constData());
        QVERIFY(reply.endsWith("\r\n\r\n345"));
    }
    QTcpSocket after;
    after.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!after.waitForConnected(1000));
}

QTEST_GUILESS_MAIN(NginxServerTest)
#include "tst_nginxserver.moc"
