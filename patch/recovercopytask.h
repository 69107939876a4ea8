#pragma once

#include "net/task.h"

#include <QStringList>

// Copies the recovered files from the recovery folder (below the folder named after the content id)
// over the game folder, replacing the damaged ones.
class RecoverCopyTask : public Task
{
    Q_OBJECT
public:
    RecoverCopyTask(const QStringList &damagedFiles, const QString &contentId)
        : m_damagedFiles(damagedFiles), m_contentId(contentId)
    {}

protected:
    void execute() override;

private:
    void fail(const QString &logLine, const char *what);

    QStringList m_damagedFiles;
    QString m_contentId;
};
