#include "patch/sevenzipextractor.h"

#include "app/logger.h"
#include "app/saturating.h"
#include "patch/archivenames.h"
#include "patch/safepath.h"
#include "patch/sevenzipfolders.h"
#include "patch/sevenzipreader.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QStorageInfo>
#include <QThread>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int MaxLanes = 4;
// Fewer bytes are not worth the threads.
constexpr qint64 MinParallelBytes = 4 * 1024 * 1024;
// Several spans per lane, so that a lane done early takes another instead of waiting.
constexpr int SpansPerLane = 4;
constexpr qint64 MinSpanBytes = 1024 * 1024;
constexpr std::chrono::milliseconds ReportInterval(20);

using DiskWriter = std::unique_ptr<archive, decltype(&archive_write_free)>;

// Never ARCHIVE_EXTRACT_PERM (archives without Unix attributes would come out world-writable) nor
// ARCHIVE_EXTRACT_UNLINK; names are checked before anything is written instead.
DiskWriter openDiskWriter()
{
    DiskWriter disk(archive_write_disk_new(), &archive_write_free);
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_TIME);
    return disk;
}

// Some 7z writers store a file's permission bits without its type bits; other unpackers take such
// an item for a plain file, and so do we when nothing marks it as a link or a folder.
void completeFileType(archive_entry *entry)
{
    if (archive_entry_filetype(entry) == 0 && !archive_entry_hardlink(entry) &&
        !archive_entry_symlink(entry) && !archiveEntryName(entry).endsWith(QLatin1Char('/')))
        archive_entry_set_filetype(entry, AE_IFREG);
}

QString diskError(archive *disk)
{
    const char *text = archive_error_string(disk);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("cannot write");
}

qint64 bytesFree(const QString &folder)
{
    return qMax<qint64>(QStorageInfo(folder).bytesAvailable(), 0);
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
    const QVector<Span> spans = planSpans();
    return spans.size() > 1 ? extractInParallel(spans) : extractOnCallerThread();
}

bool SevenZipExtractor::survey()
{
    SevenZipReader reader;
    if (!reader.open(m_archivePath))
        return failArchive(QString(), reader.errorText());
    while (archive_entry *entry = reader.next()) {
        if (!admits(entry))
            return false;
        const qint64 bytes =
            archive_entry_filetype(entry) == AE_IFREG ? qMax<qint64>(archive_entry_size(entry), 0) : 0;
        m_itemBytes.append(bytes);
        m_total = saturatingAdd(m_total, bytes);
    }
    return !reader.failed() || failArchive(QString(), reader.errorText());
}

// Only plain files and folders whose names stay inside the destination.
bool SevenZipExtractor::admits(archive_entry *entry)
{
    const QString name = archiveEntryName(entry);
    if (!staysInside(name))
        return failArchive(name, QStringLiteral("the name leads out of the destination"));
    completeFileType(entry);
    const bool fileOrFolder =
        archive_entry_filetype(entry) == AE_IFREG || archive_entry_filetype(entry) == AE_IFDIR;
    if (!fileOrFolder || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
        return failArchive(name, QStringLiteral("the item is neither a file nor a folder"));
    if (archive_entry_is_encrypted(entry))
        return failArchive(name, QStringLiteral("the item is encrypted"));
    return true;
}

// Spans of whole solid blocks, when the archive has several and the machine more than one core.
QVector<SevenZipExtractor::Span> SevenZipExtractor::planSpans() const
{
    const int items = m_itemBytes.size();
    const QVector<Span> whole{{0, items}};
    const int lanes = std::min(QThread::idealThreadCount(), MaxLanes);
    if (lanes < 2 || m_total < MinParallelBytes)
        return whole;
    const QVector<int> folders = SevenZipFolders::itemFolders(m_archivePath);
    if (folders.size() != items)
        return whole;
    const qint64 target = std::max(m_total / (lanes * SpansPerLane), MinSpanBytes);
    QVector<Span> spans{{0, 0}};
    qint64 spanBytes = 0;
    int lastFolder = -1;
    for (int i = 0; i < items; ++i) {
        const int folder = folders.at(i);
        if (folder >= 0 && lastFolder >= 0 && folder != lastFolder && spanBytes >= target) {
            spans.last().end = i;
            spans.append({i, i});
            spanBytes = 0;
        }
        lastFolder = folder >= 0 ? folder : lastFolder;
        spanBytes += m_itemBytes.at(i);
    }
    spans.last().end = items;
    return spans;
}

bool SevenZipExtractor::extractOnCallerThread()
{
    Lane lane;
    const bool extracted = extractSpan({0, m_itemBytes.size()}, lane);
    if (!extracted)
        removeUnfinished(lane);
    return extracted;
}

bool SevenZipExtractor::extractInParallel(const QVector<Span> &spans)
{
    const int lanes = std::min({QThread::idealThreadCount(), MaxLanes, spans.size()});
    std::atomic<int> nextSpan{0};
    std::atomic<int> running{lanes};
    auto work = [&] {
        const Utf8Ctype ctype;
        Lane lane;
        lane.onCallerThread = false;
        for (int i = nextSpan++; i < spans.size() && !m_abandoned.load(); i = nextSpan++) {
            if (!extractSpan(spans.at(i), lane)) {
                m_abandoned = true;
                removeUnfinished(lane);
            }
        }
        --running;
    };
    m_stop = m_callback && m_callback->stopRequested();
    Logger::instance().info(QStringLiteral("7z extract on %1 threads, %2 parts: %3")
                                .arg(lanes)
                                .arg(spans.size())
                                .arg(m_archivePath));
    std::vector<std::thread> threads;
    for (int i = 0; i < lanes; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error &) {
            // The lanes that did start take every part between them.
            running -= lanes - i;
            break;
        }
    }
    if (threads.empty())
        return extractOnCallerThread();
    while (running.load() > 0) {
        std::this_thread::sleep_for(ReportInterval);
        report();
        if (m_callback && m_callback->stopRequested())
            m_stop = true;
    }
    for (std::thread &thread : threads)
        thread.join();
    report();
    return !m_abandoned.load();
}

