#include "patch/sevenzipreader.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

namespace {

constexpr size_t ReadBlockSize = 1024 * 1024;

} // namespace

SevenZipReader::SevenZipReader() : m_archive(archive_read_new())
{
    archive_read_support_format_7zip(m_archive);
}

SevenZipReader::~SevenZipReader()
{
    archive_read_free(m_archive);
}

bool SevenZipReader::open(const QString &path)
{
    m_failed = archive_read_open_filename(m_archive, QFile::encodeName(path).constData(), ReadBlockSize) !=
               ARCHIVE_OK;
    return !m_failed;
}

archive_entry *SevenZipReader::next()
{
    archive_entry *entry = nullptr;
    const int result = archive_read_next_header(m_archive, &entry);
    m_failed = result != ARCHIVE_OK && result != ARCHIVE_EOF;
    return result == ARCHIVE_OK ? entry : nullptr;
}

// A damaged block shows up only as a warning, after its bytes were handed out: anything but a
// clean block or the item's end is a failure.
bool SevenZipReader::readBlock(const void *&data, size_t &size, qint64 &offset)
{
    la_int64_t blockOffset = 0;
    const int result = archive_read_data_block(m_archive, &data, &size, &blockOffset);
    offset = blockOffset;
    m_failed = result != ARCHIVE_OK && result != ARCHIVE_EOF;
    return result == ARCHIVE_OK;
}

// The library gives no text at all for a truncated archive.
QString SevenZipReader::errorText() const
{
    const char *text = archive_error_string(m_archive);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("the archive is truncated or damaged");
}
