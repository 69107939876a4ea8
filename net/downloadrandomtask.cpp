#include "net/downloadrandomtask.h"

#include "net/downloader.h"

DownloadRandomTask::DownloadRandomTask(Downloader *downloader, std::shared_ptr<QByteArray> buffer,
                                       const QList<QUrl> &urls, const QString &savePath, bool force,
                                       bool allowNetwork, DownloadValidator *validator)
    : BaseDownloadTask(downloader, std::move(buffer), savePath, force, validator), m_urls(urls),
      m_allowNetwork(allowNetwork)
{}

bool DownloadRandomTask::download()
{
    return m_downloader->download(m_urls, m_buffer.get(), m_savePath, m_force, m_allowNetwork, m_validator);
}
