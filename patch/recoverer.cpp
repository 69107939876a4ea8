#include "patch/recoverer.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/tr.h"
#include "patch/recovercleartask.h"
#include "patch/recovercopytask.h"
#include "patch/safepath.h"
#include "patch/torrentpaths.h"
#include "update/formatting.h"

#include <QDir>

Recoverer::Recoverer(QObject *parent) : QObject(parent)
{
    connect(&m_downloader, &Downloader::ended, this, &Recoverer::_torrentFileDownloaded);
    connect(&m_downloader, &Downloader::exception, this, &Recoverer::_downloadError);
    connect(&m_torrents, &Torrents::added, this, &Recoverer::_torrentAdd);
    connect(&m_torrents, &Torrents::finished, this, &Recoverer::_torrentFinish);
    connect(&m_torrents, &Torrents::error, this, &Recoverer::_torrentError);
    connect(&m_torrents, &Torrents::progress_time, this, &Recoverer::_torrentProgress);
    connect(&m_tasks, &TaskManager::exception, this, &Recoverer::_taskError);
    connect(&m_tasks, &TaskManager::ended, this, &Recoverer::_taskEnd);
    connect(&m_tasks, &TaskManager::progress, this, &Recoverer::_taskProgress);
}

Recoverer::~Recoverer()
{
    stop();
}

void Recoverer::start(const QSet<QString> &packageFiles, const QStringList &damagedFiles,
                      const UpdateContent &content)
{
    stop();
    m_damagedFiles = damagedFiles;
    m_content = content;
    m_packageFiles = packageFiles;
    emit started();
    m_status = FetchingTorrent;
    emit progress(0, 1, FetchingTorrent, QString());
    if (m_downloader.downloadRandom(m_content.recoverTorrents(), QString(), true, true, nullptr) < 0)
        fail(TorrentFailed);
}

void Recoverer::stop()
{
    // Idle before anything is waited for: the waits deliver the ends of the stopped steps, and a
    // step that ends now must not start the next one.
    const int stopped = m_status;
    m_status = Idle;
    m_damagedFiles.clear();
    m_packageFiles.clear();
    if (stopped > Idle)
        m_downloader.terminate(-1, true);
    // The copy and clean-up tasks end before the folders they work in change under them.
    m_tasks.terminate(-1, true);
    if (stopped > FetchingTorrent) {
        m_torrents.removeAll();
        m_torrents.stop(QString());
        QDir(Paths::recoverTempFolder()).removeRecursively();
    }
}

void Recoverer::pause()
{
    if (m_status == FetchingTorrent)
        m_downloader.pause(-1);
    else if (m_status == Downloading)
        m_torrents.pauseSession();
}

void Recoverer::resume()
{
    if (m_status == FetchingTorrent)
        m_downloader.resume(-1);
    else if (m_status == Downloading)
        m_torrents.resumeSession();
}

void Recoverer::fail(int result)
{
    stop();
    emit progress(1, 1, Idle, QString());
    emit ended(result);
}

QString Recoverer::downloadText(float progress, qint64 bytesTotal, qint64 bytesCurrent, int rate)
{
    QString text = TR::tr("LauncherProgressDownload");
    text.replace(QStringLiteral("%0"), QString::number(progress * 100.0, 'f', 1));
    text += QStringLiteral(" - ") + formatSize(bytesCurrent) + QLatin1Char('/') + formatSize(bytesTotal);
    if (rate > 0)
        text += QStringLiteral(" (") + formatRate(rate) + QLatin1Char(')');
    return text;
}

void Recoverer::_torrentFileDownloaded(int id, int)
{
    if (m_status != FetchingTorrent)
        return;
    const std::shared_ptr<QByteArray> torrent = m_downloader.takeResult(id);
    const QByteArray bytes = torrent ? *torrent : QByteArray();
    // A torrent that names files outside the recovery folder, or a content id that climbs out of it,
    // is not the publisher's: nothing of it is downloaded.
    if (!bytes.isEmpty() && (!torrentPathsStayInside(bytes) || !staysInside(m_content.id()))) {
        Logger::instance().crit(QStringLiteral("unsafe path in recovery torrent of ") + m_content.id());
        fail(TorrentFailed);
        return;
    }
    m_status = Downloading;
    if (!m_torrents.start(QString()) ||
        !m_torrents.add(Paths::recoverTempFolder(true), bytes, m_content.recoverHttp(), m_damagedFiles))
        fail(TorrentFailed);
}

void Recoverer::_downloadProgress(qlonglong total, qlonglong current)
{
    if (m_status == FetchingTorrent)
        emit progress(static_cast<int>(current), static_cast<int>(total), FetchingTorrent, QString());
}

void Recoverer::_torrentAdd(TorrentAlerts::THash)
{
    m_status = Downloading;
    emit progress(0, 1, Downloading, QString());
}

void Recoverer::_torrentFinish(TorrentAlerts::THash)
{
    if (m_status != Downloading)
        return;
    m_torrents.removeAll();
    m_torrents.stop(QString());
    emit progress(0, 1, Downloading, QString());
    // A listener may have stopped the recovery.
    if (m_status == Downloading && m_tasks.start(new RecoverCopyTask(m_damagedFiles, m_content.id())) < 0)
        fail(CopyFailed);
}

void Recoverer::_downloadError(int)
{
    fail(TorrentFailed);
}

void Recoverer::_torrentError(TorrentAlerts::THash)
{
    fail(SessionError);
}

void Recoverer::_torrentProgress(TorrentAlerts::THash, float p, qlonglong bytesTotal, qlonglong bytesCurrent,
                                 int rate)
{
    if (m_status == Downloading)
        emit progress(static_cast<int>(p * 10000), 10000, Downloading,
                      downloadText(p, bytesTotal, bytesCurrent, rate));
}

void Recoverer::_taskError(int)
{
    if (m_status == Downloading)
        fail(CopyFailed);
    else if (m_status == CleaningUp)
        fail(CleanUpFailed);
}

void Recoverer::_taskEnd(int, int result)
{
    if (m_status == Downloading) {
        QDir(Paths::recoverTempFolder()).removeRecursively();
        startClearTask();
    } else if (m_status == CleaningUp) {
        m_status = Done;
        emit progress(1, 1, Done, QString());
        emit ended(result);
    }
}

void Recoverer::startClearTask()
{
    m_status = CleaningUp;
    emit progress(0, 1, CleaningUp, QString());
    if (m_status == CleaningUp && m_tasks.start(new RecoverClearTask(&m_packageFiles)) < 0)
        fail(CleanUpFailed);
}

void Recoverer::_taskProgress(int, int processed, int total, int, QString msg)
{
    emit progress(processed, total, m_status, msg);
}
