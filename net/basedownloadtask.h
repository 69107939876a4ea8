#pragma once

#include "net/task.h"

#include <QByteArray>
#include <QString>

#include <memory>

class Downloader;
class DownloadValidator;

// A background download of a Downloader into a buffer the owner collects after the task ended.
// The result stays -1: the collected bytes tell whether it worked.
class BaseDownloadTask : public Task
{
public:
    BaseDownloadTask(Downloader *downloader, std::shared_ptr<QByteArray> buffer, const QString &savePath,
                     bool force, DownloadValidator *validator);

protected:
    void execute() override;
    virtual bool download() = 0;

    Downloader *m_downloader;
    std::shared_ptr<QByteArray> m_buffer;
    QString m_savePath;
    bool m_force;
    DownloadValidator *m_validator;
};
