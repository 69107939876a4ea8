#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// What every benchmark needs to compare one of our paths with a reference tool fairly on a shared
// machine: the two sides are run in turns, pair after pair, so that a burst of load elsewhere hits
// both, and the medians are compared rather than single runs.
namespace benchkit {

// One timed run in seconds; a negative value marks a failed run.
using TimedRun = std::function<double()>;

double median(QList<double> values);

struct Comparison
{
    QList<double> measured;
    QList<double> anchor;
    bool failed = false;

    double measuredMedian() const { return median(measured); }
    double anchorMedian() const { return median(anchor); }
    // measured / anchor of the medians: below 1 means our side is faster.
    double ratio() const;
};

// Runs pairs of (measured, anchor), swapping which goes first from one pair to the next. Stops at
// the first failed run and marks the comparison failed.
Comparison compareInterleaved(int pairs, const TimedRun &measured, const TimedRun &anchor);

// Prints the medians of both sides, their ratio and the goal, e.g.
//   "HTTP path   12.31 s   anchor curl -o + 7zz x   11.02 s   ratio 1.12 (goal <= 1.2)".
void printComparison(const QString &what, const QString &anchorName, const Comparison &comparison,
                     const QString &goal);

// Seconds taken by a program run (in workingFolder when one is given), or -1 when it fails; its
// error output goes to ours.
double timeProgram(const QString &program, const QStringList &arguments,
                   const QString &workingFolder = QString());
// Seconds taken by work, or -1 when it returns false.
double timeWork(const std::function<bool()> &work);
double mibPerSecond(qint64 bytes, double seconds);

// The reference test data: GD7_TEST_DATA, else the shared folder beside the sources.
QString testDataFolder();

// Memory of this process in KiB from /proc/self/status ("VmRSS", "VmHWM"); -1 when unreadable.
qint64 memoryKiB(const char *field);
// Starts a new peak for "VmHWM" of this process.
void resetPeakResident();
// The largest peak resident memory of any child process waited for so far, in KiB.
qint64 childrenPeakKiB();

} // namespace benchkit
