#include "patch/filesha1.h"

#include "app/hasher.h"

#include <QFile>

#include <memory>

namespace {

constexpr qint64 DefaultBlockSize = 256 * 1024;

QString hashBlocks(const QString &path, qint64 blockSize, const std::function<bool(qint64)> &onBlock)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QString();
    const std::unique_ptr<char[]> block(new char[blockSize]);
    Hasher hasher(Hasher::Sha1);
    for (;;) {
        const qint64 got = file.read(block.get(), blockSize);
        if (got < 0)
            return QString();
        if (got == 0)
            return hasher.hexDigest();
        if (!onBlock(got))
            return QString();
        hasher.addData(block.get(), got);
    }
}

} // namespace

QString fileSha1(const QString &path, const std::function<bool(qint64)> &blockRead)
{
    return hashBlocks(path, DefaultBlockSize,
                      [&blockRead](qint64 got) { return !blockRead || blockRead(got); });
}

QString fileSha1(const QString &path, qint64 blockSize, const std::function<bool()> &beforeBlock)
{
    return hashBlocks(path, blockSize, [&beforeBlock](qint64) { return !beforeBlock || beforeBlock(); });
}
