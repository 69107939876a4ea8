#include "patch/patch.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/saturating.h"
#include "patch/filesha1.h"
#include "patch/jdiff.h"
#include "patch/replacefile.h"
#include "patch/safepath.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString entryPath(const PatchContent &entry)
{
    return entry.string(QStringLiteral("path"));
}

// The entry's path as it is joined to a folder: either separator, one leading '/' dropped.
QString relativePath(const PatchContent &entry)
{
    QString path = entryPath(entry).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path;
}

// The new file's size as the package states it: only for progress, so a nonsense value counts 0.
qint64 declaredSize(const PatchContent &entry)
{
    return qMax<qint64>(entry.integer64(QStringLiteral("size")), 0);
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).path();
}

} // namespace

Patch::Patch(IPatchProgress *progress) : m_progress(progress) {}

bool Patch::load(const QString &packageFolder)
{
    const QString configPath = Paths::joinPath(packageFolder, QStringLiteral("patch.conf"));
    if (!m_config.load(configPath))
        return failAt(configPath);
    m_folder = packageFolder;
    return true;
}

bool Patch::apply(const QString &gameFolder, const QString &workFolder)
{
    Logger::instance().debug(QStringLiteral("applying patch to "));
    const QList<PatchContent> modified = m_config.contents(QStringLiteral("modified"));
    const QList<PatchContent> added = m_config.contents(QStringLiteral("added"));
    const QList<PatchContent> removed = m_config.contents(QStringLiteral("removed"));
    m_processed = 0;
    m_total = 0;
    m_failure = FailureReason();
    if (!validate(modified, added, removed, gameFolder))
        return failAt(m_folder);
    for (const PatchContent &entry : modified) {
        if (stoppedAt(entry) || !applyModified(entry, gameFolder, workFolder))
            return false;
    }
    for (const PatchContent &entry : added) {
        if (stoppedAt(entry) || !applyAdded(entry, gameFolder))
            return false;
    }
    for (const PatchContent &entry : removed)
        applyRemoved(entry, gameFolder);
    return true;
}

bool Patch::stoppedAt(const PatchContent &entry)
{
    if (!stopRequested())
        return false;
    Logger::instance().crit(QStringLiteral("patch apply stopped at: ") + entryPath(entry));
    fail(FailureReason::cancelled());
    return true;
}

bool Patch::fail(const FailureReason &reason)
{
    m_failure = reason;
    return false;
}

bool Patch::failAt(const QString &path)
{
    return fail(FailureReason::atPath(FailureReason::Kind::PatchFailed, path));
}

void Patch::progress(qint64 position, qint64)
{
    if (m_progress)
        m_progress->progress(saturatingAdd(m_processed, position), m_total);
}

// Nothing is touched before every entry is known to be sound.
bool Patch::validate(const QList<PatchContent> &modified, const QList<PatchContent> &added,
                     const QList<PatchContent> &removed, const QString &gameFolder)
{
    if (!checkEntries(modified) || !checkEntries(added) || !checkEntries(removed))
        return false;
    for (const PatchContent &entry : modified) {
        m_total = saturatingAdd(m_total, fileSize(Paths::joinPath(gameFolder, relativePath(entry))));
        m_total = saturatingAdd(m_total, fileSize(Paths::joinPath(m_folder, relativePath(entry))));
        m_total = saturatingAdd(m_total, declaredSize(entry));
    }
    for (const PatchContent &entry : added)
        m_total = saturatingAdd(m_total, fileSize(Paths::joinPath(m_folder, relativePath(entry))));
    return true;
}

bool Patch::checkEntries(const QList<PatchContent> &entries)
{
    for (const PatchContent &entry : entries) {
        if (!entry.isValid())
            return false;
        if (!staysInside(relativePath(entry))) {
            Logger::instance().crit(QStringLiteral("patch apply path leaves the folder: ") +
                                    entryPath(entry));
            return false;
        }
    }
    return true;
}

