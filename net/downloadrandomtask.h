#pragma once

#include "net/basedownloadtask.h"

#include <QList>
#include <QUrl>

// Downloader::download from a list of equivalent mirrors, on the Downloader's pool.
class DownloadRandomTask : public BaseDownloadTask
{
public:
    DownloadRandomTask(Downloader *downloader, std::shared_ptr<QByteArray> buffer, const QList<QUrl> &urls,
                       const QString &savePath, bool force, bool allowNetwork, DownloadValidator *validator);

protected:
    bool download() override;

private:
    QList<QUrl> m_urls;
    bool m_allowNetwork;
};
