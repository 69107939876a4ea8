#include "net/torrents.h"

#include <QTimer>

#include <vector>

namespace {

const int progressPeriodMs = 500;

} // namespace

Torrents::Torrents(QObject *parent) : QObject(parent), m_progressTimer(new QTimer(this))
{
    connect(m_progressTimer, &QTimer::timeout, this, &Torrents::_progressSend);
    connect(this, &Torrents::added, this, &Torrents::_asyncAdded);
    connect(this, &Torrents::finished, this, &Torrents::_asyncFinished);
    connect(this, &Torrents::paused, this, &Torrents::_asyncPaused);
    connect(this, &Torrents::resumed, this, &Torrents::_asyncResumed);
}

Torrents::~Torrents() = default;

bool Torrents::start(const QString &statePath)
{
    if (m_session)
        return true;
    std::shared_ptr<TorrentSession> session = TorrentSession::create(m_config, statePath);
    if (!session)
        return false;
    m_alerts = std::make_shared<TorrentAlerts>(session);
    connectAlerts();
    // Logged only: the web seeds can finish a repair without a listening port.
    session->checkListening();
    m_session = std::move(session);
    return true;
}

void Torrents::connectAlerts()
{
    TorrentAlerts *alerts = m_alerts.get();
    connect(alerts, &TorrentAlerts::finished, this, &Torrents::finished);
    connect(alerts, &TorrentAlerts::paused, this, &Torrents::paused);
    connect(alerts, &TorrentAlerts::resumed, this, &Torrents::resumed);
    connect(alerts, &TorrentAlerts::flushed, this, &Torrents::flushed);
    connect(alerts, &TorrentAlerts::checked, this, &Torrents::checked);
    connect(alerts, &TorrentAlerts::added, this, &Torrents::added);
    connect(alerts, &TorrentAlerts::removed, this, &Torrents::removed);
    connect(alerts, &TorrentAlerts::error, this, &Torrents::error);
    connect(alerts, &TorrentAlerts::files_deleted, this, &Torrents::files_deleted);
}

bool Torrents::add(const QString &savePath, const QByteArray &torrentData, const QList<QUrl> &urlSeeds,
                   const QStringList &wantedFiles)
{
    return m_session && m_session->queueTorrent(savePath, torrentData, urlSeeds, wantedFiles);
}

void Torrents::pauseSession()
{
    if (m_session && !m_session->isPaused())
        m_session->pause();
}

void Torrents::resumeSession()
{
    if (m_session && m_session->isPaused())
        m_session->resume();
}

void Torrents::removeAll()
{
    if (m_session)
        m_session->removeAll();
}

void Torrents::saveState(const QString &path)
{
    if (m_session)
        m_session->saveState(path);
}

void Torrents::stop(const QString &statePath)
{
    if (!m_session)
        return;
    m_session->close(statePath);
    m_progressTimer->stop();
    m_active.clear();
    m_alerts.reset();
    m_session.reset();
}

bool Torrents::reportsProgress() const
{
    return m_progressTimer->isActive();
}

void Torrents::_asyncAdded(TorrentAlerts::THash id)
{
    report(id);
}

void Torrents::_asyncResumed(TorrentAlerts::THash id)
{
    report(id);
}

void Torrents::_asyncFinished(TorrentAlerts::THash id)
{
    forget(id);
}

void Torrents::_asyncPaused(TorrentAlerts::THash id)
{
    forget(id);
}

void Torrents::report(const THash &id)
{
    if (!m_session || !m_session->contains(id))
        return;
    m_active.insert(id);
    if (!m_progressTimer->isActive())
        m_progressTimer->start(progressPeriodMs);
}

void Torrents::forget(const THash &id)
{
    m_active.erase(id);
    if (m_active.empty())
        m_progressTimer->stop();
}

void Torrents::_progressSend()
{
    // A listener may stop the session or change the table while this tick runs.
    const std::vector<THash> ids(m_active.cbegin(), m_active.cend());
    for (const THash &id : ids) {
        if (!m_session)
            return;
        const TorrentSession::Status status = m_session->status(id);
        if (!status.valid) {
            // Removed from the session: nothing left to report.
            forget(id);
            continue;
        }
        emit progress_time(id, status.progress, status.wantedBytes, status.wantedBytesDone,
                           status.downloadRate);
        if (status.complete()) {
            emit finished(id);
            return;
        }
    }
}
