#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkRequest>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

namespace net {

// What a server may make a transfer cost: body bytes (below 0: any), and the lowest average rate
// over a window (0 bytes: any).
struct TransferLimits
{
    qint64 maxBodyBytes = -1;
    int lowSpeedBytesPerSecond = 0;
    int lowSpeedWindowMs = 60000;
};

// One call of the HTTP client: a network manager of its own in the calling thread, the request
// and the redirects it leads to, and the answer streamed into the output device as it arrives.
class HttpTransfer
{
public:
    using ProgressHandler = std::function<void(qint64 total, qint64 current)>;
    using Limits = TransferLimits;

    // progress may be empty when the caller does not want progress; stop, when given, is watched
    // during the transfer and ends it soon after it is set.
    HttpTransfer(QIODevice *output, ProgressHandler progress, const std::atomic<bool> *stop = nullptr,
                 const Limits &limits = Limits());
    ~HttpTransfer();

    // Sends request (a POST when body is set), follows redirects up to 10 requests in all (only to
    // http and https, never from https to http), and answers whether a whole body of at least one
    // byte arrived within the limits, without error and without a stop.
    bool run(QNetworkRequest request, const QByteArray *body);

private:
    QNetworkReply *send(const QNetworkRequest &request, const QByteArray *body);
    void moveToOutput(QNetworkReply *reply);
    bool finishedWithError(QNetworkReply *reply) const;
    bool bodyComplete(QNetworkReply *reply) const;
    void watchStop();
    void watchSpeed();
    void failReply(QNetworkReply *reply, const QString &why);

    QEventLoop m_loop;
    QIODevice *m_output;
    ProgressHandler m_progress;
    const std::atomic<bool> *m_stop;
    QTimer m_stopWatch;
    Limits m_limits;
    QTimer m_speedWatch;
    // (elapsed ms, bytes received) once per tick: the window's average rate is read from them.
    std::vector<std::pair<qint64, qint64>> m_speedSamples;
    QElapsedTimer m_clock;
    bool m_limitHit = false;
    QNetworkReply *m_reply = nullptr;
    std::vector<char> m_chunk;
    qint64 m_received = 0;
    bool m_writeFailed = false;
    bool m_stopped = false;
    // Last, so that it goes first, with its replies and their connections to the members above.
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

} // namespace net
