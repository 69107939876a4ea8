#pragma once

#include "net/downloader.h"
#include "net/taskmanager.h"
#include "net/torrents.h"
#include "update/updatecontent.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Replaces the damaged game files the checker found: fetches the recovery torrent of the installed
// content, downloads only those files (the recovery locations serve as web seeds) into the recovery
// folder, copies them over the game folder and removes the recovery folder. Lives on the GUI thread
// and is driven by the signals of its downloader, torrent session and task manager.
class Recoverer : public QObject
{
    Q_OBJECT
public:
    enum Status { Idle = 10, FetchingTorrent = 11, Downloading = 12, CleaningUp = 13, Done = 14 };
    enum Result { Complete = 0, TorrentFailed = 2, CopyFailed = 3, CleanUpFailed = 4, SessionError = 5 };

    explicit Recoverer(QObject *parent = nullptr);
    ~Recoverer() override;

    // For the sessions started from now on (tests and demos keep them on 127.0.0.1).
    void setSessionConfig(const TorrentSession::Config &config) { m_torrents.setSessionConfig(config); }

    // content: the manifest content the check took its package file from.
    void start(const QSet<QString> &packageFiles, const QStringList &damagedFiles,
               const UpdateContent &content);
    void stop();
    void pause();
    void resume();

    int status() const { return m_status; }
    // The text shown while the files download: percentage, sizes and, while data flows, the rate.
    static QString downloadText(float progress, qint64 bytesTotal, qint64 bytesCurrent, int rate);

signals:
    void started();
    void progress(int processed, int total, int status, QString msg);
    void ended(int error);

private slots:
    void _torrentFileDownloaded(int id, int result);
    void _downloadProgress(qlonglong total, qlonglong current);
    void _torrentAdd(TorrentAlerts::THash id);
    void _torrentFinish(TorrentAlerts::THash id);
    void _downloadError(int id);
    void _torrentError(TorrentAlerts::THash id);
    void _torrentProgress(TorrentAlerts::THash id, float p, qlonglong bytesTotal, qlonglong bytesCurrent,
                          int rate);
    void _taskError(int id);
    void _taskEnd(int id, int result);
    void _taskProgress(int id, int processed, int total, int status, QString msg);

private:
    void fail(int result);
    void startClearTask();

    Downloader m_downloader;
    Torrents m_torrents;
    int m_status = Idle;
    QStringList m_damagedFiles;
    QSet<QString> m_packageFiles;
    UpdateContent m_content;
    TaskManager m_tasks;
};
