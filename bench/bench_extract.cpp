// sevenZipExtract against `7zz x -mmt=1` on two archives made by 7zz in a temporary folder (TMPDIR):
// 300 MiB of half random, half text-like data in LZMA2, and about 128 MiB of the system's shared
// libraries with BCJ2; then against `7zz x` on all its threads on 300 MiB packed as gd7-publish
// packs a release (solid blocks of 16 MiB, which the launcher unpacks on several threads). Warm,
// run in turns, 5 pairs, medians; the output folder is emptied before every run.

#include "bench/benchdata.h"
#include "bench/benchkit.h"
#include "patch/sevenzip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr int Pairs = 5;

// Shared libraries of this system, in name order, up to 128 MiB.
qint64 makeProgramContent(const QString &folder)
{
    QDir().mkpath(folder);
    QDir libraries(QStringLiteral("/usr/lib/x86_64-linux-gnu"));
    qint64 total = 0;
    for (const QFileInfo &library :
         libraries.entryInfoList({QStringLiteral("*.so*")}, QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        if (library.size() < 64 * 1024 || total + library.size() > 128 * MiB)
            continue;
        if (!QFile::copy(library.filePath(), folder + QLatin1Char('/') + library.fileName()))
            return -1;
        total += library.size();
    }
    return total;
}

bool benchmarkArchive(const QString &title, const QString &work, const QString &content, qint64 contentSize,
                      const QStringList &switches, const QString &anchorThreads = QStringLiteral("-mmt=1"))
{
    const QString anchor = QStringLiteral("7zz x ") + anchorThreads;
    const QString archive = work + QLatin1Char('/') + QFileInfo(content).fileName() + QStringLiteral(".7z");
    std::printf("%s: packing with 7zz ...\n", qPrintable(title));
    std::fflush(stdout);
    if (contentSize <= 0 ||
        benchkit::timeProgram(QStringLiteral("7zz"),
                              QStringList{QStringLiteral("a"), QStringLiteral("-bd"), archive} + switches +
                                  QStringList{content + QStringLiteral("/*")}) < 0)
        return false;
    QDir(content).removeRecursively();
    const QString output = work + QStringLiteral("/out");
    const benchkit::Comparison comparison = benchkit::compareInterleaved(
        Pairs,
        [&] {
            QDir(output).removeRecursively();
            return benchkit::timeWork([&] { return sevenZipExtract(archive, output, nullptr); });
        },
        [&] {
            QDir(output).removeRecursively();
            return benchkit::timeProgram(QStringLiteral("7zz"),
                                         {QStringLiteral("x"), QStringLiteral("-bd"), QStringLiteral("-y"),
                                          anchorThreads, QStringLiteral("-o") + output, archive});
        });
    QDir(output).removeRecursively();
    std::printf("%s: archive %.1f MiB, content %.1f MiB\n", qPrintable(title),
                QFileInfo(archive).size() / 1048576.0, contentSize / 1048576.0);
    benchkit::printComparison(QStringLiteral("sevenZipExtract"), anchor, comparison,
                              QStringLiteral("goal <= 1.1"));
    if (comparison.failed)
        return false;
    std::printf("  sevenZipExtract %.1f MiB/s, %s %.1f MiB/s\n",
                benchkit::mibPerSecond(contentSize, comparison.measuredMedian()), qPrintable(anchor),
                benchkit::mibPerSecond(contentSize, comparison.anchorMedian()));
    QFile::remove(archive);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    const QString mixed = work.filePath(QStringLiteral("mixed"));
    const QString programs = work.filePath(QStringLiteral("programs"));
    const bool ok =
        benchmarkArchive(QStringLiteral("300 MiB half random, half text, LZMA2"), work.path(), mixed,
                         benchkit::writeMixedContent(mixed, 300 * MiB),
                         {QStringLiteral("-m0=LZMA2"), QStringLiteral("-mx=3")}) &&
        benchmarkArchive(QStringLiteral("shared libraries, BCJ2"), work.path(), programs,
                         makeProgramContent(programs),
                         {QStringLiteral("-mf=BCJ2"), QStringLiteral("-m0=LZMA"), QStringLiteral("-mx=3")}) &&
        benchmarkArchive(QStringLiteral("300 MiB packed as gd7-publish does, blocks of 16 MiB"), work.path(),
                         mixed, benchkit::writeMixedContent(mixed, 300 * MiB),
                         {QStringLiteral("-m0=LZMA2:c=8m"), QStringLiteral("-mx=5"),
                          QStringLiteral("-ms=16m"), QStringLiteral("-mf=off")},
                         QStringLiteral("-mmt=on"));
    return ok ? 0 : 1;
}
