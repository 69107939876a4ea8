#pragma once

#include "patch/isevenzipcallback.h"

#include <QString>

struct archive;
struct archive_entry;
class SevenZipReader;

// One unpacking of a 7z archive: a first pass over the item headers refuses what must not be
// written and sums the bytes for progress, a second pass writes the items.
class SevenZipExtractor
{
public:
    SevenZipExtractor(const QString &archivePath, const QString &destination, ISevenZipCallback *callback);

    bool run();
    // The first pass alone: refuses what must not be written and sums the files' bytes.
    bool survey();
    qint64 total() const { return m_total; }

private:
    bool admits(archive_entry *entry);
    bool extractAll();
    bool extractItem(SevenZipReader &reader, archive *disk, archive_entry *entry);
    bool copyData(SevenZipReader &reader, archive *disk, const QString &name);
    bool fail(const QString &name, const QString &reason);
    void report();
    bool stopRequested() const;

    QString m_archivePath;
    QString m_destination;
    ISevenZipCallback *m_callback;
    qint64 m_total = 0;
    qint64 m_completed = 0;
    // The file being written, until it is whole.
    QString m_openItem;
};
