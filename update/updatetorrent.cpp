#include "update/updatetorrent.h"

#include "app/logger.h"
#include "app/paths.h"
#include "net/alertwaiter.h"
#include "net/httpconnection.h"
#include "net/torrentalerts.h"
#include "update/updatemirrors.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QMutexLocker>
#include <QTextStream>

namespace {

// The finished and error alerts wake the wait at once; the poll is the safety net for a state that no
// alert announces, and keeps a stop from waiting long.
const unsigned long statusPollMs = 100;

} // namespace

UpdateTorrent::~UpdateTorrent()
{
    std::shared_ptr<TorrentSession> closing = session();
    if (!closing)
        return;
    closing->close(Paths::sessionPath());
    QMutexLocker lock(&m_mutex);
    m_alerts.reset();
    m_session.reset();
}

bool UpdateTorrent::download(const UpdateContent &content, const QString &folder, bool useTorrents,
                             QString *archivePath)
{
    const QString name = content.name();
    m_failure = FailureReason();
    Logger::instance().info(QStringLiteral("download update with torrent: ") + name);
    if (!QDir().mkpath(folder)) {
        Logger::instance().crit(QStringLiteral("failed to create update download dir: ") + folder);
        return fail(FailureReason::notWritable(folder));
    }
    if (!ensureSession(useTorrents) || !startTorrent(content, folder)) {
        Logger::instance().crit(QStringLiteral("failed to start torrent: ") + name);
        if (!m_failure.isFailure())
            m_failure = FailureReason::atPath(FailureReason::Kind::TorrentFailed, name);
        return false;
    }
    Logger::instance().info(QStringLiteral("torrent started: ") + name);
    const TorrentSession::THash id = current();
    if (!waitForTorrent(name)) {
        Logger::instance().crit(QStringLiteral("failed to wait for torrent: ") + name);
        return false;
    }
    Logger::instance().info(QStringLiteral("torrent complete: ") + name);
    saveSessionState();
    *archivePath = Paths::joinPath(folder, session()->filePath(id, 0));
    return true;
}

bool UpdateTorrent::ensureSession(bool useTorrents)
{
    if (session())
        return true;
    TorrentSession::Config config;
    config.reach = useTorrents ? TorrentSession::Reach::Internet : TorrentSession::Reach::WebSeedsOnly;
    std::shared_ptr<TorrentSession> created =
        TorrentSession::create(config, useTorrents ? Paths::sessionPath() : QString());
    if (!created)
        return false;
    // The web seeds can finish a download alone: a session that cannot listen (a port taken, a
    // router refusing) only loses the peers.
    created->checkListening();
    auto alerts = std::make_shared<TorrentAlerts>(created);
    QObject::connect(
        alerts.get(), &TorrentAlerts::error, alerts.get(),
        [this](const TorrentAlerts::THash &id) { noteError(id); }, Qt::DirectConnection);
    QObject::connect(
        alerts.get(), &TorrentAlerts::finished, alerts.get(),
        [this](const TorrentAlerts::THash &id) { noteFinished(id); }, Qt::DirectConnection);
    // The pump belongs to the GUI thread, whose event loop outlives every update job.
    if (QCoreApplication::instance())
        alerts->moveToThread(QCoreApplication::instance()->thread());
    QMutexLocker lock(&m_mutex);
    m_session = created;
    m_alerts = alerts;
    return true;
}

