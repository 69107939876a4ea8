#include "patch/sevenzippacker.h"

#include "app/logger.h"
#include "patch/archivenames.h"
#include "patch/replacefile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryFile>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <memory>

namespace {

constexpr qint64 ReadBlockSize = 1024 * 1024;

using ArchiveWriter = std::unique_ptr<archive, decltype(&archive_write_free)>;
using Entry = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

QString writerError(archive *writer)
{
    const char *text = archive_error_string(writer);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("cannot write the archive");
}

} // namespace

SevenZipPacker::SevenZipPacker(const QString &archivePath, const QString &sourceFolder,
                               const QString &workingFolder, ISevenZipCallback *callback)
    : m_archivePath(archivePath), m_sourceFolder(QDir(sourceFolder).absolutePath()),
      m_workingFolder(workingFolder), m_callback(callback)
{}

bool SevenZipPacker::run()
{
    if (!QFileInfo(m_sourceFolder).isDir())
        return fail(QStringLiteral("no source folder ") + m_sourceFolder);
    collectItems();
    QTemporaryFile staged(QDir(m_workingFolder).filePath(QStringLiteral("gd7pack-XXXXXX.7z")));
    if (!staged.open())
        return fail(QStringLiteral("cannot create a temporary file in ") + m_workingFolder);
    report();
    if (!writeArchive(staged.handle()))
        return false;
    staged.close();
    if (!replaceFile(staged.fileName(), m_archivePath))
        return fail(QStringLiteral("cannot move ") + staged.fileName() + QStringLiteral(" into place"));
    return true;
}

// Files and folders only, parents before children, in a stable order.
void SevenZipPacker::collectItems()
{
    QDirIterator it(m_sourceFolder,
                    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        m_items.append(it.fileInfo());
        if (it.fileInfo().isFile())
            m_total += it.fileInfo().size();
    }
    std::sort(m_items.begin(), m_items.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.filePath() < b.filePath(); });
}

bool SevenZipPacker::writeArchive(int fileDescriptor)
{
    const ArchiveWriter writer(archive_write_new(), &archive_write_free);
    // The writer's own default is LZMA1.
    if (archive_write_set_format_7zip(writer.get()) != ARCHIVE_OK ||
        archive_write_set_format_option(writer.get(), "7zip", "compression", "lzma2") != ARCHIVE_OK ||
        archive_write_open_fd(writer.get(), fileDescriptor) != ARCHIVE_OK)
        return fail(writerError(writer.get()));
    for (const QFileInfo &item : qAsConst(m_items)) {
        if (!writeItem(writer.get(), item))
            return false;
    }
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        return fail(writerError(writer.get()));
    return true;
}

bool SevenZipPacker::writeItem(archive *writer, const QFileInfo &item)
{
    // One file that cannot be read (gone since the listing, or locked) must not cost the whole
    // archive: it is left out and said so.
    QFile file(item.filePath());
    if (!item.isDir() && !file.open(QIODevice::ReadOnly)) {
        Logger::instance().crit(QStringLiteral("7z pack left out an unreadable item: ") + item.filePath());
        m_total -= item.size();
        return true;
    }
    const Entry entry(archive_entry_new(), &archive_entry_free);
    const QString name = QDir(m_sourceFolder).relativeFilePath(item.filePath());
    if (!setArchiveEntryName(entry.get(), name))
        return fail(name + QStringLiteral(": the name cannot be stored"));
    archive_entry_set_filetype(entry.get(), item.isDir() ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(entry.get(), item.isDir() ? 0755 : 0644);
    archive_entry_set_size(entry.get(), item.isDir() ? 0 : item.size());
    archive_entry_set_mtime(entry.get(), item.lastModified().toSecsSinceEpoch(), 0);
    if (archive_write_header(writer, entry.get()) != ARCHIVE_OK)
        return fail(name + QStringLiteral(": ") + writerError(writer));
    return item.isDir() || writeData(writer, file, item);
}

bool SevenZipPacker::writeData(archive *writer, QFile &file, const QFileInfo &item)
{
    const std::unique_ptr<char[]> block(new char[ReadBlockSize]);
    qint64 got = 0;
    while ((got = file.read(block.get(), ReadBlockSize)) > 0) {
        if (archive_write_data(writer, block.get(), size_t(got)) != got)
            return fail(item.filePath() + QStringLiteral(": ") + writerError(writer));
        m_completed += got;
        report();
    }
    return got == 0 || fail(QStringLiteral("cannot read ") + item.filePath());
}

bool SevenZipPacker::fail(const QString &reason)
{
    Logger::instance().crit(QStringLiteral("7z pack failed: ") + m_archivePath + QStringLiteral(" error: ") +
                            reason);
    return false;
}

void SevenZipPacker::report()
{
    if (m_callback)
        m_callback->progress(m_total, m_completed);
}
