#include "tests/support/testhttpserver.h"

#include <QMutexLocker>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 206:
        return "Partial Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 404:
        return "Not Found";
    case 416:
        return "Range Not Satisfiable";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Turns a file answer into the part the Range header asks for, when it asks for one.
TestHttpServer::Response applyRange(TestHttpServer::Response response, const QByteArray &range)
{
    if (!response.ranges || range.isEmpty())
        return response;
    const qint64 size = response.body.size();
    static const QRegularExpression pattern(QStringLiteral("^bytes=(\\d*)-(\\d*)$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(range.trimmed()));
    qint64 first = -1;
    qint64 last = size - 1;
    if (match.hasMatch() && !match.captured(1).isEmpty()) {
        first = match.captured(1).toLongLong();
        if (!match.captured(2).isEmpty())
            last = qMin(last, match.captured(2).toLongLong());
    } else if (match.hasMatch() && !match.captured(2).isEmpty()) {
        first = qMax<qint64>(0, size - match.captured(2).toLongLong());
    }
    if (first < 0 || first >= size || first > last) {
        response.status = 416;
        response.headers.append(
            qMakePair(QByteArray("Content-Range"), "bytes */" + QByteArray::number(size)));
        response.body.clear();
        return response;
    }
    response.status = 206;
    response.headers.append(
        qMakePair(QByteArray("Content-Range"),
                  QStringLiteral("bytes %1-%2/%3").arg(first).arg(last).arg(size).toLatin1()));
    response.body = response.body.mid(first, last - first + 1);
    return response;
}

// One connection: reads one request, answers it as configured, closes.
class Exchange : public QObject
{
public:
    Exchange(QTcpSocket *socket, TestHttpServer *server) : QObject(socket), m_socket(socket), m_server(server)
    {
        connect(socket, &QTcpSocket::readyRead, this, [this] { readRequest(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void readRequest()
    {
        m_input += m_socket->readAll();
        const int headerEnd = m_input.indexOf("\r\n\r\n");
        if (m_answering || headerEnd < 0)
            return;
        TestHttpServer::Request request;
        const QList<QByteArray> lines = m_input.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.path = requestLine.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const int bodyLength = request.headers.value("content-length").toInt();
        if (m_input.size() - headerEnd - 4 < bodyLength)
            return;
        request.body = m_input.mid(headerEnd + 4, bodyLength);
        // A proxy forwards the absolute form "http://host:port/path".
        if (request.path.startsWith("http://"))
            request.path = request.path.mid(request.path.indexOf('/', 7));
        m_server->record(request);
        m_answering = true;
        m_response = applyRange(m_server->responseFor(request.path), request.headers.value("range"));
        QTimer::singleShot(m_response.delayMs, this, [this] { sendHead(); });
    }

    void sendHead()
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(m_response.status) + ' ' +
                          reasonPhrase(m_response.status) + "\r\n";
        if (m_response.announceClose)
            head += "Connection: close\r\n";
        if (m_response.chunked)
            head += "Transfer-Encoding: chunked\r\n";
        else
            head += "Content-Length: " + QByteArray::number(m_response.body.size()) + "\r\n";
        for (const auto &header : qAsConst(m_response.headers))
            head += header.first + ": " + header.second + "\r\n";
        m_socket->write(head + "\r\n");
        const int pieceSize =
            m_response.pieceSize > 0 ? m_response.pieceSize : qMax(1, m_response.body.size());
        m_pieces = new QTimer(this);
        connect(m_pieces, &QTimer::timeout, this, [this, pieceSize] { sendPiece(pieceSize); });
        m_pieces->start(m_response.pieceSize > 0 ? m_response.pieceIntervalMs : 0);
    }

    void sendPiece(int pieceSize)
    {
        qint64 count = qMin<qint64>(pieceSize, m_response.body.size() - m_sent);
        const bool dropping = m_response.dropAfter >= 0 && m_sent + count >= m_response.dropAfter;
        if (dropping)
            count = m_response.dropAfter - m_sent;
        if (count > 0) {
            const QByteArray piece = m_response.body.mid(m_sent, count);
            m_socket->write(m_response.chunked ? QByteArray::number(count, 16) + "\r\n" + piece + "\r\n"
                                               : piece);
            m_sent += count;
        }
        if (dropping) {
            finish();
        } else if (m_sent >= m_response.body.size()) {
            if (m_response.chunked)
                m_socket->write("0\r\n\r\n");
            finish();
        }
    }

    void finish()
    {
        m_pieces->stop();
        m_socket->disconnectFromHost();
    }

    QTcpSocket *m_socket;
    TestHttpServer *m_server;
    QByteArray m_input;
    bool m_answering = false;
    TestHttpServer::Response m_response;
    QTimer *m_pieces = nullptr;
    qint64 m_sent = 0;
};

} // namespace

// Owns the listening socket on the server thread.
class TestHttpServerWorker : public QObject
{
public:
    explicit TestHttpServerWorker(TestHttpServer *server) : m_server(server) {}

    quint16 listen()
    {
        m_listener = new QTcpServer(this);
        if (!m_listener->listen(QHostAddress::LocalHost, 0))
            return 0;
        connect(m_listener, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_listener->nextPendingConnection())
                new Exchange(socket, m_server);
        });
        return m_listener->serverPort();
    }

private:
    TestHttpServer *m_server;
    QTcpServer *m_listener = nullptr;
};

TestHttpServer::TestHttpServer() = default;

TestHttpServer::~TestHttpServer()
{
    m_thread.quit();
    m_thread.wait();
}

bool TestHttpServer::start()
{
    m_worker = new TestHttpServerWorker(this);
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_worker, [this] { return m_worker->listen(); }, Qt::BlockingQueuedConnection, &m_port);
    return m_port != 0;
}

QUrl TestHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port) + path);
}

void TestHttpServer::serve(const QByteArray &path, const Response &response)
{
    QMutexLocker lock(&m_mutex);
    m_routes.insert(path, response);
}

void TestHttpServer::serveFile(const QByteArray &path, const QByteArray &content)
{
    Response response;
    response.body = content;
    response.ranges = true;
    response.headers.append(qMakePair(QByteArray("Accept-Ranges"), QByteArray("bytes")));
    serve(path, response);
}

void TestHttpServer::redirect(const QByteArray &path, const QByteArray &location, int status)
{
    Response response;
    response.status = status;
    response.headers.append(qMakePair(QByteArray("Location"), location));
    serve(path, response);
}

QList<TestHttpServer::Request> TestHttpServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

int TestHttpServer::requestCount(const QByteArray &path) const
{
    QMutexLocker lock(&m_mutex);
    return std::count_if(m_requests.cbegin(), m_requests.cend(),
                         [&path](const Request &request) { return request.path == path; });
}

void TestHttpServer::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

TestHttpServer::Response TestHttpServer::responseFor(const QByteArray &path) const
{
    QMutexLocker lock(&m_mutex);
    const auto route = m_routes.constFind(path);
    if (route != m_routes.cend())
        return *route;
    Response notFound;
    notFound.status = 404;
    notFound.body = "not found";
    return notFound;
}

void TestHttpServer::record(const Request &request)
{
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
}
