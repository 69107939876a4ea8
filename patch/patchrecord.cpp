#include "patch/patchrecord.h"

#include <QJsonValue>

bool PatchRecord::setJson(const QJsonObject &json)
{
    m_json = json;
    return isValid();
}

QString PatchRecord::string(const QString &key) const
{
    return m_json.value(key).toString();
}

qint64 PatchRecord::integer64(const QString &key) const
{
    const QJsonValue value = m_json.value(key);
    if (value.isDouble())
        return qint64(value.toDouble());
    bool numeric = false;
    const qint64 number = value.toString().toLongLong(&numeric);
    return numeric ? number : 0;
}
