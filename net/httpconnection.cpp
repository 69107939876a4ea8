#include "net/httpconnection.h"

#include "app/logger.h"
#include "net/httpconnectionqt.h"
#include "net/jsondecode.h"

#include <QPixmap>
#include <QXmlStreamReader>

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

} // namespace

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
