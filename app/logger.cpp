#include "app/logger.h"

#include <QMutexLocker>

namespace {

QString levelTag(int level)
{
    switch (level) {
    case LogCrit:
        return QStringLiteral("crit");
    case LogWarn:
        return QStringLiteral("warn");
    case LogInfo:
        return QStringLiteral("info");
    case LogDebug:
        return QStringLiteral("debg");
    }
    return QString();
}

} // namespace

Logger &Logger::instance()
{
    // Never destroyed: pool threads may still log while static objects are torn down.
    static Logger *logger = new Logger;
    return *logger;
}

bool Logger::open(const QString &path, const QString &previousPath)
{
    QMutexLocker lock(&m_mutex);
    if (m_file.isOpen())
        m_file.close();
    if (!previousPath.isEmpty() && QFile::exists(path)) {
        if (QFile::exists(previousPath))
            QFile::remove(previousPath);
        QFile::rename(path, previousPath);
    }
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Text);
}

QString Logger::formatLine(const QDateTime &time, int level, const QString &text)
{
    const QString timestamp =
        time.toString(Qt::ISODate) + QLatin1Char('.') + QString::number(time.time().msec());
    QString line = QStringLiteral("%1 %2 %4").arg(levelTag(level), -15).arg(timestamp, -25).arg(text);
    line.replace(QLatin1Char('\n'), QLatin1Char('#'));
    return line;
}

void Logger::write(const QDateTime &time, int level, const QString &text)
{
    if (level > m_threshold)
        return;
    const QByteArray line = formatLine(time, level, text).toUtf8() + '\n';
    QMutexLocker lock(&m_mutex);
    if (!m_file.isOpen())
        return;
    m_file.write(line);
    m_file.flush();
}
