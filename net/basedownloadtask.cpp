#include "net/basedownloadtask.h"

BaseDownloadTask::BaseDownloadTask(Downloader *downloader, std::shared_ptr<QByteArray> buffer,
                                   const QString &savePath, bool force, DownloadValidator *validator)
    : m_downloader(downloader), m_buffer(std::move(buffer)), m_savePath(savePath), m_force(force),
      m_validator(validator)
{}

void BaseDownloadTask::execute()
{
    if (m_downloader)
        download();
}
