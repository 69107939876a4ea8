#include "patch/sevenzipextractor.h"

#include "app/logger.h"
#include "patch/safepath.h"
#include "patch/sevenzipreader.h"

#include <QDir>

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
    return extractAll();
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
            m_total += archive_entry_size(entry);
    }
    return !reader.failed() || fail(QString(), reader.errorText());
}

// Only plain files and folders whose names stay inside the destination.
bool SevenZipExtractor::admits(archive_entry *entry)
{
    const QString name = itemName(entry);
    if (!staysInside(name))
        return fail(name, QStringLiteral("the name leads out of the destination"));
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
    while (archive_entry *entry = reader.next()) {
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
    if (archive_write_header(disk, entry) != ARCHIVE_OK)
        return fail(name, diskError(disk));
    if (archive_entry_filetype(entry) == AE_IFREG && !copyData(reader, disk, name))
        return false;
    if (archive_write_finish_entry(disk) != ARCHIVE_OK)
        return fail(name, diskError(disk));
    return true;
}

bool SevenZipExtractor::copyData(SevenZipReader &reader, archive *disk, const QString &name)
{
    const void *data = nullptr;
    size_t size = 0;
    qint64 offset = 0;
    while (reader.readBlock(data, size, offset)) {
        if (archive_write_data_block(disk, data, size, offset) != ARCHIVE_OK)
            return fail(name, diskError(disk));
        m_completed += qint64(size);
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

void SevenZipExtractor::report()
{
    if (m_callback)
        m_callback->progress(m_total, m_completed);
}
