#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QThread>
#include <QUrl>

class TestHttpServerWorker;

// A small HTTP/1.1 server on 127.0.0.1 for the client tests, running on a thread of its own so
// that blocking clients on any thread can talk to it. Each path answers as configured: files
// with Range support, redirects, any status, empty, chunked or slow bodies, or a connection
// dropped in the middle of the body. Unknown paths answer 404. Every connection is closed after
// one answer, announced in the head or not.
class TestHttpServer
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Response
    {
        int status = 200;
        QByteArray body;
        Headers headers;
        // Answers "Range: bytes=..." requests with 206 (or 416) from body.
        bool ranges = false;
        bool chunked = false;
        // Waits this long before the status line.
        int delayMs = 0;
        // With a piece size, the body goes out one piece every pieceIntervalMs.
        int pieceSize = 0;
        int pieceIntervalMs = 0;
        // Closes the connection after this many body bytes (the headers announce all of them).
        qint64 dropAfter = -1;
        // Whether the head says "Connection: close"; without it the client expects a connection
        // it could keep, and a close after a short body looks like an ordinary end.
        bool announceClose = true;
    };

    struct Request
    {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names lower case
        QByteArray body;
    };

    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer &) = delete;
    TestHttpServer &operator=(const TestHttpServer &) = delete;

    bool start();
    quint16 port() const { return m_port; }
    // path starts with "/".
    QUrl url(const QString &path) const;

    void serve(const QByteArray &path, const Response &response);
    void serveFile(const QByteArray &path, const QByteArray &content);
    // location is sent as given, so it may be relative or absolute.
    void redirect(const QByteArray &path, const QByteArray &location, int status = 302);

    QList<Request> requests() const;
    int requestCount(const QByteArray &path) const;
    void clearRequests();

    // Used by the server thread.
    Response responseFor(const QByteArray &path) const;
    void record(const Request &request);

private:
    mutable QMutex m_mutex;
    QHash<QByteArray, Response> m_routes;
    QList<Request> m_requests;
    QThread m_thread;
    TestHttpServerWorker *m_worker = nullptr;
    quint16 m_port = 0;
};
