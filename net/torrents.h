#pragma once

#include "net/torrentalerts.h"
#include "net/torrentsession.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <unordered_set>

class QTimer;

// The BitTorrent session of the game file recovery: adds torrents with a chosen subset of their files
// and extra web seeds, reports the progress of every active torrent twice a second and re-emits the
// session's alerts. Lives in, and signals to, the thread that created it.
class Torrents : public QObject
{
    Q_OBJECT
public:
    using THash = TorrentAlerts::THash;

    explicit Torrents(QObject *parent = nullptr);
    ~Torrents() override;

    // For the sessions started from now on; tests and demos keep them on the loopback interface.
    void setSessionConfig(const TorrentSession::Config &config) { m_config = config; }

    // Starts the session with the state saved at statePath (empty: none). False, and no session,
    // when listening fails; the session's alerts (the listen failure among them) still arrive.
    bool start(const QString &statePath);
    // Queues a torrent from the bytes of a .torrent file; wantedFiles are paths below its top
    // folder ("/" separated; empty: every file). True means queued: added or error follows.
    bool add(const QString &savePath, const QByteArray &torrentData, const QList<QUrl> &urlSeeds,
             const QStringList &wantedFiles);
    void pauseSession();
    void resumeSession();
    // Removes every torrent, keeping its files.
    void removeAll();
    void saveState(const QString &path);
    // Pauses, saves the state when statePath is not empty, switches peer discovery off and
    // releases the session.
    void stop(const QString &statePath);

    std::shared_ptr<TorrentSession> session() const { return m_session; }
    bool isActive(const THash &id) const { return m_active.count(id) > 0; }
    bool reportsProgress() const;

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
    // p from 0.0 to 1.0; bytes of the wanted files, in all and done; rate in bytes per second.
    void progress_time(TorrentAlerts::THash id, float p, qlonglong bytesTotal, qlonglong bytesCurrent,
                       int rate);

private slots:
    void _asyncAdded(TorrentAlerts::THash id);
    void _asyncFinished(TorrentAlerts::THash id);
    void _asyncPaused(TorrentAlerts::THash id);
    void _asyncResumed(TorrentAlerts::THash id);
    void _progressSend();

private:
    void connectAlerts();
    void report(const THash &id);
    void forget(const THash &id);

    TorrentSession::Config m_config;
    std::shared_ptr<TorrentSession> m_session;
    std::shared_ptr<TorrentAlerts> m_alerts;
    QTimer *m_progressTimer;
    std::unordered_set<THash> m_active;
};
