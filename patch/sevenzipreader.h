#pragma once

#include <QString>

struct archive;
struct archive_entry;

// A 7z archive read item by item. The format is forced: no other format is recognised.
class SevenZipReader
{
public:
    SevenZipReader();
    ~SevenZipReader();
    SevenZipReader(const SevenZipReader &) = delete;
    SevenZipReader &operator=(const SevenZipReader &) = delete;

    bool open(const QString &path);
    // The next item's header, or null at the end of the archive or on a failure (see failed()).
    archive_entry *next();
    bool failed() const { return m_failed; }
    // The next data block of the current item; false at its end or on a failure.
    bool readBlock(const void *&data, size_t &size, qint64 &offset);
    QString errorText() const;

private:
    archive *m_archive;
    bool m_failed = false;
};
