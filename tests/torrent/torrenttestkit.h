#pragma once

#include "net/torrentsession.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Files with repeatable random contents.
bool writeRandomFile(const QString &path, qint64 size, quint32 seed);
QByteArray readFileBytes(const QString &path);

// A v1 torrent, canonical file order, of every file below folder; the folder's name becomes the
// torrent's top folder.
QByteArray makeTorrent(const QString &folder, int pieceSize, const QStringList &trackers = QStringList(),
                       const QStringList &webSeeds = QStringList());
bool writeTorrentFile(const QString &path, const QByteArray &torrent);
// The 20 raw bytes of the torrent's v1 info-hash, computed from its bytes.
TorrentSession::THash torrentId(const QByteArray &torrent);

// Processes events until condition holds; false when it still does not after timeoutMs.
bool waitFor(const std::function<bool()> &condition, int timeoutMs = 15000);

// Every file below folder, as paths relative to it, sorted.
QStringList filesBelow(const QString &folder);

// A session that never leaves 127.0.0.1.
TorrentSession::Config loopbackConfig(quint16 firstPort = 6969, int extraPorts = 3030, bool fallback = true);

// Everything the process logs from reset() on.
class LogCapture
{
public:
    void reset();
    // The texts of the lines at level crit, in order.
    QStringList critTexts() const;

private:
    QTemporaryDir m_dir;
};

// aria2c seeding one torrent on 127.0.0.1, without trackers, DHT, local discovery or peer exchange.
class Aria2Seeder
{
public:
    ~Aria2Seeder();
    bool start(const QString &torrentPath, const QString &folder, quint16 port);

private:
    QProcess m_process;
};
