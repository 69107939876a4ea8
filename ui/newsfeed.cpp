#include "ui/newsfeed.h"

#include "app/deploymentconfig.h"
#include "app/logger.h"
#include "net/httpconnection.h"
#include "ui/feedparser.h"

#include <QThread>
#include <QXmlStreamReader>

#include <optional>

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
            {
                std::lock_guard<std::mutex> lock(m_arrivedMutex);
                m_arrived.enqueue(item);
            }
            scheduleDelivery();
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
    {
        std::lock_guard<std::mutex> lock(m_arrivedMutex);
        m_readerEnded = true;
        m_feedOk = ok;
    }
    m_feedDone = true;
    scheduleDelivery();
}

void NewsFeed::scheduleDelivery()
{
    if (!m_deliveryScheduled.exchange(true))
        QMetaObject::invokeMethod(this, &NewsFeed::deliverNext, Qt::QueuedConnection);
}

void NewsFeed::deliverNext()
{
    std::optional<NewsRecord> item;
    {
        std::lock_guard<std::mutex> lock(m_arrivedMutex);
        if (!m_arrived.isEmpty())
            item = m_arrived.dequeue();
    }
    if (item) {
        emit insertNews(*item);
        // One card per pass of the event loop: a burst of items must not freeze the window.
        QMetaObject::invokeMethod(this, &NewsFeed::deliverNext, Qt::QueuedConnection);
        return;
    }
    m_deliveryScheduled = false;
    bool ended = false;
    bool ok = false;
    {
        std::lock_guard<std::mutex> lock(m_arrivedMutex);
        // An item may have arrived between the look above and the reset of the flag.
        if (!m_arrived.isEmpty()) {
            scheduleDelivery();
            return;
        }
        ended = m_readerEnded;
        ok = m_feedOk;
    }
    if (!ended || m_feedDelivered)
        return;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_feedDelivered = true;
        m_queueChanged.notify_all();
    }
    emit feedFinished(ok);
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
