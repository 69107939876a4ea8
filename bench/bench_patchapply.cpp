// The patch applier against cp of the new file, on the big_64m and huge_512m reference vectors, with
// the applier's peak memory. The vectors' old and new files are rebuilt by gen_cases.py in a temporary
// folder (TMPDIR); all runs are warm (files in the page cache), in turns with cp, 5 pairs, medians.

#include "bench/benchkit.h"
#include "patch/filesha1.h"
#include "patch/jdiff.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int Pairs = 5;

long peakMemoryKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Child mode: one application in a fresh process, so that its peak memory is the applier's alone.
int applyOnce(const QStringList &arguments)
{
    const long before = peakMemoryKib();
    QElapsedTimer timer;
    timer.start();
    const int result = jdiff::applyPatchFile(arguments.at(0), arguments.at(1), arguments.at(2), nullptr);
    std::printf("%d %.6f %ld %ld\n", result, timer.nsecsElapsed() / 1e9, before, peakMemoryKib());
    return result;
}

struct Application
{
    double seconds = -1;
    long peakBeforeKib = 0;
    long peakKib = 0;
};

Application applyInChild(const QString &oldFile, const QString &patch, const QString &output)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--apply"), oldFile, patch, output});
    Application application;
    if (!child.waitForFinished(-1))
        return application;
    const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
    if (figures.size() == 4 && figures.at(0) == QLatin1String("0")) {
        application.seconds = figures.at(1).toDouble();
        application.peakBeforeKib = figures.at(2).toLong();
        application.peakKib = figures.at(3).toLong();
    }
    return application;
}

QString expectedNewDigest(const QString &vector)
{
    QFile sums(vector + QStringLiteral("/SHA1SUMS"));
    sums.open(QIODevice::ReadOnly);
    const QRegularExpression line(QStringLiteral("^([0-9a-f]{40})  new$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(sums.readAll())).captured(1);
}

bool benchmarkCase(const QString &name, const QString &vectors, const QString &work)
{
    std::printf("%s: rebuilding old and new with gen_cases.py ...\n", qPrintable(name));
    std::fflush(stdout);
    if (benchkit::timeProgram(QStringLiteral("python3"),
                              {vectors + QStringLiteral("/gen_cases.py"), work, name}) < 0)
        return false;
    const QString folder = work + QLatin1Char('/') + name;
    const QString oldFile = folder + QStringLiteral("/old");
    const QString newFile = folder + QStringLiteral("/new");
    const QString patch = vectors + QLatin1Char('/') + name + QStringLiteral("/patch");
    const QString output = folder + QStringLiteral("/applied");
    const QString copy = folder + QStringLiteral("/copied");
    const auto removeOutputs = [&] {
        QFile::remove(output);
        QFile::remove(copy);
    };

    Application peaks;
    const benchkit::Comparison comparison = benchkit::compareInterleaved(
        Pairs,
        [&] {
            removeOutputs();
            const Application application = applyInChild(oldFile, patch, output);
            peaks.peakBeforeKib = std::max(peaks.peakBeforeKib, application.peakBeforeKib);
            peaks.peakKib = std::max(peaks.peakKib, application.peakKib);
            return application.seconds;
        },
        [&] {
            removeOutputs();
            return benchkit::timeProgram(QStringLiteral("cp"), {newFile, copy});
        });
    if (comparison.failed)
        return false;
    const bool identical = fileSha1(output) == expectedNewDigest(vectors + QLatin1Char('/') + name);
    const qint64 size = QFileInfo(newFile).size();
    std::printf("%s: new file %.1f MiB, patch %lld bytes, output %s\n", qPrintable(name), size / 1048576.0,
                QFileInfo(patch).size(), identical ? "identical to the new file" : "WRONG");
    benchkit::printComparison(QStringLiteral("applyPatchFile"), QStringLiteral("cp of the new file"),
                              comparison, QStringLiteral("goal <= 1.0"));
    std::printf("  applyPatchFile %.0f MiB/s, cp %.0f MiB/s\n",
                benchkit::mibPerSecond(size, comparison.measuredMedian()),
                benchkit::mibPerSecond(size, comparison.anchorMedian()));
    std::printf("  peak memory          %8.1f MiB (process before applying: %.1f MiB; goal under 32 MiB)\n",
                peaks.peakKib / 1024.0, peaks.peakBeforeKib / 1024.0);
    removeOutputs();
    QFile::remove(oldFile);
    QFile::remove(newFile);
    return identical;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 4 && arguments.at(0) == QLatin1String("--apply"))
        return applyOnce(arguments.mid(1));
    const QString vectors = benchkit::testDataFolder() + QStringLiteral("/jdiff");
    QTemporaryDir work;
    if (!work.isValid() || !QFile::exists(vectors + QStringLiteral("/gen_cases.py"))) {
        std::fprintf(stderr, "needs the reference vectors (GD7_TEST_DATA) and a temporary folder\n");
        return 1;
    }
    bool ok = true;
    for (const QString &name : {QStringLiteral("big_64m"), QStringLiteral("huge_512m")})
        ok = benchmarkCase(name, vectors, work.path()) && ok;
    return ok ? 0 : 1;
}
