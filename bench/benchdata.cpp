#include "benchdata.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QRandomGenerator>

namespace benchkit {

namespace {

constexpr qint64 FileSize = 5 * 1024 * 1024;

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray randomBytes(QRandomGenerator &random, qint64 size)
{
    QByteArray bytes(int(size), '\0');
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray textLike(QRandomGenerator &random, qint64 size)
{
    static const QList<QByteArray> words =
        QByteArray(
            "the of and to in is was for that on with as by at from glimmer deep launcher patch archive "
            "release build world city map sound texture shader level quest item")
            .split(' ');
    QByteArray text;
    text.reserve(int(size) + 16);
    while (text.size() < size)
        text += words.at(int(random.bounded(words.size()))) + (random.bounded(14) ? ' ' : '\n');
    text.truncate(int(size));
    return text;
}

} // namespace

qint64 writeMixedContent(const QString &folder, qint64 size)
{
    const QString texts = folder + QStringLiteral("/text");
    if (!QDir().mkpath(texts))
        return -1;
    QRandomGenerator random(5);
    qint64 total = 0;
    for (int i = 0; total < size; ++i) {
        const QString index = QString::number(i);
        const qint64 half = qMin(FileSize, (size - total + 1) / 2);
        if (!writeFile(folder + QStringLiteral("/random") + index + QStringLiteral(".bin"),
                       randomBytes(random, half)) ||
            !writeFile(texts + QStringLiteral("/text") + index + QStringLiteral(".txt"),
                       textLike(random, half)))
            return -1;
        total += 2 * half;
    }
    return total;
}

} // namespace benchkit
