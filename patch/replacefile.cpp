#include "patch/replacefile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

namespace {

// QSaveFile writes a temporary file in target's folder and renames it over target on commit.
bool copyOver(const QString &source, const QString &target)
{
    QFile input(source);
    QSaveFile output(target);
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 BlockSize = 1024 * 1024;
    while (!input.atEnd()) {
        const QByteArray block = input.read(BlockSize);
        if (block.isEmpty() || output.write(block) != block.size())
            return false;
    }
    return output.commit();
}

} // namespace

bool replaceFile(const QString &source, const QString &target)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (errno != EXDEV || !copyOver(source, target))
        return false;
    QFile::remove(source);
    return true;
}
