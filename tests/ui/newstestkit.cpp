#include "tests/ui/newstestkit.h"

#include "ui/newsgrid.h"
#include "ui/newsimage.h"

#include <QFrame>

namespace {

const QStringList CapturedSchemes = {"http", "https", "file", "javascript", "mailto", "steam"};

} // namespace

UrlRecorder::UrlRecorder()
{
    for (const QString &scheme : CapturedSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const QString &scheme : CapturedSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

NewsTab::NewsTab(IProgramSettings *settings) : container(new QFrame), grid(new QGridLayout(container))
{
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    scroll.setWidget(container);
    scroll.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll.resize(1184, 620);
    QObject::connect(&feed, &NewsFeed::insertNews, container,
                     [this, settings](const FeedItem::SFeedItem &item) {
                         FeedItem *card = newsgrid::appendCard(grid, container, 1184, item, settings);
                         cards.append(card);
                         feed.queuePicture(card);
                     });
}

QImage shownPicture(const FeedItem *card)
{
    return card->findChild<NewsImage *>()->pixmap(Qt::ReturnByValue).toImage();
}

QString cardStyle()
{
    return QStringLiteral(
        "FeedItem { min-width: 252px; max-width: 252px; min-height: 374px; max-height: 374px; }"
        "NewsImage { min-width: 252px; max-width: 252px; min-height: 142px; max-height: 142px; }"
        "NewsText { min-height: 108px; max-height: 108px; }"
        "NewsFooter { min-height: 42px; max-height: 42px; }");
}
