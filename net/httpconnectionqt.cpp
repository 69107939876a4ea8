#include "net/httpconnectionqt.h"

#include "app/hasher.h"
#include "app/logger.h"
#include "net/httptransfer.h"
#include "net/ihttpprogress.h"
#include "net/partialdownload.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace net {

namespace {

constexpr int InitialBufferSize = 262144;

} // namespace

bool HttpConnectionQt::download(const QUrl &url, const QString &filePath, const Headers &headers)
{
    Logger::instance().debug(QStringLiteral("download: ") + url.toString());
    QFile file(filePath);
    // Unbuffered: data goes to disk chunk by chunk, and a failing write shows at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) || !file.resize(0))
        return cannotWrite(filePath);
    const bool ok = request(url, nullptr, &file, true, headers, m_maxBodySize);
    file.close();
    if (!ok)
        file.remove();
    return ok;
}

bool HttpConnectionQt::get(const QUrl &url, QByteArray *out, const Headers &headers)
{
    return intoBuffer(url, nullptr, out, headers);
}

bool HttpConnectionQt::post(const QUrl &url, const QByteArray &body, QByteArray *out, const Headers &headers)
{
    return intoBuffer(url, &body, out, headers);
}

bool HttpConnectionQt::intoBuffer(const QUrl &url, const QByteArray *body, QByteArray *out,
                                  const Headers &headers)
{
    out->clear();
    out->reserve(InitialBufferSize);
    QBuffer buffer(out);
    buffer.open(QIODevice::WriteOnly);
    return request(url, body, &buffer, false, headers, m_maxBodySize > 0 ? m_maxBodySize : InMemoryLimit);
}

QNetworkRequest HttpConnectionQt::makeRequest(const QUrl &url, const Headers &headers) const
{
    QNetworkRequest request(url);
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent.toLatin1());
    if (m_transferTimeout > 0)
        request.setTransferTimeout(m_transferTimeout);
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        request.setRawHeader(it.key().toLatin1(), it.value().toLatin1());
    if (!m_login.isEmpty())
        request.setRawHeader("Authorization",
                             "Basic " + (m_login + QLatin1Char(':') + m_password).toLatin1().toBase64());
    if (url.scheme() == QLatin1String("https"))
        request.setSslConfiguration(QSslConfiguration::defaultConfiguration());
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         m_allowCache ? QNetworkRequest::PreferNetwork : QNetworkRequest::AlwaysNetwork);
    // Redirects are followed by HttpTransfer, which counts them and resolves relative targets.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return request;
}

// Progress as the listener wants it: of the whole file, the bytes an earlier attempt left
// (base) included.
HttpTransfer::ProgressHandler HttpConnectionQt::progressHandler(std::function<qint64()> base)
{
    return [this, base](qint64 total, qint64 current) {
        if (!m_progressListener)
            return;
        const qint64 before = base ? base() : 0;
        m_progressListener->progress(this, total < 0 ? total : total + before, current + before);
    };
}

void HttpConnectionQt::configure(HttpTransfer *transfer, qint64 maxBodyBytes, bool throttled) const
{
    transfer->setCancelFlag(m_cancelFlag);
    transfer->setMaxBodySize(maxBodyBytes);
    transfer->setLowSpeedLimit(m_lowSpeedBytesPerSecond, m_lowSpeedWindowMs);
    transfer->setThrottled(throttled && m_speedLimited);
}

bool HttpConnectionQt::request(const QUrl &url, const QByteArray *body, QIODevice *output,
                               bool reportProgress, const Headers &headers, qint64 maxBodyBytes)
{
    HttpTransfer transfer(output, reportProgress ? progressHandler() : HttpTransfer::ProgressHandler());
    configure(&transfer, maxBodyBytes, reportProgress);
    const bool ok = transfer.run(makeRequest(url, headers), body);
    m_failure = transfer.failure();
    return ok;
}

bool HttpConnectionQt::cannotWrite(const QString &filePath)
{
    Logger::instance().debug(QStringLiteral("failed to open dowload file: ") + filePath);
    m_failure = FailureReason::notWritable(QFileInfo(filePath).absoluteFilePath());
    return false;
}

bool HttpConnectionQt::resumeDownload(const QUrl &url, const QString &filePath, const Headers &headers)
{
    Logger::instance().debug(QStringLiteral("download: ") + url.toString());
    m_downloadedSha256.clear();
    // A range the server cannot serve gets one fresh attempt.
    for (int attempt = 0; attempt < 2; ++attempt) {
        PartialDownload partial(filePath);
        Hasher digest(Hasher::Sha256);
        if (resumeOnce(url, &partial, headers, m_sha256WhileDownloading ? &digest : nullptr)) {
            if (!partial.finish())
                return cannotWrite(filePath);
            if (m_sha256WhileDownloading)
                m_downloadedSha256 = digest.hexDigest();
            return true;
        }
        if (!partial.restartNeeded())
            return false;
        partial.discard();
    }
    return false;
}

bool HttpConnectionQt::resumeOnce(const QUrl &url, PartialDownload *partial, const Headers &headers,
                                  Hasher *digest)
{
    QFile part(partial->partPath());
    if (!part.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !partial->prepare(&part))
        return cannotWrite(part.fileName());
    QNetworkRequest request = makeRequest(url, headers);
    // Ranges count the bytes as stored: no content coding may stand between them and the file.
    request.setRawHeader("Accept-Encoding", "identity");
    // The disk cache holds no ranges, and an archive needs no second copy there.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    if (partial->resumeOffset() > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(partial->resumeOffset()) + "-");
        request.setRawHeader("If-Range", partial->validator());
    }
    HttpTransfer transfer(&part, progressHandler([partial] { return partial->offset(); }));
    configure(&transfer, m_maxBodySize, true);
    transfer.setHeadHandler([this, partial, &part, &transfer, digest](QNetworkReply *reply) {
        if (!partial->acceptAnswer(reply, &part))
            return false;
        // The size limit is of the whole file, of which the answer brings the rest.
        if (m_maxBodySize > 0)
            transfer.setMaxBodySize(qMax<qint64>(1, m_maxBodySize - partial->offset()));
        // A kept part that cannot be read back only spoils the digest: the caller hashes the file.
        if (digest) {
            digest->reset();
            digest->addFile(partial->partPath(), partial->offset(), m_cancelFlag);
        }
        return true;
    });
    if (digest)
        transfer.setWriteObserver([digest](const char *data, qint64 size) { digest->addData(data, size); });
    const bool ok = transfer.run(request, nullptr);
    m_failure = transfer.failure();
    return ok;
}

} // namespace net
