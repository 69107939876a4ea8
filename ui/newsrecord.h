#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

// One item of the news feed as the feed reader hands it to the window: plain values, copied
// across threads through a queued signal.
struct NewsRecord
{
    // UTC; invalid when the item has no readable date.
    QDateTime pubDate;
    QUrl link;
    QString title;
    QString description;
    // One picture of the item's content; empty when it has none.
    QUrl image;
};

Q_DECLARE_METATYPE(NewsRecord)
