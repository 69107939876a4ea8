#include "patch/safepath.h"

#include <QStringList>

bool staysInside(const QString &relativePath)
{
    if (relativePath.isEmpty() || relativePath.startsWith(QLatin1Char('/')) ||
        relativePath.contains(QLatin1Char('\\')))
        return false;
    const bool drive = relativePath.size() >= 2 && relativePath.at(1) == QLatin1Char(':');
    return !drive && !relativePath.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}
