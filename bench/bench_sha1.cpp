// fileSha1 against `openssl sha1` on the same 1 GiB file in a temporary folder (TMPDIR), warm, run
// in turns, 5 pairs, medians.

#include "bench/benchkit.h"
#include "patch/filesha1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 FileSize = 1024LL * 1024 * 1024;
constexpr int Pairs = 5;

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

// Seconds, or -1; digest gets what openssl printed.
double timeOpenssl(const QString &path, QString &digest)
{
    QProcess openssl;
    QElapsedTimer timer;
    timer.start();
    openssl.start(QStringLiteral("openssl"), {QStringLiteral("sha1"), QStringLiteral("-r"), path});
    if (!openssl.waitForFinished(-1) || openssl.exitCode() != 0)
        return -1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    digest = QString::fromLatin1(openssl.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
    return seconds;
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
    QString theirs;
    benchkit::resetPeakResident();
    const benchkit::Comparison comparison = benchkit::compareInterleaved(
        Pairs,
        [&] {
            return benchkit::timeWork([&] {
                ours = fileSha1(path);
                return !ours.isEmpty();
            });
        },
        [&] { return timeOpenssl(path, theirs); });
    std::printf("SHA-1 of 1 GiB, warm: digests %s\n", ours == theirs ? "agree" : "DIFFER");
    benchkit::printComparison(QStringLiteral("fileSha1"), QStringLiteral("openssl sha1"), comparison,
                              QStringLiteral("goal <= 1.11, 0.9 of openssl's speed"));
    if (comparison.failed)
        return 1;
    std::printf("  fileSha1 %.0f MiB/s, openssl sha1 %.0f MiB/s; peak resident memory %.1f MiB\n",
                benchkit::mibPerSecond(FileSize, comparison.measuredMedian()),
                benchkit::mibPerSecond(FileSize, comparison.anchorMedian()),
                benchkit::memoryKiB("VmHWM") / 1024.0);
    return ours == theirs ? 0 : 1;
}
