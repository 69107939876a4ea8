#pragma once

#include <QStringList>
#include <QTemporaryDir>

// Sends the process log to a private file for the life of the object, so that a test can read
// the lines its calls wrote, as "level text" ("crit network error: 203").
class LogCapture
{
public:
    LogCapture();

    // The lines written since the previous call (or since construction).
    QStringList takeLines();
    // Whether one of the lines holds fragment.
    static bool anyContains(const QStringList &lines, const QString &fragment);

private:
    QTemporaryDir m_folder;
    qint64 m_readSoFar = 0;
};
