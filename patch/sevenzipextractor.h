#pragma once

#include "app/failurereason.h"
#include "patch/isevenzipcallback.h"

#include <QMutex>
#include <QString>
#include <QVector>

#include <atomic>

struct archive;
struct archive_entry;
class SevenZipReader;

// One unpacking of a 7z archive: a first pass over the item headers refuses what must not be
// written and sums the bytes for progress, a second pass writes the items. An archive of several
// solid blocks is written by several threads, each taking whole blocks, while the caller's thread
// reports the progress and passes on a stop.
class SevenZipExtractor
{
public:
    SevenZipExtractor(const QString &archivePath, const QString &destination, ISevenZipCallback *callback);

    bool run();
    // The first pass alone: refuses what must not be written and sums the files' bytes.
    bool survey();
    qint64 total() const { return m_total; }
    // Why the run failed (the first failure when several threads failed).
    FailureReason failure() const;

private:
    // Items [first, end) in the archive's order, starting where a solid block starts.
    struct Span
    {
        int first = 0;
        int end = 0;
    };
    // What one thread writing spans keeps.
    struct Lane
    {
        // The caller's own thread reports progress and asks the callback about stops.
        bool onCallerThread = true;
        // The file being written, until it is whole.
        QString openItem;
    };

    bool admits(archive_entry *entry);
    QVector<Span> planSpans() const;
    bool extractOnCallerThread();
    bool extractInParallel(const QVector<Span> &spans);
    bool extractSpan(const Span &span, Lane &lane);
    bool extractItem(SevenZipReader &reader, archive *disk, archive_entry *entry, Lane &lane);
    bool copyData(SevenZipReader &reader, archive *disk, const QString &name, Lane &lane);
    void removeUnfinished(const Lane &lane);
    // Logs the failure, keeps the first reason; false.
    bool fail(const QString &name, const QString &text, const FailureReason &reason);
    // The archive's own fault: it cannot be read or holds what must not be written.
    bool failArchive(const QString &name, const QString &text);
    bool failDisk(const QString &name, archive *disk);
    bool failStopped(const QString &name);
    void report();
    bool stopRequested(const Lane &lane) const;

    QString m_archivePath;
    QString m_destination;
    ISevenZipCallback *m_callback;
    qint64 m_total = 0;
    // Each item's bytes, in the archive's order.
    QVector<qint64> m_itemBytes;
    std::atomic<qint64> m_completed{0};
    // Set by the caller's thread when the callback asks for a stop.
    std::atomic<bool> m_stop{false};
    // Set by a lane that failed: the others end without a word.
    std::atomic<bool> m_abandoned{false};
    mutable QMutex m_failureMutex;
    FailureReason m_failure;
};
