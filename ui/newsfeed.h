#pragma once

#include "ui/feeditem.h"

#include <QObject>
#include <QQueue>
#include <QUrl>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

class QThread;

// The news tab's two threads: the feed reader, which downloads and parses the feed once and
// hands each item over to the GUI thread, where insertNews announces it (one item per pass of
// the event loop, so that a long feed never freezes the window), and the image loader, which
// fetches the pictures of the cards queued with queuePicture. Neither touches a widget: the
// loader only fetches and decodes, the cards show their pictures on the GUI thread.
// Destroying the object stops both threads at once, even in the middle of a download.
class NewsFeed : public QObject
{
    Q_OBJECT
public:
    // Bounds for what a slow or hostile server may send.
    static constexpr qint64 MaxFeedBytes = 4 * 1024 * 1024;
    static constexpr qint64 MaxPictureBytes = 4 * 1024 * 1024;
    static constexpr int TransferTimeoutMs = 15000;

    explicit NewsFeed(QObject *parent = nullptr);
    ~NewsFeed() override;

    // The maker's web site + "/feed/", from the deployment configuration.
    static QUrl defaultFeedUrl();

    // Starts the feed reader; once per object.
    void startFeedReader(const QUrl &feedUrl);
    // Whether the feed may still bring cards or cards wait for their pictures.
    bool hasImageWork() const;
    // Starts the image loader when there is work and none has been started.
    void startImageLoader();
    // GUI thread: the card's picture is fetched by the image loader, in queue order. The card
    // must live as long as this object.
    void queuePicture(FeedItem *item);
    // Stops and joins both threads; also done on destruction.
    void stop();

signals:
    // GUI thread: one item of the feed, in feed order.
    void insertNews(FeedItem::SFeedItem item);
    // GUI thread: every item of the feed has been delivered (ok false: no feed, or a broken one).
    void feedFinished(bool ok);

private:
    void readFeed(const QUrl &feedUrl);
    void loadImages();
    void finishFeed(bool ok);
    void scheduleDelivery();
    void deliverNext();

    // Raised by stop(), or by the reader itself when it is done; also its HTTP cancel flag.
    std::atomic<bool> m_feedDone{false};
    // Items parsed and not yet announced on the GUI thread, and how the reader ended.
    std::mutex m_arrivedMutex;
    QQueue<NewsRecord> m_arrived;
    bool m_readerEnded = false;
    bool m_feedOk = false;
    // A delivery is queued on the GUI thread.
    std::atomic<bool> m_deliveryScheduled{false};
    // Set on the GUI thread once the reader's last item has been delivered there, so that
    // the loader does not leave while cards are still on their way.
    std::atomic<bool> m_feedDelivered{false};
    // Raised by stop(), or by the loader itself when it is done; also its HTTP cancel flag.
    std::atomic<bool> m_imagesDone{false};
    // Cards waiting for their picture, the one being loaded included.
    std::atomic<int> m_waiting{0};
    std::mutex m_queueMutex;
    std::condition_variable m_queueChanged;
    QQueue<FeedItem *> m_queue;
    std::unique_ptr<QThread> m_feedThread;
    std::unique_ptr<QThread> m_imageThread;
};
