#include "patch/filesha1.h"

#include "patch/sha1hasher.h"

#include <QFile>

#include <memory>

namespace {

constexpr qint64 BlockSize = 256 * 1024;

} // namespace

QString fileSha1(const QString &path, const std::function<void(qint64)> &blockRead)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QString();
    const std::unique_ptr<char[]> block(new char[BlockSize]);
    Sha1Hasher hasher;
    for (;;) {
        const qint64 got = file.read(block.get(), BlockSize);
        if (got < 0)
            return QString();
        if (got == 0)
            return hasher.hexDigest();
        hasher.addData(block.get(), got);
        if (blockRead)
            blockRead(got);
    }
}
