#include "platform/installlocation.h"

#include <QDir>

namespace platform {

QString defaultInstallBase()
{
    return QDir::homePath() + QLatin1Char('/');
}

} // namespace platform
