#pragma once

#include <QMetaType>
#include <QObject>

#include <memory>
#include <string>

class TorrentSession;

// Turns the alerts of one torrent session into Qt signals in the thread that owns this object.
// libtorrent announces alerts from its own threads; the announcement only queues readAlerts(),
// which drains everything queued so far.
class TorrentAlerts : public QObject
{
    Q_OBJECT
public:
    // The 20 raw bytes of a torrent's SHA-1 info-hash; empty for errors not tied to a torrent.
    using THash = std::string;

    // The signals in declaration order, as AlertWaiter names them.
    enum Signal { Finished = 0, Paused, Resumed, Flushed, Checked, Added, Removed, Error, FilesDeleted };
    using Notifier = void (TorrentAlerts::*)(TorrentAlerts::THash);
    // The signal of that index; an index outside the enumeration means finished.
    static Notifier notifier(int signalIndex);

    explicit TorrentAlerts(const std::shared_ptr<TorrentSession> &session, QObject *parent = nullptr);
    ~TorrentAlerts() override;

signals:
    void finished(TorrentAlerts::THash id);
    void paused(TorrentAlerts::THash id);
    void resumed(TorrentAlerts::THash id);
    void flushed(TorrentAlerts::THash id);
    void checked(TorrentAlerts::THash id);
    void added(TorrentAlerts::THash id);
    void removed(TorrentAlerts::THash id);
    void error(TorrentAlerts::THash id);
    void files_deleted(TorrentAlerts::THash id);

public slots:
    void readAlerts();

private:
    std::shared_ptr<TorrentSession> m_session;
};

Q_DECLARE_METATYPE(TorrentAlerts::THash)
