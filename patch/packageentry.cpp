#include "patch/packageentry.h"

#include "patch/safepath.h"

#include <QDir>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

int entrySize(const QJsonValue &value)
{
    const double size = value.toDouble(0);
    if (std::floor(size) != size || size < std::numeric_limits<int>::min() ||
        size > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(size);
}

} // namespace

PackageEntry readPackageEntry(const QJsonValue &element)
{
    PackageEntry entry;
    const QJsonObject object = element.toObject();
    if (!element.isObject() || !object.contains(QStringLiteral("path")) ||
        !object.contains(QStringLiteral("sha1")))
        return entry;
    entry.listed =
        object.value(QStringLiteral("path")).toString().replace(QLatin1Char('\\'), QLatin1Char('/'));
    entry.path = entry.listed.isEmpty() ? QString() : QDir::cleanPath(entry.listed);
    entry.sha1 = object.value(QStringLiteral("sha1")).toString();
    entry.size = entrySize(object.value(QStringLiteral("size")));
    if (entry.path.isEmpty() || entry.path == QLatin1String("."))
        entry.kind = PackageEntry::Unnamed;
    else if (!staysInside(entry.path))
        entry.kind = PackageEntry::Unsafe;
    else
        entry.kind = PackageEntry::File;
    return entry;
}
