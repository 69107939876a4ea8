// `gd7-publish full` (archive, torrents, file list, recovery tree and torrent) against
// `7zz a -mx=5 -mmt=2` of the same generated build: half random, half text, 300 MiB unless a size
// in MiB is given, in a temporary folder (TMPDIR). Run in turns, 5 pairs, medians; then the release
// is checked with `gd7-publish verify`.

#include "bench/benchdata.h"
#include "bench/benchkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Pairs = 5;
const QString Publisher = QStringLiteral(GD7_PUBLISH_EXE);

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 mib = app.arguments().value(1, QStringLiteral("300")).toLongLong();
    QTemporaryDir work;
    if (!work.isValid() || mib <= 0) {
        std::fprintf(stderr, "usage: bench_publish [MiB]; needs a temporary folder\n");
        return 1;
    }
    const QString build = work.filePath(QStringLiteral("build"));
    const QString release = work.filePath(QStringLiteral("release"));
    const QString anchorArchive = work.filePath(QStringLiteral("anchor.7z"));
    std::printf("writing a %lld MiB build ...\n", mib);
    std::fflush(stdout);
    const qint64 size = benchkit::writeMixedContent(build, mib * 1024 * 1024);
    if (size < 0)
        return 1;

    const benchkit::Comparison comparison = benchkit::compareInterleaved(
        Pairs,
        [&] {
            QDir(release).removeRecursively();
            return benchkit::timeProgram(
                Publisher, {QStringLiteral("full"), QStringLiteral("--version=1.0.0"),
                            QStringLiteral("--base-url=http://127.0.0.1/bench"), build, release});
        },
        [&] {
            QFile::remove(anchorArchive);
            return benchkit::timeProgram(QStringLiteral("7zz"),
                                         {QStringLiteral("a"), QStringLiteral("-bd"), QStringLiteral("-mx=5"),
                                          QStringLiteral("-mmt=2"), QStringLiteral("--"), anchorArchive,
                                          QStringLiteral(".")},
                                         build);
        });
    std::printf("build %.1f MiB; archive of gd7-publish %.1f MiB, of 7zz %.1f MiB\n", size / 1048576.0,
                QFileInfo(release + QStringLiteral("/gd7_1.0.0.7z")).size() / 1048576.0,
                QFileInfo(anchorArchive).size() / 1048576.0);
    benchkit::printComparison(QStringLiteral("gd7-publish full"), QStringLiteral("7zz a -mx=5 -mmt=2"),
                              comparison, QStringLiteral("goal <= 1.0"));
    std::printf("peak resident memory of a child process: %.1f MiB\n", benchkit::childrenPeakKiB() / 1024.0);
    const bool verified =
        !comparison.failed &&
        benchkit::timeProgram(Publisher, {QStringLiteral("verify"), release, QStringLiteral("--build"),
                                          QStringLiteral("1.0.0=") + build}) >= 0;
    std::printf("gd7-publish verify: %s\n", verified ? "release is sound" : "FAILED");
    return verified ? 0 : 1;
}
