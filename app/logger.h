#pragma once

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QString>

#include <atomic>

enum LogLevel { LogCrit = 0, LogWarn = 1, LogInfo = 2, LogDebug = 3 };

// The process-wide log: one line per entry, written and flushed at once so that a crash
// loses nothing already logged. Lines written before open() are dropped.
class Logger
{
public:
    static Logger &instance();

    // Moves an existing log to previousPath (replacing it) and starts an empty log at path.
    bool open(const QString &path, const QString &previousPath);
    void setThreshold(int threshold) { m_threshold = threshold; }
    int threshold() const { return m_threshold; }

    void crit(const QString &text) { write(QDateTime::currentDateTime(), LogCrit, text); }
    void info(const QString &text) { write(QDateTime::currentDateTime(), LogInfo, text); }
    void debug(const QString &text) { write(QDateTime::currentDateTime(), LogDebug, text); }
    void write(const QDateTime &time, int level, const QString &text);

    static QString formatLine(const QDateTime &time, int level, const QString &text);

private:
    Logger() = default;

    QFile m_file;
    QMutex m_mutex;
    std::atomic<int> m_threshold{3};
};
