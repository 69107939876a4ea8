#pragma once

#include "net/ihttpprogress.h"
#include "net/taskmanager.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

class DownloadValidator;

namespace net {
class HttpConnection;
}

// Fetches one small file from a list of equivalent mirrors, trying them in a random order, each
// at most once (MirrorPolicy::randomOnce), optionally keeping a copy on disk that later calls are served
// from. Blocking (download) for code already on a worker thread, or as a task on its own pool
// (downloadRandom) whose bytes the owner collects with takeResult once the task has ended.
class Downloader : public TaskManager, public net::IHttpProgress
{
    Q_OBJECT
public:
    explicit Downloader(QObject *parent = nullptr);
    ~Downloader() override;

    // out and validator may be null, savePath empty. Without force an existing saved copy is
    // used instead of the network (validated when a validator is given). Downloaded bytes are
    // validated, then saved at savePath.
    bool download(const QList<QUrl> &urls, QByteArray *out, const QString &savePath, bool force,
                  bool allowNetwork, DownloadValidator *validator);
    // Starts download as a task into a fresh buffer; returns the task id, or -1.
    int downloadRandom(const QList<QUrl> &urls, const QString &savePath, bool force, bool allowNetwork,
                       DownloadValidator *validator);
    // The buffer of an ended task, handed over once; empty while the task is queued or running.
    std::shared_ptr<QByteArray> takeResult(int id);
    // Drops uncollected buffers of ended tasks (-1: all of them).
    void eraseResults(int id);

    void progress(net::HttpConnection *connection, qint64 total, qint64 current) override;
    using TaskManager::progress;

signals:
    void progress(qlonglong total, qlonglong current);

private:
    bool useSavedCopy(QByteArray *out, const QString &savePath, bool force, DownloadValidator *validator);
    bool downloadFrom(const QUrl &url, QByteArray *out, const QString &savePath,
                      DownloadValidator *validator);
    void saveCopy(const QString &savePath, const QByteArray &data);

    std::shared_ptr<net::HttpConnection> m_connection;
    QHash<int, std::shared_ptr<QByteArray>> m_results;
};
