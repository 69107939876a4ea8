#include "app/jsonwrapper.h"

#include <QJsonArray>

#include <cmath>

namespace {

// 2^63 as a double; every double below it and at or above -2^63 converts without overflow.
constexpr double Int64Limit = 9223372036854775808.0;

qint64 fromDouble(double value)
{
    if (!std::isfinite(value) || value >= Int64Limit || value < -Int64Limit)
        return 0;
    return static_cast<qint64>(value);
}

} // namespace

bool JsonWrapper::setJson(const QJsonObject &json)
{
    m_json = json;
    return isValid();
}

QString JsonWrapper::string(const QString &key) const
{
    return m_json.value(key).toString();
}

qint64 JsonWrapper::integer64(const QString &key) const
{
    const QJsonValue value = m_json.value(key);
    if (value.isDouble())
        return fromDouble(value.toDouble());
    if (value.isString())
        return value.toString().toLongLong();
    return 0;
}

QList<QUrl> JsonWrapper::urlList(const QString &key) const
{
    QList<QUrl> urls;
    const QJsonArray array = m_json.value(key).toArray();
    for (const QJsonValue &item : array)
        urls.append(QUrl(item.toString(), QUrl::TolerantMode));
    return urls;
}
