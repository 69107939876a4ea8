#include "ui/newsfeed.h"

#include "app/deploymentconfig.h"
#include "app/logger.h"
#include "net/httpconnection.h"
#include "ui/feedparser.h"

#include <QThread>
#include <QXmlStreamReader>

namespace {

constexpr int IdleWaitMs = 200;

std::shared_ptr<net::HttpConnection> boundedConnection(const std::atomic<bool> *cancel, qint64 maxBytes)
{
    auto connection = net::HttpConnection::create(true);
    connection->setCancelFlag(cancel);
    connection->setMaxBodySize(maxBytes);
    connection->setTransferTimeout(NewsFeed::TransferTimeoutMs);
    return connection;
}

} // namespace

NewsFeed::NewsFeed(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<FeedItem::SFeedItem>("FeedItem::SFeedItem");
}

NewsFeed::~NewsFeed()
{
    stop();
}

QUrl NewsFeed::defaultFeedUrl()
{
    QString site = DeploymentConfig::instance().webSiteUrl();
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return QUrl(site + QStringLiteral("/feed/"));
}

void NewsFeed::startFeedReader(const QUrl &feedUrl)
{
    if (m_feedThread)
        return;
    m_feedThread.reset(QThread::create([this, feedUrl] { readFeed(feedUrl); }));
    m_feedThread->start();
}

bool NewsFeed::hasImageWork() const
{
    return (m_feedThread && !m_feedDelivered) || m_waiting > 0;
}

void NewsFeed::startImageLoader()
{
    if (m_imageThread || !hasImageWork())
        return;
    m_imageThread.reset(QThread::create([this] { loadImages(); }));
    m_imageThread->start();
}

void NewsFeed::queuePicture(FeedItem *item)
{
    ++m_waiting;
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_queue.enqueue(item);
    m_queueChanged.notify_all();
}

void NewsFeed::stop()
{
    m_feedDone = true;
    if (m_feedThread)
        m_feedThread->wait();
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_imagesDone = true;
        m_queueChanged.notify_all();
    }
    if (m_imageThread)
        m_imageThread->wait();
}

void NewsFeed::readFeed(const QUrl &feedUrl)
{
    Logger &log = Logger::instance();
    const auto connection = boundedConnection(&m_feedDone, MaxFeedBytes);
    log.info(QStringLiteral("download site rss feed..."));
    QXmlStreamReader reader;
    if (!connection->getXml(feedUrl, &reader)) {
        if (!m_feedDone)
            log.crit(QStringLiteral("download site rss feed fail: ") + feedUrl.toString());
        finishFeed(false);
        return;
    }
    log.info(QStringLiteral("download site rss feed success."));
    QString error;
    const bool wellFormed = feedparser::parseFeed(
        reader, feedUrl,
        [this](const NewsRecord &item) {
            if (m_feedDone)
                return false;
            emit insertNews(item);
            return true;
        },
        &error);
    if (!wellFormed)
        log.crit(QStringLiteral("Rss from ") + feedUrl.toString() + QStringLiteral(" has incorrect xml: ") +
                 error);
    finishFeed(wellFormed);
}

void NewsFeed::finishFeed(bool ok)
{
    m_feedDone = true;
    // Queued behind the items emitted before it, so it arrives after the last of them.
    QMetaObject::invokeMethod(
        this,
        [this, ok] {
            {
                std::lock_guard<std::mutex> lock(m_queueMutex);
                m_feedDelivered = true;
                m_queueChanged.notify_all();
            }
            emit feedFinished(ok);
        },
        Qt::QueuedConnection);
}

void NewsFeed::loadImages()
{
    const auto connection = boundedConnection(&m_imagesDone, MaxPictureBytes);
    while (!m_imagesDone) {
        FeedItem *item = nullptr;
        {
            std::unique_lock<std::mutex> lock(m_queueMutex);
            if (m_queue.isEmpty()) {
                if (m_feedDelivered)
                    break;
                m_queueChanged.wait_for(lock, std::chrono::milliseconds(IdleWaitMs));
                continue;
            }
            item = m_queue.head();
        }
        item->loadImage(*connection);
        --m_waiting;
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_queue.dequeue();
    }
    m_imagesDone = true;
}
