#include "patch/sevenzipextractor.h"

#include "app/logger.h"
#include "app/saturating.h"
#include "patch/safepath.h"
#include "patch/sevenzipreader.h"

#include <QDir>
#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

using DiskWriter = std::unique_ptr<archive, decltype(&archive_write_free)>;

// Never ARCHIVE_EXTRACT_PERM (archives without Unix attributes would come out world-writable) nor
// ARCHIVE_EXTRACT_UNLINK; names are checked before anything is written instead.
DiskWriter openDiskWriter()
{
    DiskWriter disk(archive_write_disk_new(), &archive_write_free);
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_TIME);
    return disk;
}

QString itemName(archive_entry *entry)
{
    return QString::fromUtf8(archive_entry_pathname_utf8(entry));
}

// Some 7z writers store a file's permission bits without its type bits; other unpackers take such
// an item for a plain file, and so do we when nothing marks it as a link or a folder.
void completeFileType(archive_entry *entry)
{
    if (archive_entry_filetype(entry) == 0 && !archive_entry_hardlink(entry) &&
        !archive_entry_symlink(entry) && !itemName(entry).endsWith(QLatin1Char('/')))
        archive_entry_set_filetype(entry, AE_IFREG);
}

QString diskError(archive *disk)
{
    const char *text = archive_error_string(disk);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("cannot write");
}

} // namespace

SevenZipExtractor::SevenZipExtractor(const QString &archivePath, const QString &destination,
                                     ISevenZipCallback *callback)
    : m_archivePath(archivePath), m_destination(QDir(destination).absolutePath()), m_callback(callback)
{}

bool SevenZipExtractor::run()
{
    if (!survey())
        return false;
    report();
    const bool extracted = extractAll();
    // Closed by now: an item cut off by a stop or a damaged block must not pass for a whole file.
    if (!extracted && !m_openItem.isEmpty() && QFile::remove(m_openItem))
        Logger::instance().info(QStringLiteral("7z extract removed the unfinished item: ") + m_openItem);
    return extracted;
}

bool SevenZipExtractor::survey()
{
    SevenZipReader reader;
    if (!reader.open(m_archivePath))
        return fail(QString(), reader.errorText());
    while (archive_entry *entry = reader.next()) {
        if (!admits(entry))
            return false;
        if (archive_entry_filetype(entry) == AE_IFREG)
            m_total = saturatingAdd(m_total, qMax<qint64>(archive_entry_size(entry), 0));
    }
    return !reader.failed() || fail(QString(), reader.errorText());
}

// Only plain files and folders whose names stay inside the destination.
bool SevenZipExtractor::admits(archive_entry *entry)
{
    const QString name = itemName(entry);
    if (!staysInside(name))
        return fail(name, QStringLiteral("the name leads out of the destination"));
    completeFileType(entry);
    const bool fileOrFolder =
        archive_entry_filetype(entry) == AE_IFREG || archive_entry_filetype(entry) == AE_IFDIR;
    if (!fileOrFolder || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
        return fail(name, QStringLiteral("the item is neither a file nor a folder"));
    if (archive_entry_is_encrypted(entry))
        return fail(name, QStringLiteral("the item is encrypted"));
    return true;
}

bool SevenZipExtractor::extractAll()
{
    SevenZipReader reader;
    if (!reader.open(m_archivePath))
        return fail(QString(), reader.errorText());
    const DiskWriter disk = openDiskWriter();
    m_openItem.clear();
    while (archive_entry *entry = reader.next()) {
        if (stopRequested())
            return fail(itemName(entry), QStringLiteral("stopped"));
        if (!extractItem(reader, disk.get(), entry))
            return false;
    }
    if (reader.failed())
        return fail(QString(), reader.errorText());
    if (archive_write_close(disk.get()) != ARCHIVE_OK)
        return fail(QString(), diskError(disk.get()));
    return true;
}

bool SevenZipExtractor::extractItem(SevenZipReader &reader, archive *disk, archive_entry *entry)
{
    const QString name = itemName(entry);
    if (!admits(entry))
        return false;
    const QByteArray path = (m_destination + QLatin1Char('/') + name).toUtf8();
    if (!archive_entry_update_pathname_utf8(entry, path.constData()))
        return fail(name, QStringLiteral("the name cannot be written here"));
    const bool file = archive_entry_filetype(entry) == AE_IFREG;
    if (file)
        m_openItem = QString::fromUtf8(path);
    if (archive_write_header(disk, entry) != ARCHIVE_OK)
        return fail(name, diskError(disk));
    if (file && !copyData(reader, disk, name))
        return false;
    if (archive_write_finish_entry(disk) != ARCHIVE_OK)
        return fail(name, diskError(disk));
    m_openItem.clear();
    return true;
}

bool SevenZipExtractor::copyData(SevenZipReader &reader, archive *disk, const QString &name)
{
    const void *data = nullptr;
    size_t size = 0;
    qint64 offset = 0;
    while (reader.readBlock(data, size, offset)) {
        if (stopRequested())
            return fail(name, QStringLiteral("stopped"));
        if (archive_write_data_block(disk, data, size, offset) != ARCHIVE_OK)
            return fail(name, diskError(disk));
        m_completed = saturatingAdd(m_completed, qint64(size));
        report();
    }
    return !reader.failed() || fail(name, reader.errorText());
}

bool SevenZipExtractor::fail(const QString &name, const QString &reason)
{
    Logger::instance().crit(QStringLiteral("7z extract failed: ") + m_archivePath +
                            (name.isEmpty() ? QString() : QStringLiteral(" item: ") + name) +
                            QStringLiteral(" error: ") + reason);
    return false;
}

bool SevenZipExtractor::stopRequested() const
{
    return m_callback && m_callback->stopRequested();
}

void SevenZipExtractor::report()
{
    if (m_callback)
        m_callback->progress(m_total, m_completed);
}
