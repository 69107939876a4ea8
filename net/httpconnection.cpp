#include "net/httpconnection.h"

#include "app/logger.h"
#include "net/httpconnectionqt.h"
#include "net/jsondecode.h"

#include <QPixmap>
#include <QXmlStreamReader>

#include <atomic>

namespace net {

namespace {

// What an XML reader may safely see of a feed: tab, line feed and every character from space
// up, except the two non-characters U+FFFE and U+FFFF.
QString xmlSafeText(const QByteArray &data)
{
    const QString text = QString::fromUtf8(data);
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code == 9 || code == 10 || (code >= 32 && code <= 65533))
            kept.append(c);
    }
    return kept;
}

// Less than 4 KiB/s over a minute: what a mirror that has stopped serving looks like.
std::atomic<int> s_lowSpeedBytesPerSecond{4096};
std::atomic<int> s_lowSpeedWindowMs{60000};

} // namespace

HttpConnection::HttpConnection(bool allowCache)
    : m_allowCache(allowCache), m_lowSpeedBytesPerSecond(s_lowSpeedBytesPerSecond.load()),
      m_lowSpeedWindowMs(s_lowSpeedWindowMs.load())
{}

void HttpConnection::setDefaultLowSpeedLimit(int bytesPerSecond, int windowMs)
{
    s_lowSpeedBytesPerSecond = bytesPerSecond;
    s_lowSpeedWindowMs = windowMs;
}

std::shared_ptr<HttpConnection> HttpConnection::create(bool allowCache)
{
    return std::make_shared<HttpConnectionQt>(allowCache);
}

void HttpConnection::setCredentials(const QString &login, const QString &password)
{
    m_login = login;
    m_password = password;
}

bool HttpConnection::getJson(const QUrl &url, QJsonObject *out, const Headers &headers)
{
    QByteArray data;
    return get(url, &data, headers) && decodeJsonObject(data, out);
}

bool HttpConnection::getXml(const QUrl &url, QXmlStreamReader *out, const Headers &headers)
{
    QByteArray data;
    if (!get(url, &data, headers))
        return false;
    out->addData(xmlSafeText(data));
    if (out->hasError()) {
        Logger::instance().crit(QStringLiteral("xml decode failed: ") + QString::number(out->error()) +
                                QStringLiteral("; ") + out->errorString());
        return false;
    }
    return true;
}

bool HttpConnection::getPixmap(const QUrl &url, QPixmap *out, const Headers &headers)
{
    QByteArray data;
    if (!get(url, &data, headers))
        return false;
    return out->loadFromData(data);
}

} // namespace net
