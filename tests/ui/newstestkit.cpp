#include "tests/ui/newstestkit.h"

#include "ui/newsgrid.h"
#include "ui/newsimage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

TestHttpServer::Response stalledResponse()
{
    TestHttpServer::Response stalled;
    stalled.body = "never sent";
    stalled.delayMs = 60000;
    return stalled;
}
