#pragma once

#include <QByteArray>
#include <QString>

// The torrent session state file ("Session.conf"): libtorrent's session state in bencoding, shared
// by every torrent session of the launcher. It holds the proxy password in clear text, so only its
// owner may read it.
class TorrentSessionState
{
public:
    // The file's bytes; empty when it is missing or unreadable.
    static QByteArray read(const QString &path);
    // Replaces the file whole, so that a failed write leaves the previous state; logs the failure.
    static bool write(const QString &path, const QByteArray &state);
};