bool Patch::applyModified(const PatchContent &entry, const QString &gameFolder, const QString &workFolder)
{
    const QString path = entryPath(entry);
    const QString target = Paths::joinPath(gameFolder, relativePath(entry));
    const QString oldDigest = entry.string(QStringLiteral("sha1_old"));
    const QString newDigest = entry.string(QStringLiteral("sha1_new"));
    const QString actual = countedSha1(target);
    if (stoppedAt(entry))
        return false;
    if (actual == newDigest) {
        Logger::instance().info(QStringLiteral("patch apply old hash match new hash for: ") + path +
                                QStringLiteral(" actual: ") + actual + QStringLiteral(" new: ") + newDigest);
        m_processed = saturatingAdd(m_processed, fileSize(Paths::joinPath(m_folder, relativePath(entry))));
        m_processed = saturatingAdd(m_processed, declaredSize(entry));
        return true;
    }
    if (actual != oldDigest) {
        Logger::instance().crit(QStringLiteral("patch apply old hash mismatch for: ") + path +
                                QStringLiteral(" actual: ") + actual + QStringLiteral(" excpected: ") +
                                oldDigest);
        return failAt(target);
    }
    const QString work = Paths::joinPath(workFolder, relativePath(entry));
    if (!Paths::makePath(folderOf(work))) {
        Logger::instance().crit(QStringLiteral("patch apply failed to create temp file: ") + work);
        return fail(FailureReason::notWritable(folderOf(work)));
    }
    return patchFile(entry, target, work);
}

bool Patch::patchFile(const PatchContent &entry, const QString &target, const QString &work)
{
    const QString stream = Paths::joinPath(m_folder, relativePath(entry));
    const int code = jdiff::applyPatchFile(target, stream, work, this);
    m_processed = saturatingAdd(m_processed, fileSize(stream));
    if (code != jdiff::Success) {
        Logger::instance().crit(QStringLiteral("patch apply failed:") + QStringLiteral(" code: ") +
                                QString::number(code) + QStringLiteral(" orig: ") + target +
                                QStringLiteral(" patch: ") + stream + QStringLiteral(" temp: ") + work);
        if (code == jdiff::Stopped)
            return fail(FailureReason::cancelled());
        if (code == jdiff::OutputWriteFailed)
            return fail(FailureReason::notWritable(work));
        return failAt(target);
    }
    Logger::instance().info(QStringLiteral("patch apply success: ") + QStringLiteral(" orig: ") + target +
                            QStringLiteral(" patch:") + stream + QStringLiteral(" work: ") + work);
    const QString newDigest = entry.string(QStringLiteral("sha1_new"));
    const QString actual = countedSha1(work);
    if (stoppedAt(entry))
        return false;
    if (actual != newDigest) {
        Logger::instance().crit(QStringLiteral("patch apply new hash mismatch for: ") + entryPath(entry) +
                                QStringLiteral(" actual: ") + actual + QStringLiteral(" excpected: ") +
                                newDigest);
        return failAt(target);
    }
    // Renamed over the target in one step: a failure leaves the old file whole, never no file.
    if (!replaceFile(work, target)) {
        Logger::instance().crit(QStringLiteral("patch apply failed to move:") + QStringLiteral(" from: ") +
                                work + QStringLiteral(" to: ") + target);
        return fail(FailureReason::notWritable(target));
    }
    return true;
}

bool Patch::applyAdded(const PatchContent &entry, const QString &gameFolder)
{
    const QString target = Paths::joinPath(gameFolder, relativePath(entry));
    const QString source = Paths::joinPath(m_folder, relativePath(entry));
    if (QFileInfo::exists(target) && !QFile::remove(target))
        Logger::instance().crit(QStringLiteral("patch apply failed to add-remove file: ") + target);
    if (!Paths::makePath(folderOf(target)))
        Logger::instance().crit(QStringLiteral("patch apply failed to make path: ") + folderOf(target));
    if (!QFile::rename(source, target)) {
        Logger::instance().crit(QStringLiteral("patch apply failed to add file: ") +
                                QStringLiteral(" src: ") + source + QStringLiteral(" dst: ") + target);
        return fail(FailureReason::notWritable(target));
    }
    Logger::instance().info(QStringLiteral("patch apply add file: ") + target);
    m_processed = saturatingAdd(m_processed, fileSize(target));
    report();
    return true;
}

void Patch::applyRemoved(const PatchContent &entry, const QString &gameFolder)
{
    const QString target = Paths::joinPath(gameFolder, relativePath(entry));
    if (QFile::remove(target))
        Logger::instance().info(QStringLiteral("patch apply remove obsolete file: ") + target);
    else
        Logger::instance().crit(QStringLiteral("patch apply failed to remove obsolete file: ") + target);
}

QString Patch::countedSha1(const QString &path)
{
    return fileSha1(path, [this](qint64 blockSize) {
        m_processed = saturatingAdd(m_processed, blockSize);
        report();
        return !stopRequested();
    });
}

void Patch::report()
{
    if (m_progress)
        m_progress->progress(m_processed, m_total);
}
