#include "net/torrentalerts.h"

#include "app/logger.h"
#include "net/torrentsession_p.h"

#include <libtorrent/alert_types.hpp>

#include <QPointer>

#include <array>
#include <vector>

namespace {

using THash = TorrentAlerts::THash;

// What one alert means to the program: a signal for a torrent, a log line, or both.
struct AlertEvent
{
    int signal = -1;
    THash id;
    const char *logText = nullptr;
};

AlertEvent notify(int signal, const THash &id)
{
    return AlertEvent{signal, id, nullptr};
}

AlertEvent logOnly(const char *text)
{
    return AlertEvent{-1, THash(), text};
}

AlertEvent failure(const char *text, const THash &id = THash())
{
    return AlertEvent{TorrentAlerts::Error, id, text};
}

THash idOf(const lt::torrent_alert &alert)
{
    return TorrentSession::Native::idOf(alert.handle.info_hashes());
}

template<typename Alert> const Alert &as(const lt::alert &alert)
{
    return static_cast<const Alert &>(alert);
}

AlertEvent stateChange(const lt::state_changed_alert &alert)
{
    const bool complete =
        alert.state == lt::torrent_status::finished || alert.state == lt::torrent_status::seeding;
    return complete ? notify(TorrentAlerts::Finished, idOf(alert)) : AlertEvent();
}

AlertEvent addition(const lt::add_torrent_alert &alert)
{
    return alert.error ? failure("Add torrent failed") : notify(TorrentAlerts::Added, idOf(alert));
}

AlertEvent translate(const lt::alert &alert)
{
    switch (alert.type()) {
    case lt::torrent_removed_alert::alert_type:
        return notify(TorrentAlerts::Removed,
                      TorrentSession::Native::idOf(as<lt::torrent_removed_alert>(alert).info_hashes));
    case lt::state_changed_alert::alert_type:
        return stateChange(as<lt::state_changed_alert>(alert));
    case lt::tracker_error_alert::alert_type:
        return logOnly("tracker return not 200 OK code");
    case lt::peer_ban_alert::alert_type:
        return logOnly("banned peer has sent too many corrupt pieces to us");
    case lt::torrent_finished_alert::alert_type:
        return notify(TorrentAlerts::Finished, idOf(as<lt::torrent_alert>(alert)));
    case lt::storage_moved_failed_alert::alert_type:
        return logOnly("storage moved failed");
    case lt::torrent_deleted_alert::alert_type:
        return notify(TorrentAlerts::FilesDeleted,
                      TorrentSession::Native::idOf(as<lt::torrent_deleted_alert>(alert).info_hashes));
    case lt::torrent_delete_failed_alert::alert_type:
        return logOnly("can't remove torrent files");
    case lt::save_resume_data_failed_alert::alert_type:
        return logOnly("save resume data failed");
    case lt::torrent_paused_alert::alert_type:
        return notify(TorrentAlerts::Paused, idOf(as<lt::torrent_alert>(alert)));
    case lt::torrent_resumed_alert::alert_type:
        return notify(TorrentAlerts::Resumed, idOf(as<lt::torrent_alert>(alert)));
    case lt::torrent_checked_alert::alert_type:
        return notify(TorrentAlerts::Checked, idOf(as<lt::torrent_alert>(alert)));
    case lt::file_error_alert::alert_type:
        return failure("can't write torrent file", idOf(as<lt::torrent_alert>(alert)));
    // Without a listening port or a mapping the session still reaches peers and web seeds itself:
    // worth a line, never the end of a download.
    case lt::listen_failed_alert::alert_type:
        return logOnly("can't listen ports");
    case lt::portmap_error_alert::alert_type:
        return logOnly("can't port map from NAT");
    case lt::fastresume_rejected_alert::alert_type:
        return logOnly("fast resume file rejected");
    case lt::peer_blocked_alert::alert_type:
        return logOnly("peer baned");
    case lt::cache_flushed_alert::alert_type:
        return notify(TorrentAlerts::Flushed, idOf(as<lt::torrent_alert>(alert)));
    case lt::add_torrent_alert::alert_type:
        return addition(as<lt::add_torrent_alert>(alert));
    }
    return AlertEvent();
}

} // namespace

TorrentAlerts::TorrentAlerts(const std::shared_ptr<TorrentSession> &session, QObject *parent)
    : QObject(parent), m_session(session)
{
    qRegisterMetaType<TorrentAlerts::THash>("TorrentAlerts::THash");
    if (m_session) {
        m_session->native().session.set_alert_notify(
            [this] { QMetaObject::invokeMethod(this, "readAlerts", Qt::QueuedConnection); });
    }
}

TorrentAlerts::~TorrentAlerts()
{
    // The session may outlive its pump: libtorrent must not call into a destroyed one.
    if (m_session)
        m_session->native().session.set_alert_notify({});
}

TorrentAlerts::Notifier TorrentAlerts::notifier(int signalIndex)
{
    static const std::array<Notifier, 9> notifiers = {
        &TorrentAlerts::finished, &TorrentAlerts::paused,  &TorrentAlerts::resumed,
        &TorrentAlerts::flushed,  &TorrentAlerts::checked, &TorrentAlerts::added,
        &TorrentAlerts::removed,  &TorrentAlerts::error,   &TorrentAlerts::files_deleted};
    const bool known = signalIndex >= 0 && signalIndex < static_cast<int>(notifiers.size());
    return notifiers[static_cast<size_t>(known ? signalIndex : Finished)];
}

void TorrentAlerts::readAlerts()
{
    if (!m_session)
        return;
    // Every alert is translated before any signal goes out: a listener may run a nested event loop
    // that drains the session again, which frees the alerts of this round.
    std::vector<lt::alert *> alerts;
    m_session->native().session.pop_alerts(&alerts);
    std::vector<AlertEvent> events;
    events.reserve(alerts.size());
    for (const lt::alert *alert : alerts) {
        try {
            events.push_back(translate(*alert));
        } catch (const std::exception &) {
            // One odd alert never holds back the others.
        }
    }
    // A listener may also release this pump (stopping the session when a torrent finished).
    const QPointer<TorrentAlerts> self(this);
    for (const AlertEvent &event : events) {
        if (event.signal >= 0)
            emit(this->*notifier(event.signal))(event.id);
        if (!self)
            return;
        if (event.logText)
            Logger::instance().crit(QStringLiteral("Torrent error: ") + QLatin1String(event.logText));
    }
}
