#include "ui/newstexts.h"

#include "app/tr.h"

#include <QRegularExpression>

namespace newstexts {

QString dateText(const QDateTime &pubDate, const QDateTime &now)
{
    if (!pubDate.isValid())
        return QString();
    const qint64 seconds = pubDate.secsTo(now);
    const qint64 hours = seconds / 3600;
    if (hours <= 0)
        return TR::tr("MinsAgo", "", int(qMax<qint64>(seconds / 60, 0)));
    if (hours <= 24)
        return TR::tr("HoursAgo", "", int(hours));
    return pubDate.toLocalTime().toString(QStringLiteral("dd/MM/yyyy"));
}

QString itemId(const NewsRecord &item)
{
    if (item.pubDate.isValid())
        return QString::number(item.pubDate.toMSecsSinceEpoch());
    return item.link.toString();
}

QString stripTags(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return QString(html).remove(tag);
}

} // namespace newstexts
