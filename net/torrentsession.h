#pragma once

#include "net/torrentalerts.h"

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

// One BitTorrent session, shared between its owner, its alert pump and the threads that query it.
// Every call is thread-safe and none throws; torrents are named by their TorrentAlerts::THash.
// libtorrent itself stays behind this class (see torrentsession_p.h for the torrent code's own use).
class TorrentSession
{
public:
    using THash = TorrentAlerts::THash;

    // Whom the session may talk to; fixed when the session is created, before any socket opens.
    enum class Reach {
        // Peers anywhere: listens on every IPv4 interface; trackers, DHT, local service discovery,
        // UPnP and NAT-PMP on.
        Internet,
        // Web seeds only: no listening socket, no trackers, no peer discovery of any kind.
        WebSeedsOnly,
        // Tests and demos: listens on 127.0.0.1 only; no trackers, no peer discovery, and only the web
        // seeds given explicitly, so nothing beyond the loopback interface is ever contacted.
        Loopback,
    };

    struct Config
    {
        Reach reach = Reach::Internet;
        quint16 firstPort = 6969;
        int extraPorts = 3030;          // further ports tried one after another: 6969 to 9999
        bool systemPortFallback = true; // when the whole range is taken, let the system pick a port
    };

    // libtorrent's torrent state numbers.
    enum State {
        CheckingFiles = 1,
        DownloadingMetadata = 2,
        Downloading = 3,
        Finished = 4,
        Seeding = 5,
        CheckingResumeData = 7,
    };

    struct Status
    {
        bool valid = false; // false: the session holds no such torrent
        int state = 0;
        bool paused = false;
        float progress = 0;         // 0.0 to 1.0
        qint64 wantedBytes = 0;     // bytes of the files chosen for download
        qint64 wantedBytesDone = 0; // of those, downloaded and verified
        int downloadRate = 0;       // bytes per second, protocol overhead included
        qint64 downloadedBytes = 0; // payload received since the torrent was added or last
                                    // resumed, pieces that failed their check included

        bool complete() const { return state == Finished || state == Seeding; }
    };

    // Tests, and deployments that ask for it in their configuration (the launcher's start-up), keep
    // every session of the process on 127.0.0.1: Internet becomes Loopback.
    static void setLoopbackOnly(bool on);
    static bool loopbackOnly();

    // Builds the session from one set of settings (listen range, peer discovery, proxy from
    // QNetworkProxy::applicationProxy(), alert categories, the download limit of SpeedLimit, which it
    // follows while it lives) on top of the state saved at statePath (empty: none; missing or
    // damaged: ignored). Null only if libtorrent cannot start at all.
    static std::shared_ptr<TorrentSession> create(const Config &config, const QString &statePath);
    ~TorrentSession();
    TorrentSession(const TorrentSession &) = delete;
    TorrentSession &operator=(const TorrentSession &) = delete;

    const Config &config() const { return m_config; }

    // Whether the session listens as its reach requires; logs the failure at crit.
    bool checkListening() const;
    quint16 listenPort() const;

    // Prepares a torrent from the bytes of a .torrent file: save folder created, the files of
    // wantedFiles (paths below the torrent's top folder, "/" separated; empty: every file) at top
    // priority and the others skipped, webSeeds added. Failures are logged and return false.
    // queueTorrent adds asynchronously (the outcome arrives as TorrentAlerts::added or error);
    // addTorrent waits for the add and returns the torrent's id, empty on failure; its torrent
    // starts at once, outside libtorrent's queue of auto-managed torrents.
    bool queueTorrent(const QString &savePath, const QByteArray &torrentData, const QList<QUrl> &webSeeds,
                      const QStringList &wantedFiles);
    THash addTorrent(const QString &savePath, const QByteArray &torrentData, const QList<QUrl> &webSeeds,
                     const QStringList &wantedFiles = QStringList());

    // The v1 info-hash of a .torrent file as 40 lowercase hexadecimal digits; empty when the bytes
    // are not a torrent with one.
    static QString infoHashHex(const QByteArray &torrentData);

    bool contains(const THash &id) const;
    Status status(const THash &id) const;
    // Pausing takes the torrent out of libtorrent's automatic queueing, which would undo the pause.
    void pauseTorrent(const THash &id);
    void resumeTorrent(const THash &id);
    // Posts TorrentAlerts::flushed once the torrent's written data has reached the disk.
    void flushCache(const THash &id);
    // Path of one file inside the torrent, top folder included, "/" separated; empty if none.
    QString filePath(const THash &id, int fileIndex) const;
    void connectPeer(const THash &id, const QString &address, quint16 port);

    void pause();
    void resume();
    bool isPaused() const;
    bool hasTorrents() const;
    QList<THash> torrents() const;
    // Removes one torrent or every torrent, keeping the files on disk; TorrentAlerts::removed follows.
    void removeTorrent(const THash &id);
    void removeAll();

    // Writes the session state file (owner-only permissions); false and logged at crit on failure.
    bool saveState(const QString &path) const;
    // Before the last reference goes: pauses, saves the state when statePath is not empty and
    // switches off UPnP, NAT-PMP, DHT and local service discovery.
    void close(const QString &statePath);

    // The libtorrent objects, for the torrent code only (torrentsession_p.h).
    struct Native;
    Native &native() const { return *m_native; }

private:
    TorrentSession(const Config &config, std::unique_ptr<Native> native);

    Config m_config;
    std::unique_ptr<Native> m_native;
    QMetaObject::Connection m_limitFollower;
};
