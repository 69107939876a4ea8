#pragma once

// Internal to the torrent code (net/torrent*.cpp, net/alert*.cpp and their tests): the libtorrent
// objects behind TorrentSession. Nothing else includes libtorrent.

#include "net/torrentsession.h"

#include <libtorrent/session.hpp>
#include <libtorrent/settings_pack.hpp>
#include <libtorrent/torrent_handle.hpp>

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
