#include "platform/knownfolders.h"

#include <QDir>

namespace platform {

QString asFolder(QString path)
{
    if (path.isEmpty())
        return path;
    path = QDir::fromNativeSeparators(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace platform