bool UpdateTorrent::startTorrent(const UpdateContent &content, const QString &folder)
{
    const QString expectedHash = content.string(QStringLiteral("torrent")).trimmed().toLower();
    m_foreignTorrent = false;
    for (const MirrorList::Attempt &attempt : MirrorList(content.torrents(), metadataMirrorPolicy())) {
        const int j = attempt.index;
        QString line;
        QTextStream(&line) << "[" << j << "] downloading torrent file... "
                           << attempt.url.host(QUrl::FullyDecoded);
        Logger::instance().info(line);
        if (m_stopping.load())
            return fail(FailureReason::cancelled());
        QByteArray bytes;
        if (!fetchTorrentFile(attempt, &bytes))
            continue;
        // One without a v1 info-hash is not foreign but unusable: adding it fails and says why.
        const QString hash = TorrentSession::infoHashHex(bytes);
        if (!hash.isEmpty() && hash != expectedHash) {
            line.clear();
            QTextStream(&line) << "[" << j
                               << "] torrent file is not the content's: " << attempt.url.toString()
                               << " info-hash: " << hash << " expected: " << expectedHash;
            Logger::instance().crit(line);
            m_foreignTorrent = true;
            m_failure = FailureReason::atUrl(FailureReason::Kind::TorrentRefused, attempt.url);
            continue;
        }
        m_foreignTorrent = false;
        m_torrentFailed = false;
        const TorrentSession::THash id = session()->addTorrent(folder, bytes, content.http());
        if (id.empty())
            return fail(FailureReason::atUrl(FailureReason::Kind::TorrentRefused, attempt.url));
        setCurrent(id);
        return true;
    }
    return false;
}

bool UpdateTorrent::fetchTorrentFile(const MirrorList::Attempt &attempt, QByteArray *bytes)
{
    // Always from the server: a cached copy of a .torrent the mirror has since corrected would
    // otherwise keep failing the info-hash check until it expires.
    std::shared_ptr<net::HttpConnection> connection = net::HttpConnection::create(false);
    connection->setTransferTimeout(attempt.timeoutMs);
    connection->setCancelFlag(&m_stopping);
    QString line;
    if (!connection->get(attempt.url, bytes)) {
        QTextStream(&line) << "[" << attempt.index
                           << "] failed to download torrent file: " << attempt.url.toString();
        Logger::instance().crit(line);
        m_failure = connection->failure();
        return false;
    }
    QTextStream(&line) << "[" << attempt.index
                       << "] downloading torrent file success. size: " << bytes->size()
                       << "; hash: " << QCryptographicHash::hash(*bytes, QCryptographicHash::Sha1).toHex();
    Logger::instance().info(line);
    return true;
}

bool UpdateTorrent::waitForTorrent(const QString &name)
{
    const TorrentSession::THash id = current();
    std::shared_ptr<TorrentSession> torrents = session();
    if (id.empty() || !torrents->status(id).valid)
        return fail(FailureReason::atPath(FailureReason::Kind::TorrentFailed, name));
    {
        QMutexLocker lock(&m_mutex);
        qint64 lastDone = -1;
        QElapsedTimer stalled;
        stalled.start();
        for (;;) {
            const TorrentSession::Status status = torrents->status(id);
            if (status.state == TorrentSession::Seeding)
                break;
            const QString end = waitEnd(status, lastDone, stalled);
            if (!end.isEmpty()) {
                Logger::instance().crit(QStringLiteral("torrent wait ended: ") + end);
                return fail(m_stopping.load()
                                ? FailureReason::cancelled()
                                : FailureReason::atPath(FailureReason::Kind::TorrentFailed, name));
            }
            m_seeding.wait(&m_mutex, statusPollMs);
        }
    }
    AlertWaiter flushed(m_alerts.get(), id, TorrentAlerts::Flushed);
    torrents->flushCache(id);
    flushed.wait(false);
    return true;
}

QString UpdateTorrent::waitEnd(const TorrentSession::Status &status, qint64 &lastDone, QElapsedTimer &stalled)
{
    if (m_stopping.load())
        return QStringLiteral("stopped");
    if (m_torrentFailed.load())
        return QStringLiteral("the torrent reported an error");
    if (!status.valid)
        return QStringLiteral("the torrent left the session");
    // A paused torrent (the player's choice) or one checking its files is not stalled.
    const bool waiting = status.paused || m_session->isPaused() ||
                         status.state == TorrentSession::CheckingFiles ||
                         status.state == TorrentSession::CheckingResumeData;
    if (waiting || status.wantedBytesDone != lastDone) {
        lastDone = status.wantedBytesDone;
        stalled.restart();
        return QString();
    }
    if (stalled.elapsed() < m_stallLimitMs.load())
        return QString();
    QString text;
    QTextStream(&text) << "no data for " << stalled.elapsed() / 1000 << " s at " << lastDone << " of "
                       << status.wantedBytes << " bytes";
    return text;
}

