#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>

// Helpers of the patching benchmarks: timings are the best of a few warm runs.

inline QString testDataFolder()
{
    const QString folder = qEnvironmentVariable("GD7_TEST_DATA");
    return folder.isEmpty() ? QStringLiteral(GD7_DEFAULT_TEST_DATA) : folder;
}

// Seconds taken by a program run, or a negative number when it fails.
inline double timeProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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

// Seconds taken by work, or a negative number when it fails.
inline double timeWork(const std::function<bool()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const bool ok = work();
    return ok ? timer.nsecsElapsed() / 1e9 : -1;
}

// The best of runs timings; negative when any run failed. prepare runs untimed before each run.
inline double bestOf(int runs, const std::function<double()> &timed,
                     const std::function<void()> &prepare = {})
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const double seconds = timed();
        if (seconds < 0)
            return seconds;
        best = std::min(best, seconds);
    }
    return best;
}

inline double mibPerSecond(qint64 bytes, double seconds)
{
    return bytes / 1048576.0 / seconds;
}
