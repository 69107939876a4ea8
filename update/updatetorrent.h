#pragma once

#include "app/failurereason.h"
#include "net/mirrorlist.h"
#include "net/torrentsession.h"
#include "update/updatecontent.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <QWaitCondition>
#include <atomic>
#include <memory>

class TorrentAlerts;

// The update's own BitTorrent session: created on the first torrent download, fed by the
// content's HTTP locations as web seeds, kept seeding afterwards. The current torrent is set
// on the update job's thread and read and cleared by the progress timer on the GUI thread, so
// every access to it goes through the mutex.
class UpdateTorrent
{
public:
    explicit UpdateTorrent(const std::atomic<bool> &stopping) : m_stopping(stopping) {}
    ~UpdateTorrent();
    UpdateTorrent(const UpdateTorrent &) = delete;
    UpdateTorrent &operator=(const UpdateTorrent &) = delete;

    // Fetches the content's .torrent, downloads it into folder, waits until it seeds and its data is
    // on disk, and saves the session state. archivePath gets the torrent's first file. Fails when
    // the torrent reports an error, or gets no new data for the stall limit while not paused.
    bool download(const UpdateContent &content, const QString &folder, bool useTorrents,
                  QString *archivePath);
    // Takes the current torrent out of the session (its files stay), so that another download may
    // write them.
    void dropCurrent();
    void setStallLimitMs(int milliseconds) { m_stallLimitMs = milliseconds; }
    // Whether the last download failed because a .torrent was not the content's ("torrent" is its
    // info-hash): a mirror tampering with it gets nothing installed, not even another way.
    bool refusedForeignTorrent() const { return m_foreignTorrent.load(); }
    // Why the last download failed; read on the thread that called download.
    const FailureReason &failure() const { return m_failure; }

    // Around unpacking: only while the downloaded torrent is still the current one.
    void pauseForInstall(const UpdateContent &content);
    void resumeAfterInstall(const UpdateContent &content);

    // The current torrent's status; invalid when there is none.
    TorrentSession::Status currentStatus() const;
    // Seeding reached: the torrent stays in the session, the job's wait ends now.
    void releaseCurrent();

    void pauseAll();
    void resumeAll();
    // Whether the player paused the session.
    bool isPaused() const;
    bool hasTorrents() const;
    void saveSessionState() const;

private:
    bool ensureSession(bool useTorrents);
    bool startTorrent(const UpdateContent &content, const QString &folder);
    bool fetchTorrentFile(const MirrorList::Attempt &attempt, QByteArray *bytes);
    bool waitForTorrent(const QString &name);
    // Keeps the reason; false.
    bool fail(const FailureReason &reason);
    // Why the wait must end now, or an empty text while it goes on; called under the mutex.
    QString waitEnd(const TorrentSession::Status &status, qint64 &lastDone, QElapsedTimer &stalled);
    void noteError(const TorrentSession::THash &id);
    // The wait sees the torrent complete as soon as libtorrent says so, not on its next poll.
    void noteFinished(const TorrentSession::THash &id);
    void setCurrent(const TorrentSession::THash &id);
    TorrentSession::THash current() const;
    std::shared_ptr<TorrentSession> session() const;

    const std::atomic<bool> &m_stopping;
    std::atomic<int> m_stallLimitMs{60000};
    std::atomic<bool> m_torrentFailed{false};
    std::atomic<bool> m_foreignTorrent{false};
    FailureReason m_failure;
    mutable QMutex m_mutex;
    QWaitCondition m_seeding;
    std::shared_ptr<TorrentSession> m_session;
    std::shared_ptr<TorrentAlerts> m_alerts;
    TorrentSession::THash m_current;
};
