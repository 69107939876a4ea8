#include "app/version.h"

#include <QStringList>

#include <tuple>

bool operator==(const Version &a, const Version &b)
{
    return std::tie(a.major, a.minor, a.build) == std::tie(b.major, b.minor, b.build);
}

bool operator!=(const Version &a, const Version &b)
{
    return !(a == b);
}

bool operator<(const Version &a, const Version &b)
{
    return std::tie(a.major, a.minor, a.build) < std::tie(b.major, b.minor, b.build);
}

Version parseVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return Version();
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok, 10);
        if (!ok)
            return Version();
    }
    return Version(numbers[0], numbers[1], numbers[2]);
}

QString formatVersion(const Version &version)
{
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.build);
}
