#include "benchkit.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace benchkit {

double median(QList<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

double Comparison::ratio() const
{
    const double reference = anchorMedian();
    return failed || reference <= 0 ? -1 : measuredMedian() / reference;
}

Comparison compareInterleaved(int pairs, const TimedRun &measured, const TimedRun &anchor)
{
    Comparison comparison;
    auto run = [&comparison](const TimedRun &side, QList<double> &into) {
        // Each run starts with the disk quiet: the writeback of the run before it (hundreds of MiB
        // written, then deleted) would otherwise land on whichever side comes next.
        ::sync();
        const double seconds = side();
        if (seconds < 0)
            comparison.failed = true;
        else
            into.append(seconds);
    };
    for (int pair = 0; pair < pairs && !comparison.failed; ++pair) {
        if (pair % 2 == 0) {
            run(measured, comparison.measured);
            if (!comparison.failed)
                run(anchor, comparison.anchor);
        } else {
            run(anchor, comparison.anchor);
            if (!comparison.failed)
                run(measured, comparison.measured);
        }
        std::printf("  pair %d: %.2f s against %.2f s\n", pair + 1, comparison.measured.value(pair, -1),
                    comparison.anchor.value(pair, -1));
        std::fflush(stdout);
    }
    return comparison;
}

void printComparison(const QString &what, const QString &anchorName, const Comparison &comparison,
                     const QString &goal)
{
    if (comparison.failed) {
        std::printf("%-36s FAILED\n", qPrintable(what));
        return;
    }
    std::printf("%-36s %8.2f s   %s %8.2f s   ratio %.2f (%s; medians of %d pairs)\n", qPrintable(what),
                comparison.measuredMedian(), qPrintable(anchorName), comparison.anchorMedian(),
                comparison.ratio(), qPrintable(goal), int(comparison.measured.size()));
    std::fflush(stdout);
}

double timeProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n",
                     qPrintable(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '))));
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

double timeWork(const std::function<bool()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const bool ok = work();
    return ok ? timer.nsecsElapsed() / 1e9 : -1;
}

double mibPerSecond(qint64 bytes, double seconds)
{
    return bytes / 1048576.0 / seconds;
}

QString testDataFolder()
{
    const QString folder = qEnvironmentVariable("GD7_TEST_DATA");
    return folder.isEmpty() ? QStringLiteral(GD7_DEFAULT_TEST_DATA) : folder;
}

qint64 memoryKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

qint64 childrenPeakKiB()
{
    rusage usage{};
    return getrusage(RUSAGE_CHILDREN, &usage) == 0 ? qint64(usage.ru_maxrss) : -1;
}

} // namespace benchkit
