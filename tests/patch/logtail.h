#pragma once

#include "app/logger.h"
#include "tests/patch/testfiles.h"

#include <QString>

// Points the process log at a file and hands out what was logged since the last look.
class LogTail
{
public:
    bool open(const QString &path)
    {
        m_path = path;
        return Logger::instance().open(path, QString());
    }
    QString newText()
    {
        const QByteArray log = readAll(m_path);
        const QString text = QString::fromUtf8(log.mid(int(m_read)));
        m_read = log.size();
        return text;
    }

private:
    QString m_path;
    qint64 m_read = 0;
};
