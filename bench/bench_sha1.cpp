// fileSha1 against `openssl sha1` on the same 1 GiB file in a temporary folder (TMPDIR), warm, best of three.

#include "bench/patchbench.h"
#include "patch/filesha1.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 FileSize = 1024LL * 1024 * 1024;

bool writeTestFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(4 * 1024 * 1024, '\0');
    QRandomGenerator random(1);
    for (qint64 written = 0; written < FileSize; written += block.size()) {
        random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("one-gib.bin"));
    if (!work.isValid() || !writeTestFile(path)) {
        std::fprintf(stderr, "cannot write the 1 GiB test file\n");
        return 1;
    }
    QString ours;
    const double oursSeconds = bestOf(3, [&] {
        return timeWork([&] {
            ours = fileSha1(path);
            return !ours.isEmpty();
        });
    });
    QString theirs;
    const double opensslSeconds = bestOf(3, [&] {
        QProcess openssl;
        QElapsedTimer timer;
        timer.start();
        openssl.start(QStringLiteral("openssl"), {QStringLiteral("sha1"), QStringLiteral("-r"), path});
        if (!openssl.waitForFinished(-1) || openssl.exitCode() != 0)
            return -1.0;
        const double seconds = timer.nsecsElapsed() / 1e9;
        theirs = QString::fromLatin1(openssl.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
        return seconds;
    });
    if (oursSeconds < 0 || opensslSeconds < 0)
        return 1;
    std::printf("SHA-1 of 1 GiB, warm: digests %s\n", ours == theirs ? "agree" : "DIFFER");
    std::printf("  openssl sha1   %7.3f s  %7.0f MiB/s\n", opensslSeconds,
                mibPerSecond(FileSize, opensslSeconds));
    std::printf("  fileSha1       %7.3f s  %7.0f MiB/s  throughput ratio %.2f (goal 0.9 or above)\n",
                oursSeconds, mibPerSecond(FileSize, oursSeconds), opensslSeconds / oursSeconds);
    return ours == theirs ? 0 : 1;
}
