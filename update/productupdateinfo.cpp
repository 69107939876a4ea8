#include "update/productupdateinfo.h"

#include <QJsonArray>

QList<UpdateContent> ProductUpdateInfo::contents() const
{
    QList<UpdateContent> list;
    const QJsonArray array = json().value(QStringLiteral("content")).toArray();
    for (const QJsonValue &item : array)
        list.append(UpdateContent(item.toObject()));
    return list;
}
