#include "net/httptransfer.h"

#include "app/logger.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkConfiguration>
#include <QNetworkDiskCache>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslError>
#include <QStandardPaths>
#include <QStringList>

namespace net {

namespace {

constexpr int ChunkSize = 262144;
constexpr qint64 ReadBufferSize = 10 * 1024 * 1024;
constexpr int ConnectTimeoutMs = 5000;
// Requests per call, the first one included: a 10th redirect is not followed.
constexpr int MaxRequests = 10;
// How often a running transfer looks at its stop flag.
constexpr int StopPollMs = 50;

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

} // namespace

HttpTransfer::HttpTransfer(QIODevice *output, ProgressHandler progress, const std::atomic<bool> *stop,
                           const Limits &limits)
    : m_output(output), m_progress(std::move(progress)), m_stop(stop), m_limits(limits), m_chunk(ChunkSize),
      m_manager(createNetworkManager())
{
    if (m_stop) {
        m_stopWatch.setInterval(StopPollMs);
        QObject::connect(&m_stopWatch, &QTimer::timeout, [this] { watchStop(); });
    }
    if (m_limits.lowSpeedBytesPerSecond > 0 && m_limits.lowSpeedWindowMs > 0) {
        m_speedWatch.setInterval(qMax(1, m_limits.lowSpeedWindowMs / SpeedTicksPerWindow));
        QObject::connect(&m_speedWatch, &QTimer::timeout, [this] { watchSpeed(); });
    }
    m_clock.start();
}

HttpTransfer::~HttpTransfer() = default;

bool HttpTransfer::run(QNetworkRequest request, const QByteArray *body)
{
    for (int sent = 1;; ++sent) {
        if (m_stop && m_stop->load()) {
            Logger::instance().crit(QStringLiteral("http transfer stopped: ") + request.url().toString());
            return false;
        }
        QNetworkReply *reply = send(request, body);
        m_reply = reply;
        if (reply->isRunning() && !reply->isFinished()) {
            if (m_stop)
                m_stopWatch.start();
            if (m_speedWatch.interval() > 0 && m_limits.lowSpeedBytesPerSecond > 0)
                m_speedWatch.start();
            m_loop.exec();
            m_stopWatch.stop();
            m_speedWatch.stop();
        }
        m_reply = nullptr;
        if (finishedWithError(reply))
            return false;
        const QUrl target = redirectTarget(reply);
        if (target.isEmpty()) {
            moveToOutput(reply);
            reply->deleteLater();
            return !m_writeFailed && !m_limitHit && bodyComplete(reply) && m_output->size() > 0;
        }
        reply->deleteLater();
        if (sent == MaxRequests) {
            // The body of a redirect response is not the resource asked for.
            Logger::instance().crit(QStringLiteral("too many redirects: ") + request.url().toString());
            return false;
        }
        const QUrl next = request.url().resolved(target);
        if (!redirectAllowed(request.url(), next)) {
            Logger::instance().crit(QStringLiteral("redirect refused: ") + request.url().toString() +
                                    QStringLiteral(" to ") + next.toString());
            return false;
        }
        request.setUrl(next);
    }
}

QNetworkReply *HttpTransfer::send(const QNetworkRequest &request, const QByteArray *body)
{
    QNetworkReply *reply = body ? m_manager->post(request, *body) : m_manager->get(request);
    QObject::connect(reply, &QNetworkReply::finished, &m_loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::errorOccurred, [](QNetworkReply::NetworkError code) {
        Logger::instance().crit(QStringLiteral("network error: ") + QString::number(code));
    });
    reply->setReadBufferSize(ReadBufferSize);
    if (m_progress)
        QObject::connect(reply, &QNetworkReply::downloadProgress,
                         [this](qint64 received, qint64 total) { m_progress(total, received); });
    QObject::connect(reply, &QNetworkReply::readyRead, [this, reply] {
        if (redirectTarget(reply).isEmpty())
            moveToOutput(reply);
    });
    return reply;
}

void HttpTransfer::moveToOutput(QNetworkReply *reply)
{
    while (!m_writeFailed && !m_limitHit) {
        const qint64 count = reply->read(m_chunk.data(), ChunkSize);
        if (count > 0)
            m_received += count;
        if (m_limits.maxBodyBytes >= 0 && m_received > m_limits.maxBodyBytes) {
            failReply(reply, QStringLiteral("http body over its limit of ") +
                                 QString::number(m_limits.maxBodyBytes) + QStringLiteral(" bytes: "));
            return;
        }
        if (count > 0 && m_output->write(m_chunk.data(), count) != count) {
            // A full disk must not pass for a complete download.
            Logger::instance().crit(QStringLiteral("http output write failed: ") + m_output->errorString());
            m_writeFailed = true;
            reply->abort();
        }
        if (count < ChunkSize)
            break;
    }
}

void HttpTransfer::failReply(QNetworkReply *reply, const QString &why)
{
    if (m_limitHit)
        return;
    m_limitHit = true;
    Logger::instance().crit(why + reply->url().toString());
    reply->abort();
}

void HttpTransfer::watchSpeed()
{
    const qint64 now = m_clock.elapsed();
    m_speedSamples.emplace_back(now, m_received);
    // The oldest sample still a whole window back gives the window's average.
    auto start = m_speedSamples.end();
    for (auto it = m_speedSamples.begin();
         it != m_speedSamples.end() && now - it->first >= m_limits.lowSpeedWindowMs; ++it)
        start = it;
    if (start == m_speedSamples.end() || !m_reply)
        return;
    const qint64 bytes = m_received - start->second;
    const qint64 span = now - start->first;
    m_speedSamples.erase(m_speedSamples.begin(), start);
    if (bytes * 1000 >= qint64(m_limits.lowSpeedBytesPerSecond) * span)
        return;
    failReply(m_reply, QStringLiteral("http transfer too slow: ") + QString::number(bytes) +
                           QStringLiteral(" bytes in ") + QString::number(span) + QStringLiteral(" ms: "));
}

void HttpTransfer::watchStop()
{
    if (!m_stop->load() || m_stopped || !m_reply)
        return;
    m_stopped = true;
    Logger::instance().crit(QStringLiteral("http transfer stopped: ") + m_reply->url().toString());
    m_reply->abort();
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

bool HttpTransfer::finishedWithError(QNetworkReply *reply) const
{
    if (m_writeFailed || m_stopped || m_limitHit)
        return true;
    if (reply->error() == QNetworkReply::NoError)
        return false;
    Logger::instance().crit(QStringLiteral("http some error happened: ") + QString::number(reply->error()));
    return true;
}

} // namespace net
