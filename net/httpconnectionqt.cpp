#include "net/httpconnectionqt.h"

#include "app/logger.h"
#include "net/httptransfer.h"
#include "net/ihttpprogress.h"

#include <QBuffer>
#include <QFile>
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) || !file.resize(0)) {
        Logger::instance().debug(QStringLiteral("failed to open dowload file: ") + filePath);
        return false;
    }
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

bool HttpConnectionQt::request(const QUrl &url, const QByteArray *body, QIODevice *output,
                               bool reportProgress, const Headers &headers, qint64 maxBodyBytes)
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

    HttpTransfer::ProgressHandler progress;
    if (reportProgress)
        progress = [this](qint64 total, qint64 current) {
            if (m_progressListener)
                m_progressListener->progress(this, total, current);
        };
    HttpTransfer transfer(output, progress);
    transfer.setCancelFlag(m_cancelFlag);
    transfer.setMaxBodySize(maxBodyBytes);
    transfer.setLowSpeedLimit(m_lowSpeedBytesPerSecond, m_lowSpeedWindowMs);
    return transfer.run(request, body);
}

} // namespace net
