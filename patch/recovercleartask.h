#pragma once

#include "net/task.h"

#include <QSet>
#include <QString>

// The recovery's last step: makes sure the package file set is known, reading it from the game
// folder's package file when the check did not hand one over.
class RecoverClearTask : public Task
{
    Q_OBJECT
public:
    explicit RecoverClearTask(QSet<QString> *packageFiles) : m_packageFiles(packageFiles) {}

protected:
    void execute() override;

private:
    void fail(const QString &logLine);

    QSet<QString> *m_packageFiles;
};
