#include "net/torrentsession_p.h"

#include "app/logger.h"
#include "app/paths.h"
#include "net/speedlimit.h"
#include "net/torrentsessionstate.h"

#include <libtorrent/add_torrent_params.hpp>
#include <libtorrent/alert_types.hpp>
#include <libtorrent/bdecode.hpp>
#include <libtorrent/extensions.hpp>
#include <libtorrent/ip_filter.hpp>
#include <libtorrent/session_params.hpp>
#include <libtorrent/torrent_info.hpp>
#include <libtorrent/torrent_status.hpp>

#include <QNetworkProxy>
#include <QSet>

#include <atomic>
#include <limits>
#include <mutex>

// Keeps why listening failed. libtorrent posts the failure while the session is being built, and the
// alert itself still has to reach the session's alert pump, so it is noted here on its way there.
class ListenFailureRecorder : public lt::plugin
{
public:
    lt::feature_flags_t implemented_features() override { return alert_feature; }

    void on_alert(const lt::alert *alert) override
    {
        if (const auto *failure = lt::alert_cast<lt::listen_failed_alert>(alert)) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_error = failure->error;
        }
    }

    lt::error_code error() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_error;
    }

private:
    mutable std::mutex m_mutex;
    lt::error_code m_error;
};

namespace {

std::atomic<bool> loopbackOnlyFlag{false};

// libtorrent hands out bandwidth, and connects the web seeds of a torrent just added, on its tick:
// at its default of 500 ms a web-seed download spends much of its time waiting for the next one.
// An idle session only wakes up ten times a second for it.
const int tickIntervalMs = 100;

void logCrit(const QString &text)
{
    Logger::instance().crit(text);
}

QString describe(const lt::error_code &error)
{
    return QString::fromStdString(error.message()) + QStringLiteral(" code: ") +
           QString::number(error.value());
}

// Torrents are looked up afresh on every call: a handle may go stale at any time on libtorrent's
// threads, and a stale handle throws.
template<typename Action>
bool onTorrent(const TorrentSession::Native &native, const TorrentSession::THash &id, Action &&action)
{
    try {
        const lt::torrent_handle handle = native.find(id);
        if (!handle.is_valid())
            return false;
        action(handle);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

std::string listenInterfaces(const TorrentSession::Config &config)
{
    const std::string port = std::to_string(config.firstPort);
    switch (config.reach) {
    case TorrentSession::Reach::Internet:
        return "0.0.0.0:" + port;
    case TorrentSession::Reach::Loopback:
        return "127.0.0.1:" + port;
    case TorrentSession::Reach::WebSeedsOnly:
        break;
    }
    return std::string();
}

// Every proxy field is written, so that a proxy kept in the saved state never outlives the
// player's choice.
void applyProxy(lt::settings_pack &pack, const QNetworkProxy &proxy)
{
    const bool used = proxy.type() != QNetworkProxy::NoProxy && proxy.type() != QNetworkProxy::DefaultProxy &&
                      !proxy.hostName().isEmpty();
    const bool withUser = used && !proxy.user().isEmpty();
    const bool socks = proxy.type() == QNetworkProxy::Socks5Proxy;
    int type = lt::settings_pack::none;
    if (used && socks)
        type = withUser ? lt::settings_pack::socks5_pw : lt::settings_pack::socks5;
    else if (used)
        type = withUser ? lt::settings_pack::http_pw : lt::settings_pack::http;
    pack.set_int(lt::settings_pack::proxy_type, type);
    pack.set_str(lt::settings_pack::proxy_hostname, used ? proxy.hostName().toStdString() : std::string());
    pack.set_int(lt::settings_pack::proxy_port, used ? proxy.port() : 0);
    pack.set_str(lt::settings_pack::proxy_username, withUser ? proxy.user().toStdString() : std::string());
    pack.set_str(lt::settings_pack::proxy_password,
                 withUser ? proxy.password().toStdString() : std::string());
}

void applyDownloadLimit(lt::settings_pack &pack, qint64 bytesPerSecond)
{
    const qint64 limit = qBound<qint64>(0, bytesPerSecond, std::numeric_limits<int>::max());
    pack.set_int(lt::settings_pack::download_rate_limit, static_cast<int>(limit));
}

// libtorrent leaves peers on local networks out of the rate limits; the player's limit is on
// what the launcher downloads, whatever the source (a mirror on the local network, 127.0.0.1).
void limitEverySource(lt::session &session)
{
    const std::uint32_t global = 1u << static_cast<std::uint32_t>(lt::session::global_peer_class_id);
    lt::ip_filter filter;
    filter.add_rule(lt::make_address("0.0.0.0"), lt::make_address("255.255.255.255"), global);
    filter.add_rule(lt::make_address("::"), lt::make_address("ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"),
                    global);
    session.set_peer_class_filter(filter);
}

void applyPeerDiscovery(lt::settings_pack &pack, bool on)
{
    pack.set_bool(lt::settings_pack::enable_upnp, on);
    pack.set_bool(lt::settings_pack::enable_natpmp, on);
    pack.set_bool(lt::settings_pack::enable_dht, on);
    pack.set_bool(lt::settings_pack::enable_lsd, on);
}

// A damaged file must never keep the session from starting: it loads nothing.
lt::session_params loadState(const QString &path)
{
    const QByteArray bytes = path.isEmpty() ? QByteArray() : TorrentSessionState::read(path);
    if (bytes.isEmpty())
        return lt::session_params();
    lt::error_code error;
    const lt::bdecode_node root = lt::bdecode({bytes.constData(), bytes.size()}, error);
    if (error)
        return lt::session_params();
    try {
        return lt::read_session_params(root, lt::save_state_flags_t::all());
    } catch (const std::exception &) {
        return lt::session_params();
    }
}

std::vector<lt::download_priority_t> filePriorities(const lt::file_storage &files,
                                                    const QStringList &wantedFiles)
{
    const QSet<QString> wanted(wantedFiles.cbegin(), wantedFiles.cend());
    std::vector<lt::download_priority_t> priorities;
    priorities.reserve(static_cast<size_t>(files.num_files()));
    for (const lt::file_index_t index : files.file_range()) {
        const QString path = Paths::stripFirstComponent(QString::fromStdString(files.file_path(index)));
        priorities.push_back(wanted.contains(path) ? lt::top_priority : lt::dont_download);
    }
    return priorities;
}

bool prepareTorrent(const TorrentSession::Config &config, const QString &savePath,
                    const QByteArray &torrentData, const QList<QUrl> &webSeeds,
                    const QStringList &wantedFiles, lt::add_torrent_params &params)
{
    params.save_path = savePath.toStdString();
    if (!Paths::makePath(savePath)) {
        logCrit(QStringLiteral("failed to create download path: ") + savePath);
        return false;
    }
    lt::error_code error;
    auto info = std::make_shared<lt::torrent_info>(
        lt::span<const char>(torrentData.constData(), torrentData.size()), error, lt::from_span);
    if (error) {
        logCrit(QStringLiteral("failed to create torrent info: ") + describe(error));
        return false;
    }
    // Torrents are known by their v1 info-hash everywhere: one without it would get an all-zero id
    // that no later call finds.
    if (!info->info_hashes().has_v1()) {
        logCrit(QStringLiteral("torrent refused: it has no v1 info-hash (v2-only): ") +
                QString::fromStdString(info->name()));
        return false;
    }
    if (config.reach != TorrentSession::Reach::Internet)
        info->clear_trackers();
    if (config.reach == TorrentSession::Reach::Loopback)
        info->set_web_seeds({});
    if (!wantedFiles.isEmpty())
        params.file_priorities = filePriorities(info->files(), wantedFiles);
    for (const QUrl &seed : webSeeds)
        params.url_seeds.push_back(seed.toString(QUrl::FullyEncoded).toStdString());
    params.ti = std::move(info);
    return true;
}

} // namespace

TorrentSession::Native::Native(lt::session_params &&params,
                               std::shared_ptr<ListenFailureRecorder> listenFailures)
    : session(std::move(params)), listenFailures(std::move(listenFailures))
{}

void TorrentSession::Native::applySettings(lt::settings_pack &pack, const Config &config,
                                           const QNetworkProxy &proxy)
{
    // libtorrent's default (errors only) would hold back the paused, resumed, flushed, checked and
    // finished alerts that callers wait for.
    pack.set_int(lt::settings_pack::alert_mask, lt::alert_category::error | lt::alert_category::status |
                                                    lt::alert_category::storage | lt::alert_category::peer |
                                                    lt::alert_category::ip_block);
    pack.set_str(lt::settings_pack::listen_interfaces, listenInterfaces(config));
    pack.set_int(lt::settings_pack::max_retry_port_bind, config.extraPorts);
    pack.set_bool(lt::settings_pack::listen_system_port_fallback, config.systemPortFallback);
    applyPeerDiscovery(pack, config.reach == Reach::Internet);
    applyProxy(pack, proxy);
    pack.set_int(lt::settings_pack::tick_interval, tickIntervalMs);
    applyDownloadLimit(pack, SpeedLimit::instance().bytesPerSecond());
}

TorrentSession::THash TorrentSession::Native::idOf(const lt::info_hash_t &hashes)
{
    return THash(hashes.v1.data(), lt::sha1_hash::size());
}

lt::sha1_hash TorrentSession::Native::infoHashOf(const THash &id)
{
    return id.size() == lt::sha1_hash::size() ? lt::sha1_hash(id.data()) : lt::sha1_hash();
}

lt::torrent_handle TorrentSession::Native::find(const THash &id) const
{
    const lt::sha1_hash hash = infoHashOf(id);
    return hash.is_all_zeros() ? lt::torrent_handle() : session.find_torrent(hash);
}

void TorrentSession::setLoopbackOnly(bool on)
{
    loopbackOnlyFlag = on;
}

bool TorrentSession::loopbackOnly()
{
    return loopbackOnlyFlag;
}

std::shared_ptr<TorrentSession> TorrentSession::create(const Config &requested, const QString &statePath)
{
    Config config = requested;
    if (loopbackOnly() && config.reach == Reach::Internet)
        config.reach = Reach::Loopback;
    lt::session_params params = loadState(statePath);
    Native::applySettings(params.settings, config, QNetworkProxy::applicationProxy());
    auto listenFailures = std::make_shared<ListenFailureRecorder>();
    params.extensions.push_back(listenFailures);
    // The default disk I/O maps the files into memory, so the resident size grows with the
    // download (a gigabyte for a gigabyte); plain reads and writes keep it flat.
    params.disk_io_constructor = threadedPosixDiskIo();
    try {
        auto native = std::make_unique<Native>(std::move(params), std::move(listenFailures));
        return std::shared_ptr<TorrentSession>(new TorrentSession(config, std::move(native)));
    } catch (const std::exception &e) {
        logCrit(QStringLiteral("failed to start torrent session: ") + QString::fromLocal8Bit(e.what()));
        return nullptr;
    }
}

TorrentSession::TorrentSession(const Config &config, std::unique_ptr<Native> native)
    : m_config(config), m_native(std::move(native))
{
    limitEverySource(m_native->session);
    // Direct: libtorrent takes new settings from any thread, and a limit changed while a download
    // runs applies to it at once.
    lt::session *session = &m_native->session;
    m_limitFollower =
        QObject::connect(&SpeedLimit::instance(), &SpeedLimit::changed, [session](qint64 limit) {
            lt::settings_pack pack;
            applyDownloadLimit(pack, limit);
            session->apply_settings(std::move(pack));
        });
}

TorrentSession::~TorrentSession()
{
    QObject::disconnect(m_limitFollower);
}

bool TorrentSession::checkListening() const
{
    if (m_config.reach == Reach::WebSeedsOnly || m_native->session.is_listening())
        return true;
    logCrit(QStringLiteral("torrent.listen_on() failed: ") + describe(m_native->listenFailures->error()));
    return false;
}

quint16 TorrentSession::listenPort() const
{
    return m_native->session.listen_port();
}

bool TorrentSession::queueTorrent(const QString &savePath, const QByteArray &torrentData,
                                  const QList<QUrl> &webSeeds, const QStringList &wantedFiles)
{
    lt::add_torrent_params params;
    if (!prepareTorrent(m_config, savePath, torrentData, webSeeds, wantedFiles, params))
        return false;
    m_native->session.async_add_torrent(std::move(params));
    return true;
}

TorrentSession::THash TorrentSession::addTorrent(const QString &savePath, const QByteArray &torrentData,
                                                 const QList<QUrl> &webSeeds, const QStringList &wantedFiles)
{
    lt::add_torrent_params params;
    if (!prepareTorrent(m_config, savePath, torrentData, webSeeds, wantedFiles, params))
        return THash();
    // Started at once and kept out of libtorrent's queue: an auto-managed torrent waits for the
    // queue's next round (about 0.1 s) before it connects to anything, and a queue full of
    // seeding torrents could hold it back further.
    params.flags &= ~(lt::torrent_flags::auto_managed | lt::torrent_flags::paused);
    lt::error_code error;
    const lt::torrent_handle handle = m_native->session.add_torrent(std::move(params), error);
    if (error) {
        logCrit(QStringLiteral("failed to add torrent: ") + describe(error));
        return THash();
    }
    return Native::idOf(handle.info_hashes());
}

QString TorrentSession::infoHashHex(const QByteArray &torrentData)
{
    lt::error_code error;
    const lt::torrent_info info(lt::span<const char>(torrentData.constData(), torrentData.size()), error,
                                lt::from_span);
    if (error || !info.info_hashes().has_v1())
        return QString();
    return QString::fromLatin1(QByteArray::fromStdString(Native::idOf(info.info_hashes())).toHex());
}

bool TorrentSession::contains(const THash &id) const
{
    return onTorrent(*m_native, id, [](const lt::torrent_handle &) {});
}

TorrentSession::Status TorrentSession::status(const THash &id) const
{
    Status result;
    result.valid = onTorrent(*m_native, id, [&result](const lt::torrent_handle &handle) {
        // None of the optional fields: they cost a walk over every piece.
        const lt::torrent_status status = handle.status({});
        result.state = static_cast<int>(status.state);
        result.paused = static_cast<bool>(status.flags & lt::torrent_flags::paused);
        result.progress = status.progress;
        result.wantedBytes = status.total_wanted;
        result.wantedBytesDone = status.total_wanted_done;
        result.downloadRate = status.download_rate;
        result.downloadedBytes = status.total_payload_download;
    });
    return result;
}

void TorrentSession::pauseTorrent(const THash &id)
{
    onTorrent(*m_native, id, [](const lt::torrent_handle &handle) {
        handle.unset_flags(lt::torrent_flags::auto_managed);
        handle.pause();
    });
}

void TorrentSession::resumeTorrent(const THash &id)
{
    onTorrent(*m_native, id, [](const lt::torrent_handle &handle) { handle.resume(); });
}

void TorrentSession::flushCache(const THash &id)
{
    onTorrent(*m_native, id, [](const lt::torrent_handle &handle) { handle.flush_cache(); });
}

QString TorrentSession::filePath(const THash &id, int fileIndex) const
{
    QString path;
    onTorrent(*m_native, id, [&path, fileIndex](const lt::torrent_handle &handle) {
        const std::shared_ptr<const lt::torrent_info> info = handle.torrent_file();
        if (info && fileIndex >= 0 && fileIndex < info->num_files())
            path = QString::fromStdString(info->files().file_path(lt::file_index_t(fileIndex)));
    });
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void TorrentSession::connectPeer(const THash &id, const QString &address, quint16 port)
{
    lt::error_code error;
    const lt::address ip = lt::make_address(address.toStdString(), error);
    if (error)
        return;
    onTorrent(*m_native, id, [&ip, port](const lt::torrent_handle &handle) {
        handle.connect_peer({ip, port});
    });
}

void TorrentSession::pause()
{
    m_native->session.pause();
}

void TorrentSession::resume()
{
    m_native->session.resume();
}

bool TorrentSession::isPaused() const
{
    return m_native->session.is_paused();
}

bool TorrentSession::hasTorrents() const
{
    return !m_native->session.get_torrents().empty();
}

QList<TorrentSession::THash> TorrentSession::torrents() const
{
    QList<THash> ids;
    for (const lt::torrent_handle &handle : m_native->session.get_torrents())
        ids.append(Native::idOf(handle.info_hashes()));
    return ids;
}

void TorrentSession::removeTorrent(const THash &id)
{
    onTorrent(*m_native, id,
              [this](const lt::torrent_handle &handle) { m_native->session.remove_torrent(handle); });
}

void TorrentSession::removeAll()
{
    for (const lt::torrent_handle &handle : m_native->session.get_torrents()) {
        if (handle.is_valid())
            m_native->session.remove_torrent(handle);
    }
}

bool TorrentSession::saveState(const QString &path) const
{
    const std::vector<char> state =
        lt::write_session_params_buf(m_native->session.session_state(), lt::save_state_flags_t::all());
    return TorrentSessionState::write(path, QByteArray(state.data(), static_cast<int>(state.size())));
}

void TorrentSession::close(const QString &statePath)
{
    pause();
    if (!statePath.isEmpty())
        saveState(statePath);
    lt::settings_pack pack;
    applyPeerDiscovery(pack, false);
    m_native->session.apply_settings(std::move(pack));
}