bool SevenZipExtractor::extractSpan(const Span &span, Lane &lane)
{
    SevenZipReader reader;
    if (!reader.open(m_archivePath))
        return failArchive(QString(), reader.errorText());
    const DiskWriter disk = openDiskWriter();
    lane.openItem.clear();
    // The items before the span are passed over unread: the archive library then seeks past
    // whole solid blocks instead of unpacking them.
    int index = 0;
    for (; index < span.end; ++index) {
        archive_entry *entry = reader.next();
        if (entry == nullptr)
            break;
        if (index < span.first)
            continue;
        if (m_abandoned.load())
            return false;
        if (stopRequested(lane))
            return failStopped(archiveEntryName(entry));
        if (!extractItem(reader, disk.get(), entry, lane))
            return false;
    }
    if (reader.failed())
        return failArchive(QString(), reader.errorText());
    if (index < span.end)
        return failArchive(QString(),
                           QStringLiteral("the archive has fewer items than its header walk found"));
    if (archive_write_close(disk.get()) != ARCHIVE_OK)
        return failDisk(QString(), disk.get());
    return true;
}

bool SevenZipExtractor::extractItem(SevenZipReader &reader, archive *disk, archive_entry *entry, Lane &lane)
{
    const QString name = archiveEntryName(entry);
    if (!admits(entry))
        return false;
    const QString path = m_destination + QLatin1Char('/') + name;
    if (!setArchiveEntryName(entry, path))
        return failArchive(name, QStringLiteral("the name cannot be written here"));
    const bool file = archive_entry_filetype(entry) == AE_IFREG;
    if (file)
        lane.openItem = path;
    if (archive_write_header(disk, entry) != ARCHIVE_OK)
        return failDisk(name, disk);
    if (file && !copyData(reader, disk, name, lane))
        return false;
    if (archive_write_finish_entry(disk) != ARCHIVE_OK)
        return failDisk(name, disk);
    lane.openItem.clear();
    return true;
}

bool SevenZipExtractor::copyData(SevenZipReader &reader, archive *disk, const QString &name, Lane &lane)
{
    const void *data = nullptr;
    size_t size = 0;
    qint64 offset = 0;
    while (reader.readBlock(data, size, offset)) {
        if (m_abandoned.load())
            return false;
        if (stopRequested(lane))
            return failStopped(name);
        if (archive_write_data_block(disk, data, size, offset) != ARCHIVE_OK)
            return failDisk(name, disk);
        m_completed += qint64(size);
        if (lane.onCallerThread)
            report();
    }
    return !reader.failed() || failArchive(name, reader.errorText());
}

// An item cut off by a stop or a damaged block must not pass for a whole file.
void SevenZipExtractor::removeUnfinished(const Lane &lane)
{
    if (!lane.openItem.isEmpty() && QFile::remove(lane.openItem))
        Logger::instance().info(QStringLiteral("7z extract removed the unfinished item: ") + lane.openItem);
}

bool SevenZipExtractor::fail(const QString &name, const QString &text, const FailureReason &reason)
{
    Logger::instance().crit(QStringLiteral("7z extract failed: ") + m_archivePath +
                            (name.isEmpty() ? QString() : QStringLiteral(" item: ") + name) +
                            QStringLiteral(" error: ") + text);
    QMutexLocker lock(&m_failureMutex);
    if (!m_failure.isFailure())
        m_failure = reason;
    return false;
}

bool SevenZipExtractor::failArchive(const QString &name, const QString &text)
{
    return fail(name, text, FailureReason::atPath(FailureReason::Kind::UnpackFailed, m_archivePath));
}

bool SevenZipExtractor::failDisk(const QString &name, archive *disk)
{
    const QString path = name.isEmpty() ? m_destination : m_destination + QLatin1Char('/') + name;
    switch (archive_errno(disk)) {
    case ENOSPC:
    case EDQUOT:
        return fail(name, diskError(disk),
                    FailureReason::diskFull(m_destination, -1, bytesFree(m_destination)));
    case EACCES:
    case EPERM:
    case EROFS:
        return fail(name, diskError(disk), FailureReason::notWritable(path));
    default:
        return fail(name, diskError(disk),
                    FailureReason::atPath(FailureReason::Kind::UnpackFailed, m_archivePath));
    }
}

bool SevenZipExtractor::failStopped(const QString &name)
{
    return fail(name, QStringLiteral("stopped"), FailureReason::cancelled());
}

FailureReason SevenZipExtractor::failure() const
{
    QMutexLocker lock(&m_failureMutex);
    return m_failure;
}

bool SevenZipExtractor::stopRequested(const Lane &lane) const
{
    return lane.onCallerThread ? m_callback && m_callback->stopRequested() : m_stop.load();
}

void SevenZipExtractor::report()
{
    if (m_callback)
        m_callback->progress(m_total, m_completed.load());
}
