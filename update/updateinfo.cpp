#include "update/updateinfo.h"

bool UpdateInfo::product(const QString &id, ProductUpdateInfo &product) const
{
    const QJsonValue member = json().value(id);
    // A product that is not an object (or an empty one) describes nothing to install; taking it
    // as found would report the product as up to date.
    if (!member.isObject())
        return false;
    return product.setJson(member.toObject());
}