bool UpdateTorrent::fail(const FailureReason &reason)
{
    m_failure = reason;
    return false;
}

void UpdateTorrent::noteError(const TorrentSession::THash &id)
{
    QMutexLocker lock(&m_mutex);
    if (id.empty() || id != m_current)
        return;
    m_torrentFailed = true;
    m_seeding.wakeAll();
}

void UpdateTorrent::noteFinished(const TorrentSession::THash &id)
{
    QMutexLocker lock(&m_mutex);
    if (!id.empty() && id == m_current)
        m_seeding.wakeAll();
}

void UpdateTorrent::dropCurrent()
{
    const TorrentSession::THash id = current();
    std::shared_ptr<TorrentSession> torrents = session();
    if (id.empty() || !torrents || !torrents->contains(id))
        return;
    {
        // Gone from the session only once libtorrent has closed its files.
        AlertWaiter removed(m_alerts.get(), id, TorrentAlerts::Removed);
        torrents->removeTorrent(id);
        removed.wait(!torrents->contains(id));
    }
    setCurrent(TorrentSession::THash());
    saveSessionState();
}

void UpdateTorrent::pauseForInstall(const UpdateContent &content)
{
    const TorrentSession::THash id = current();
    if (!content.hasTorrent() || id.empty())
        return;
    std::shared_ptr<TorrentSession> torrents = session();
    if (!torrents->status(id).valid || torrents->status(id).paused)
        return;
    AlertWaiter paused(m_alerts.get(), id, TorrentAlerts::Paused);
    torrents->pauseTorrent(id);
    paused.wait(torrents->status(id).paused);
}

void UpdateTorrent::resumeAfterInstall(const UpdateContent &content)
{
    const TorrentSession::THash id = current();
    if (!content.hasTorrent() || id.empty())
        return;
    std::shared_ptr<TorrentSession> torrents = session();
    if (!torrents->status(id).valid || !torrents->status(id).paused)
        return;
    AlertWaiter resumed(m_alerts.get(), id, TorrentAlerts::Resumed);
    torrents->resumeTorrent(id);
    resumed.wait(!torrents->status(id).paused);
}

TorrentSession::Status UpdateTorrent::currentStatus() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_session || m_current.empty())
        return TorrentSession::Status();
    return m_session->status(m_current);
}

void UpdateTorrent::releaseCurrent()
{
    QMutexLocker lock(&m_mutex);
    m_current.clear();
    m_seeding.wakeAll();
}

void UpdateTorrent::pauseAll()
{
    if (std::shared_ptr<TorrentSession> torrents = session())
        torrents->pause();
}

void UpdateTorrent::resumeAll()
{
    if (std::shared_ptr<TorrentSession> torrents = session())
        torrents->resume();
}

bool UpdateTorrent::isPaused() const
{
    std::shared_ptr<TorrentSession> torrents = session();
    return torrents && torrents->isPaused();
}

bool UpdateTorrent::hasTorrents() const
{
    std::shared_ptr<TorrentSession> torrents = session();
    return torrents && torrents->hasTorrents();
}

void UpdateTorrent::saveSessionState() const
{
    if (std::shared_ptr<TorrentSession> torrents = session())
        torrents->saveState(Paths::sessionPath());
}

void UpdateTorrent::setCurrent(const TorrentSession::THash &id)
{
    QMutexLocker lock(&m_mutex);
    m_current = id;
}

TorrentSession::THash UpdateTorrent::current() const
{
    QMutexLocker lock(&m_mutex);
    return m_current;
}

std::shared_ptr<TorrentSession> UpdateTorrent::session() const
{
    QMutexLocker lock(&m_mutex);
    return m_session;
}
