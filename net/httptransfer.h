#pragma once

#include "app/failurereason.h"
#include "net/ratepacer.h"

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

// One call of the HTTP client: a network manager of its own in the calling thread, the request
// and the redirects it leads to, and the answer streamed into the output device as it arrives.
class HttpTransfer
{
public:
    using ProgressHandler = std::function<void(qint64 total, qint64 current)>;
    // Sees the head of the final answer before any of its body reaches the output; false refuses
    // the answer, and the transfer fails.
    using HeadHandler = std::function<bool(QNetworkReply *reply)>;
    // Sees every block of the body, in order, once it is in the output.
    using WriteObserver = std::function<void(const char *data, qint64 size)>;

    // progress may be empty when the caller does not want progress.
    HttpTransfer(QIODevice *output, ProgressHandler progress);
    ~HttpTransfer();

    // A raised flag aborts the transfer (checked a few times a second while it waits).
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancelFlag = flag; }
    // More body bytes than this abort the transfer; 0 means no limit.
    void setMaxBodySize(qint64 bytes) { m_maxBodySize = bytes; }
    // A transfer averaging fewer than bytesPerSecond over windowMs fails; 0 bytes: no limit.
    void setLowSpeedLimit(int bytesPerSecond, int windowMs);
    void setHeadHandler(HeadHandler handler) { m_headHandler = std::move(handler); }
    void setWriteObserver(WriteObserver observer) { m_writeObserver = std::move(observer); }
    // Holds the body to the player's download speed limit (SpeedLimit), following its changes
    // while the transfer runs.
    void setThrottled(bool throttled) { m_throttled = throttled; }

    // Sends request (a POST when body is set), follows redirects up to 10 requests in all (only to
    // http and https, never from https down to http), and
    // answers whether a whole body (as long as announced) of at least one byte arrived without error.
    bool run(QNetworkRequest request, const QByteArray *body);
    // Why the last run failed; no failure after one that succeeded.
    const FailureReason &failure() const { return m_failure; }

private:
    QNetworkReply *send(const QNetworkRequest &request, const QByteArray *body);
    void moveToOutput(QNetworkReply *reply);
    void moveChunks(QNetworkReply *reply, qint64 budget);
    bool headAccepted(QNetworkReply *reply);
    qint64 chunkAllowed();
    qint64 limit() const;
    qint64 readBufferSize() const;
    // Whether a finished reply still holds body bytes that the speed limit lets out later.
    bool pacedBytesPending(QNetworkReply *reply) const;
    void pace(QNetworkReply *reply);
    void followLimit(QNetworkReply *reply);
    qint64 elapsedMs();
    // Why the reply failed, logged; no failure when it did not.
    FailureReason failureOf(QNetworkReply *reply) const;
    FailureReason errorFailure(QNetworkReply *reply) const;
    FailureReason statusFailure(QNetworkReply *reply) const;
    FailureReason writeFailure() const;
    bool bodyComplete(QNetworkReply *reply) const;
    // Keeps the reason; false, the failed run's answer.
    bool fail(const FailureReason &reason);
    bool cancelled() const { return m_cancelFlag && m_cancelFlag->load(); }
    void waitForReply(QNetworkReply *reply);
    void watchSpeed(QNetworkReply *reply);

    QEventLoop m_loop;
    QTimer m_cancelPoll;
    const std::atomic<bool> *m_cancelFlag = nullptr;
    qint64 m_maxBodySize = 0;
    qint64 m_received = 0;
    bool m_tooLarge = false;
    int m_lowSpeedBytesPerSecond = 0;
    int m_lowSpeedWindowMs = 0;
    QTimer m_speedWatch;
    // (elapsed ms, bytes received) once per tick: the window's average rate is read from them.
    std::vector<std::pair<qint64, qint64>> m_speedSamples;
    QElapsedTimer m_clock;
    bool m_tooSlow = false;
    HeadHandler m_headHandler;
    WriteObserver m_writeObserver;
    bool m_headChecked = false;
    bool m_headRefused = false;
    bool m_throttled = false;
    RatePacer m_pacer;
    QTimer m_paceTimer;
    QIODevice *m_output;
    ProgressHandler m_progress;
    std::vector<char> m_chunk;
    bool m_writeFailed = false;
    FailureReason m_failure;
    // Last, so that it goes first, with its replies and their connections to the members above.
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

} // namespace net
