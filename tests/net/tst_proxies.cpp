#include "net/httpconnection.h"
#include "net/proxysettings.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/proxyserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/typedprinting.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ProxyServer::Kind)

// Downloads through tinyproxy and microsocks from the system, with and without a password.
class ProxiesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { applyProxy(QString(), 0, 0, QString(), QString()); }
    void downloadsThroughProxy_data();
    void downloadsThroughProxy();
    void callsAfterChangeUseNewProxy();
    void proxyThatIsNotThere_data();
    void proxyThatIsNotThere();

private:
    TestHttpServer m_server;
    QTemporaryDir m_folder;
    QByteArray m_file;
    LogCapture m_log;
};

void ProxiesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(m_server.start());
    m_file.resize(2 * 1024 * 1024);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(m_file.data()), m_file.size() / 4);
    m_server.serveFile("/content.7z", m_file);
}

void ProxiesTest::init()
{
    m_server.clearRequests();
    m_log.takeLines();
}

void ProxiesTest::downloadsThroughProxy_data()
{
    QTest::addColumn<ProxyServer::Kind>("kind");
    QTest::addColumn<QString>("requiredUser");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    // Why the download fails; None when it goes through.
    QTest::addColumn<FailureReason::Kind>("reason");

    using Kind = FailureReason::Kind;
    QTest::newRow("http") << ProxyServer::Http << "" << "" << "" << Kind::None;
    QTest::newRow("http with login") << ProxyServer::Http << "joe" << "joe" << "s3cret" << Kind::None;
    // tinyproxy 1.11 answers wrong credentials with 401, as a server would, not with 407: nothing in
    // the answer tells it from the server's own.
    QTest::newRow("http wrong password") << ProxyServer::Http << "joe" << "joe" << "guess" << Kind::HttpStatus;
    QTest::newRow("http no login") << ProxyServer::Http << "joe" << "" << "" << Kind::ProxyAuthentication;
    QTest::newRow("socks5") << ProxyServer::Socks5 << "" << "" << "" << Kind::None;
    QTest::newRow("socks5 with login") << ProxyServer::Socks5 << "joe" << "joe" << "s3cret" << Kind::None;
    QTest::newRow("socks5 wrong password")
        << ProxyServer::Socks5 << "joe" << "joe" << "guess" << Kind::ProxyAuthentication;
    QTest::newRow("socks5 no login") << ProxyServer::Socks5 << "joe" << "" << "" << Kind::ProxyAuthentication;
}

void ProxiesTest::downloadsThroughProxy()
{
    QFETCH(ProxyServer::Kind, kind);
    QFETCH(QString, requiredUser);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(FailureReason::Kind, reason);
    ProxyServer proxy;
    QVERIFY(proxy.start(kind, requiredUser, QStringLiteral("s3cret")));
    const int type = kind == ProxyServer::Http ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy;
    applyProxy(QStringLiteral("127.0.0.1"), type, proxy.port(), user, password);

    const QString target = m_folder.filePath(QStringLiteral("content.7z"));
    const auto connection = net::HttpConnection::create(true);
    const bool ok = reason == FailureReason::Kind::None;
    QCOMPARE(connection->download(m_server.url("/content.7z"), target), ok);
    QCOMPARE(QFile::exists(target), ok);
    if (!ok) {
        QVERIFY(m_server.requests().isEmpty());
        const FailureReason expected =
            reason == FailureReason::Kind::HttpStatus
                ? FailureReason::atStatus(m_server.url("/content.7z"), 401)
                : FailureReason::atProxy(reason, QStringLiteral("127.0.0.1:%1").arg(proxy.port()));
        QCOMPARE(connection->failure(), expected);
        return;
    }
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == m_file);
    QCOMPARE(m_server.requests().size(), 1);
    // tinyproxy names itself to the server; a SOCKS proxy passes the bytes through untouched.
    const QByteArray via = m_server.requests().first().headers.value("via");
    QCOMPARE(via.contains("tinyproxy"), kind == ProxyServer::Http);
}

void ProxiesTest::callsAfterChangeUseNewProxy()
{
    ProxyServer proxy;
    QVERIFY(proxy.start(ProxyServer::Http));
    const auto connection = net::HttpConnection::create(true);
    QByteArray out;
    QVERIFY(connection->get(m_server.url("/content.7z"), &out));

    applyProxy(QStringLiteral("127.0.0.1"), QNetworkProxy::HttpProxy, proxy.port(), QString(), QString());
    QVERIFY(connection->get(m_server.url("/content.7z"), &out));
    applyProxy(QString(), QNetworkProxy::HttpProxy, proxy.port(), QString(), QString());
    QVERIFY(connection->get(m_server.url("/content.7z"), &out));

    const QList<TestHttpServer::Request> requests = m_server.requests();
    QCOMPARE(requests.size(), 3);
    QVERIFY(!requests[0].headers.contains("via"));
    QVERIFY(requests[1].headers.value("via").contains("tinyproxy"));
    QVERIFY(!requests[2].headers.contains("via"));
}

void ProxiesTest::proxyThatIsNotThere_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("http") << int(QNetworkProxy::HttpProxy);
    QTest::newRow("socks5") << int(QNetworkProxy::Socks5Proxy);
}

// A proxy setting that points nowhere: the failure names the proxy, not the server.
void ProxiesTest::proxyThatIsNotThere()
{
    QFETCH(int, type);
    const quint16 port = freeLocalPort();
    applyProxy(QStringLiteral("127.0.0.1"), type, port, QString(), QString());
    const auto connection = net::HttpConnection::create(true);
    QByteArray out;
    QVERIFY(!connection->get(m_server.url("/content.7z"), &out));
    QVERIFY(m_server.requests().isEmpty());
    QCOMPARE(connection->failure(), FailureReason::atProxy(FailureReason::Kind::ProxyRefused,
                                                           QStringLiteral("127.0.0.1:%1").arg(port)));
}

QTEST_GUILESS_MAIN(ProxiesTest)
#include "tst_proxies.moc"
