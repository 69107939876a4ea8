#include "tests/support/logcapture.h"

#include <algorithm>

#include "app/logger.h"

#include <QDateTime>
#include <QFile>

namespace {

// Where the text starts in a formatted line, found from the logger's own layout.
int textColumn()
{
    const QString marker = QStringLiteral("\x01");
    return Logger::formatLine(QDateTime::currentDateTime(), LogCrit, marker).indexOf(marker);
}

} // namespace

LogCapture::LogCapture()
{
    Logger::instance().open(m_folder.filePath(QStringLiteral("log.txt")), QString());
}

QStringList LogCapture::takeLines()
{
    QFile file(m_folder.filePath(QStringLiteral("log.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    file.seek(m_readSoFar);
    const QByteArray data = file.readAll();
    m_readSoFar += data.size();
    const int column = textColumn();
    QStringList lines;
    for (const QString &line : QString::fromUtf8(data).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.append(line.left(column).section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ') + line.mid(column));
    return lines;
}

bool LogCapture::anyContains(const QStringList &lines, const QString &fragment)
{
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return line.contains(fragment); });
}
