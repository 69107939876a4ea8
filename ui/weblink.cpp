#include "ui/weblink.h"

#include "app/logger.h"

#include <QDesktopServices>

bool isWebUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool openWebLink(const QUrl &url)
{
    if (!isWebUrl(url)) {
        Logger::instance().crit(QStringLiteral("refused to open a link that is not a web page: ") +
                                url.toString());
        return false;
    }
    return QDesktopServices::openUrl(url);
}
