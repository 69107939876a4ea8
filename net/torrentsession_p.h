#pragma once

// Internal to the torrent code (net/torrent*.cpp, net/alert*.cpp, net/threadeddiskio.cpp and their
// tests): the libtorrent objects behind TorrentSession and the disk back-end its sessions use.
// Nothing else includes libtorrent.

#include "net/torrentsession.h"

#include <libtorrent/session.hpp>
#include <libtorrent/session_params.hpp>
#include <libtorrent/settings_pack.hpp>
#include <libtorrent/torrent_handle.hpp>

#include <cstdint>

class QNetworkProxy;
class ListenFailureRecorder;

struct TorrentSession::Native
{
    Native(lt::session_params &&params, std::shared_ptr<ListenFailureRecorder> listenFailures);

    // Writes the final settings of a session into pack (empty, or as loaded from the state file):
    // listen range, peer discovery, proxy, alert categories, tick and download limit.
    static void applySettings(lt::settings_pack &pack, const Config &config, const QNetworkProxy &proxy);
    static THash idOf(const lt::info_hash_t &hashes);
    static lt::sha1_hash infoHashOf(const THash &id);

    // An invalid handle when the session holds no such torrent.
    lt::torrent_handle find(const THash &id) const;

    lt::session session;
    std::shared_ptr<ListenFailureRecorder> listenFailures;
};

// libtorrent's plain-file disk I/O (no memory mapping, so the resident size stays flat) on a
// thread of its own (net/threadeddiskio.cpp). On its own it writes every block and hashes every
// piece on the network thread, which then stops reading the sockets meanwhile. Here the network
// thread only queues the jobs; one worker runs them in the order they came, so a read or a hash
// always sees the writes queued before it, and the handlers still run on the network thread. A
// piece whose blocks are written in order, without error, is hashed as they go to the disk, and
// its check reads nothing back. Past writeQueueBytes of queued writes the peers pause until the
// worker is down to half of them.
constexpr std::int64_t DefaultWriteQueueBytes = 8 * 1024 * 1024;
libtorrent::disk_io_constructor_type
threadedPosixDiskIo(std::int64_t writeQueueBytes = DefaultWriteQueueBytes);
