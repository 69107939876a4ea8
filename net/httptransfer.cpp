#include "net/httptransfer.h"

#include "app/logger.h"
#include "net/speedlimit.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkConfiguration>
#include <QNetworkDiskCache>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslError>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

namespace net {

namespace {

constexpr int ChunkSize = 262144;
constexpr qint64 ReadBufferSize = 10 * 1024 * 1024;
constexpr int ConnectTimeoutMs = 5000;
// Requests per call, the first one included: a 10th redirect is not followed.
constexpr int MaxRequests = 10;
constexpr int CancelPollMs = 50;
// Under a speed limit Qt holds a quarter of a second of the rate, so the socket is read about as
// fast as the limit lets the body out and memory stays small.
constexpr qint64 ThrottledBufferMinimum = 16 * 1024;
// Paced reads come back about 16 times a second (at least 1 KiB each): Qt must see its buffer
// drain well within a transfer time-out, however low the limit.
constexpr qint64 PacedReadsPerSecond = 16;
constexpr qint64 PacedReadMinimum = 1024;

void setConnectTimeout(QNetworkAccessManager &manager)
{
    // Qt 5 takes the TCP connect timeout of its sockets from the manager's network
    // configuration only; the API is marked obsolete in 5.15 but has no replacement there.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QNetworkConfiguration configuration = manager.configuration();
    configuration.setConnectTimeout(ConnectTimeoutMs);
    manager.setConfiguration(configuration);
    QT_WARNING_POP
}

std::unique_ptr<QNetworkAccessManager> createNetworkManager()
{
    auto manager = std::make_unique<QNetworkAccessManager>();
    // Explicitly set, the proxy also applies to loopback hosts, which Qt's own lookup exempts.
    manager->setProxy(QNetworkProxy::applicationProxy());
    setConnectTimeout(*manager);
    QObject::connect(manager.get(), &QNetworkAccessManager::sslErrors,
                     [](QNetworkReply *, const QList<QSslError> &errors) {
                         QStringList texts;
                         for (const QSslError &error : errors)
                             texts.append(error.errorString());
                         Logger::instance().crit(QStringLiteral("ssl errors: ") +
                                                 texts.join(QStringLiteral(". ")));
                     });
    auto *cache = new QNetworkDiskCache(manager.get());
    cache->setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    manager->setCache(cache);
    return manager;
}

QUrl redirectTarget(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
}

// A redirect may not leave HTTP (a file:// target would read the player's own disk) nor give up
// the transport security the caller asked for.
bool redirectAllowed(const QUrl &from, const QUrl &to)
{
    const QString scheme = to.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    return !(from.scheme().toLower() == QLatin1String("https") && scheme == QLatin1String("http"));
}

// Ticks of the low-speed watch per window.
constexpr int SpeedTicksPerWindow = 8;

QString proxyName(const QNetworkProxy &proxy)
{
    return proxy.hostName() + QLatin1Char(':') + QString::number(proxy.port());
}

bool isProxyError(QNetworkReply::NetworkError code)
{
    return code >= QNetworkReply::ProxyConnectionRefusedError && code <= QNetworkReply::UnknownProxyError;
}

// Qt reports a proxy it cannot reach as a plain connection failure: through an HTTP proxy every
// connection goes to the proxy, and a SOCKS proxy's failure comes as an unknown network error.
bool proxyUnreachable(const QNetworkProxy &proxy, QNetworkReply::NetworkError code)
{
    if (proxy.type() == QNetworkProxy::HttpProxy)
        return code == QNetworkReply::ConnectionRefusedError ||
               code == QNetworkReply::RemoteHostClosedError || code == QNetworkReply::HostNotFoundError ||
               code == QNetworkReply::TimeoutError;
    return proxy.type() == QNetworkProxy::Socks5Proxy && code == QNetworkReply::UnknownNetworkError;
}

// Qt's codes for answers that came with an error status: content errors (2xx) and server errors (4xx).
bool isStatusError(QNetworkReply::NetworkError code)
{
    return (code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError) ||
           (code >= QNetworkReply::InternalServerError && code <= QNetworkReply::UnknownServerError);
}

} // namespace

HttpTransfer::HttpTransfer(QIODevice *output, ProgressHandler progress)
    : m_output(output), m_progress(std::move(progress)), m_chunk(ChunkSize), m_manager(createNetworkManager())
{
    m_cancelPoll.setInterval(CancelPollMs);
    m_paceTimer.setSingleShot(true);
}

HttpTransfer::~HttpTransfer() = default;

bool HttpTransfer::run(QNetworkRequest request, const QByteArray *body)
{
    m_failure = FailureReason();
    for (int sent = 1;; ++sent) {
        if (cancelled()) {
            Logger::instance().debug(QStringLiteral("http call cancelled: ") + request.url().toString());
            return fail(FailureReason::cancelled());
        }
        m_headChecked = false;
        QNetworkReply *reply = send(request, body);
        waitForReply(reply);
        const FailureReason failure = failureOf(reply);
        if (failure.isFailure())
            return fail(failure);
        const QUrl target = redirectTarget(reply);
        if (target.isEmpty()) {
            moveToOutput(reply);
            reply->deleteLater();
            if (m_writeFailed)
                return fail(writeFailure());
            if (m_tooSlow || !bodyComplete(reply) || m_output->size() == 0)
                return fail(FailureReason::atUrl(FailureReason::Kind::TransferFailed, reply->url()));
            return true;
        }
        reply->deleteLater();
        if (sent == MaxRequests) {
            // The body of a redirect response is not the resource asked for.
            Logger::instance().crit(QStringLiteral("too many redirects: ") + request.url().toString());
            return fail(FailureReason::atUrl(FailureReason::Kind::TransferFailed, request.url()));
        }
        const QUrl next = request.url().resolved(target);
        if (!redirectAllowed(request.url(), next)) {
            Logger::instance().crit(QStringLiteral("redirect refused: ") + request.url().toString() +
                                    QStringLiteral(" to ") + next.toString());
            return fail(FailureReason::atUrl(FailureReason::Kind::TransferFailed, request.url()));
        }
        request.setUrl(next);
    }
}

void HttpTransfer::waitForReply(QNetworkReply *reply)
{
    if (reply->isFinished() && redirectTarget(reply).isEmpty())
        moveToOutput(reply);
    if ((!reply->isRunning() || reply->isFinished()) && !pacedBytesPending(reply))
        return;
    QMetaObject::Connection poll;
    if (m_cancelFlag) {
        // The flag is raised on another thread, which cannot touch the reply; the poll ends the
        // wait here, in the reply's own thread.
        poll = QObject::connect(&m_cancelPoll, &QTimer::timeout, reply, [this, reply] {
            if (cancelled())
                reply->abort();
        });
        m_cancelPoll.start();
    }
    QMetaObject::Connection speed;
    if (m_lowSpeedBytesPerSecond > 0 && m_lowSpeedWindowMs > 0) {
        speed =
            QObject::connect(&m_speedWatch, &QTimer::timeout, reply, [this, reply] { watchSpeed(reply); });
        m_speedWatch.start(qMax(1, m_lowSpeedWindowMs / SpeedTicksPerWindow));
    }
    const QMetaObject::Connection paced =
        QObject::connect(&m_paceTimer, &QTimer::timeout, reply, [this, reply] { pace(reply); });
    m_loop.exec();
    m_cancelPoll.stop();
    m_speedWatch.stop();
    m_paceTimer.stop();
    QObject::disconnect(poll);
    QObject::disconnect(speed);
    QObject::disconnect(paced);
}

void HttpTransfer::pace(QNetworkReply *reply)
{
    if (redirectTarget(reply).isEmpty())
        moveToOutput(reply);
    if (reply->isFinished() && !pacedBytesPending(reply))
        m_loop.quit();
}

bool HttpTransfer::pacedBytesPending(QNetworkReply *reply) const
{
    return m_throttled && !cancelled() && !m_writeFailed && !m_tooLarge && !m_tooSlow && !m_headRefused &&
           reply->error() == QNetworkReply::NoError && redirectTarget(reply).isEmpty() &&
           reply->bytesAvailable() > 0;
}

qint64 HttpTransfer::limit() const
{
    return m_throttled ? SpeedLimit::instance().bytesPerSecond() : 0;
}

qint64 HttpTransfer::readBufferSize() const
{
    const qint64 rate = limit();
    return rate > 0 ? qBound(ThrottledBufferMinimum, rate / 4, ReadBufferSize) : ReadBufferSize;
}

qint64 HttpTransfer::elapsedMs()
{
    if (!m_clock.isValid())
        m_clock.start();
    return m_clock.elapsed();
}

// Bytes the next read may take: a chunk, or under a limit what the limit allows now. With nothing
// allowed, the pace timer brings the reads back when there is.
qint64 HttpTransfer::chunkAllowed()
{
    const qint64 rate = limit();
    if (rate <= 0)
        return ChunkSize;
    const qint64 allowed = qMin<qint64>(ChunkSize, m_pacer.allowance(rate, elapsedMs()));
    if (allowed <= 0 && !m_paceTimer.isActive())
        m_paceTimer.start(m_pacer.waitMs(rate, qMax(PacedReadMinimum, rate / PacedReadsPerSecond)));
    return allowed;
}

void HttpTransfer::followLimit(QNetworkReply *reply)
{
    const qint64 buffer = readBufferSize();
    // What Qt took in under the old limit goes out now, beyond what the new one would release
    // within a moment: held back, it would keep the socket unread past the transfer time-out.
    const qint64 excess = reply->bytesAvailable() - buffer;
    if (excess > 0 && redirectTarget(reply).isEmpty() && headAccepted(reply))
        moveChunks(reply, excess);
    reply->setReadBufferSize(buffer);
    // A wait computed under the old limit may be far too long under the new one.
    if (m_paceTimer.isActive())
        m_paceTimer.start(0);
}

void HttpTransfer::setLowSpeedLimit(int bytesPerSecond, int windowMs)
{
    m_lowSpeedBytesPerSecond = bytesPerSecond;
    m_lowSpeedWindowMs = windowMs;
}

void HttpTransfer::watchSpeed(QNetworkReply *reply)
{
    const qint64 now = elapsedMs();
    // A limit the player chose below the stalled-mirror threshold is not a stalled mirror.
    const qint64 rate = limit();
    if (rate > 0 && rate < 2 * qint64(m_lowSpeedBytesPerSecond)) {
        m_speedSamples.clear();
        return;
    }
    m_speedSamples.emplace_back(now, m_received);
    // The oldest sample still a whole window back gives the window's average.
    auto start = m_speedSamples.end();
    for (auto it = m_speedSamples.begin();
         it != m_speedSamples.end() && now - it->first >= m_lowSpeedWindowMs; ++it)
        start = it;
    if (start == m_speedSamples.end() || m_tooSlow)
        return;
    const qint64 bytes = m_received - start->second;
    const qint64 span = now - start->first;
    m_speedSamples.erase(m_speedSamples.begin(), start);
    if (bytes * 1000 >= qint64(m_lowSpeedBytesPerSecond) * span)
        return;
    Logger::instance().crit(QStringLiteral("http transfer too slow: ") + QString::number(bytes) +
                            QStringLiteral(" bytes in ") + QString::number(span) + QStringLiteral(" ms: ") +
                            reply->url().toString());
    m_tooSlow = true;
    reply->abort();
}

QNetworkReply *HttpTransfer::send(const QNetworkRequest &request, const QByteArray *body)
{
    QNetworkReply *reply = body ? m_manager->post(request, *body) : m_manager->get(request);
    QObject::connect(reply, &QNetworkReply::finished, &m_loop, [this, reply] {
        // Under a speed limit the last bytes Qt holds still go out at the limit's pace.
        if (pacedBytesPending(reply))
            moveToOutput(reply);
        if (!pacedBytesPending(reply))
            m_loop.quit();
    });
    QObject::connect(reply, &QNetworkReply::errorOccurred, [this](QNetworkReply::NetworkError code) {
        if (!cancelled() && !m_tooLarge && !m_tooSlow && !m_headRefused)
            Logger::instance().crit(QStringLiteral("network error: ") + QString::number(code));
    });
    reply->setReadBufferSize(readBufferSize());
    if (m_throttled)
        QObject::connect(&SpeedLimit::instance(), &SpeedLimit::changed, reply,
                         [this, reply] { followLimit(reply); });
    if (m_progress)
        QObject::connect(reply, &QNetworkReply::downloadProgress,
                         [this](qint64 received, qint64 total) { m_progress(total, received); });
    // The head is judged as soon as it is there, also for answers without a body (a 416).
    QObject::connect(reply, &QNetworkReply::metaDataChanged, [this, reply] {
        if (redirectTarget(reply).isEmpty())
            headAccepted(reply);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [this, reply] {
        if (redirectTarget(reply).isEmpty())
            moveToOutput(reply);
    });
    return reply;
}

bool HttpTransfer::headAccepted(QNetworkReply *reply)
{
    if (m_headChecked)
        return !m_headRefused;
    m_headChecked = true;
    if (!m_headHandler || m_headHandler(reply))
        return true;
    m_headRefused = true;
    reply->abort();
    return false;
}

void HttpTransfer::moveToOutput(QNetworkReply *reply)
{
    if (headAccepted(reply))
        moveChunks(reply, -1);
}

// budget: bytes to move whatever the speed limit; -1 moves as many as the limit allows.
void HttpTransfer::moveChunks(QNetworkReply *reply, qint64 budget)
{
    while (!m_writeFailed && !m_tooLarge) {
        const qint64 wanted = budget < 0 ? chunkAllowed() : qMin<qint64>(ChunkSize, budget);
        if (wanted <= 0)
            break;
        const qint64 count = qMax<qint64>(0, reply->read(m_chunk.data(), wanted));
        m_received += count;
        if (budget < 0)
            m_pacer.consume(count);
        else
            budget -= count;
        if (m_maxBodySize > 0 && m_received > m_maxBodySize) {
            Logger::instance().crit(QStringLiteral("http answer too large: ") + reply->url().toString() +
                                    QStringLiteral(" (more than ") + QString::number(m_maxBodySize) +
                                    QStringLiteral(" bytes)"));
            m_tooLarge = true;
            reply->abort();
            break;
        }
        if (count > 0 && m_output->write(m_chunk.data(), count) != count) {
            // A full disk must not pass for a complete download.
            Logger::instance().crit(QStringLiteral("http output write failed: ") + m_output->errorString());
            m_writeFailed = true;
            reply->abort();
        } else if (count > 0 && m_writeObserver) {
            m_writeObserver(m_chunk.data(), count);
        }
        if (count < wanted)
            break;
    }
}

// A server that closes the connection early, without having said it would, leaves Qt with a reply
// that looks finished: the body is only whole when it is as long as its head announced.
bool HttpTransfer::bodyComplete(QNetworkReply *reply) const
{
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    // A body that Qt decoded has another length than the one announced for its encoded form.
    if (!announced.isValid() || (!encoding.isEmpty() && encoding != "identity"))
        return true;
    if (announced.toLongLong() == m_received)
        return true;
    Logger::instance().crit(QStringLiteral("http body cut short: ") + reply->url().toString() +
                            QStringLiteral(" received: ") + QString::number(m_received) +
                            QStringLiteral(" of: ") + announced.toString());
    return false;
}

FailureReason HttpTransfer::failureOf(QNetworkReply *reply) const
{
    if (m_writeFailed)
        return writeFailure();
    if (m_tooLarge || m_tooSlow)
        return FailureReason::atUrl(FailureReason::Kind::TransferFailed, reply->url());
    if (m_headRefused)
        return statusFailure(reply);
    if (cancelled()) {
        Logger::instance().debug(QStringLiteral("http call cancelled: ") + reply->url().toString());
        return FailureReason::cancelled();
    }
    if (reply->error() == QNetworkReply::NoError)
        return FailureReason();
    Logger::instance().crit(QStringLiteral("http some error happened: ") + QString::number(reply->error()));
    return errorFailure(reply);
}

bool HttpTransfer::fail(const FailureReason &reason)
{
    m_failure = reason;
    return false;
}

// An answer refused for its head: an error status says most, anything else is a broken transfer.
FailureReason HttpTransfer::statusFailure(QNetworkReply *reply) const
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return FailureReason::atStatus(reply->url(), status);
    return FailureReason::atUrl(FailureReason::Kind::TransferFailed, reply->url());
}

FailureReason HttpTransfer::errorFailure(QNetworkReply *reply) const
{
    const QNetworkReply::NetworkError code = reply->error();
    if (code == QNetworkReply::ProxyAuthenticationRequiredError)
        return FailureReason::atProxy(FailureReason::Kind::ProxyAuthentication,
                                      proxyName(m_manager->proxy()));
    if (isProxyError(code))
        return FailureReason::atProxy(FailureReason::Kind::ProxyRefused, proxyName(m_manager->proxy()));
    if (isStatusError(code) || code >= QNetworkReply::ProtocolUnknownError)
        return statusFailure(reply);
    // A connection that broke after the answer began reached the server.
    if (m_received > 0 || reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return FailureReason::atUrl(FailureReason::Kind::TransferFailed, reply->url());
    if (proxyUnreachable(m_manager->proxy(), code))
        return FailureReason::atProxy(FailureReason::Kind::ProxyRefused, proxyName(m_manager->proxy()));
    return FailureReason::atUrl(FailureReason::Kind::ServerUnreachable, reply->url());
}

// A file that cannot take more bytes: the disk is full, or the file may not be written.
FailureReason HttpTransfer::writeFailure() const
{
    const auto *file = qobject_cast<const QFileDevice *>(m_output);
    if (!file)
        return FailureReason::notWritable(QString());
    const QString path = QFileInfo(file->fileName()).absoluteFilePath();
    if (file->error() != QFileDevice::ResourceError)
        return FailureReason::notWritable(path);
    return FailureReason::diskFull(
        path, -1, qMax<qint64>(QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable(), 0));
}

} // namespace net
