#include "update/stagedinstall.h"

#include "app/logger.h"
#include "patch/replacefile.h"
#include "patch/sevenzip.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// The folder that will hold the files, or the nearest one above it that exists yet.
QString existingAncestor(const QString &path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath())
        info.setFile(info.absolutePath());
    return info.absoluteFilePath();
}

// No failure when the archive's files fit the target's file system.
FailureReason roomFor(const QString &archivePath, const QString &target)
{
    const qint64 needed = sevenZipUnpackedSize(archivePath);
    if (needed < 0) {
        Logger::instance().crit(QStringLiteral("cannot read the archive's contents: ") + archivePath);
        return FailureReason::atPath(FailureReason::Kind::UnpackFailed, archivePath);
    }
    const QStorageInfo storage(existingAncestor(target));
    const qint64 available = storage.bytesAvailable();
    if (storage.isValid() && needed <= available)
        return FailureReason();
    Logger::instance().crit(
        QStringLiteral("not enough disk space to unpack: ") + QFileInfo(archivePath).fileName() +
        QStringLiteral(" needs ") + QString::number(needed) + QStringLiteral(" bytes, ") +
        QString::number(qMax<qint64>(available, 0)) + QStringLiteral(" free at ") + target);
    return FailureReason::diskFull(target, needed, qMax<qint64>(available, 0));
}

FailureReason removeStaging(const QString &staging)
{
    if (!QFileInfo::exists(staging) || QDir(staging).removeRecursively())
        return FailureReason();
    Logger::instance().crit(QStringLiteral("cannot remove the staging folder: ") + staging);
    return FailureReason::notWritable(staging);
}

// Folders first (the iterator lists a folder before what it holds), each file in one step.
FailureReason moveIntoPlace(const QString &staging, const QString &target)
{
    const QDir from(staging);
    QDirIterator it(staging, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString destination = QDir(target).filePath(from.relativeFilePath(source));
        const bool folder = it.fileInfo().isDir();
        if (folder ? QDir().mkpath(destination)
                   : !QFileInfo(destination).isDir() && replaceFile(source, destination))
            continue;
        Logger::instance().crit(QStringLiteral("cannot move the unpacked item into place: ") + destination);
        return FailureReason::notWritable(destination);
    }
    return FailureReason();
}

FailureReason createFolders(const QString &staging, const QString &target)
{
    if (QDir().mkpath(staging) && QDir().mkpath(target))
        return FailureReason();
    Logger::instance().crit(QStringLiteral("cannot create the folders to unpack into: ") + staging);
    return FailureReason::notWritable(QFileInfo(staging).absolutePath());
}

FailureReason unpackAndMove(const QString &archivePath, const QString &staging, const QString &target,
                            ISevenZipCallback *callback, const std::function<bool()> &beforeMove)
{
    FailureReason failure;
    if (!sevenZipExtract(archivePath, staging, callback, &failure))
        return failure;
    // The caller's own check of the archive (its digest) logged why it failed.
    if (beforeMove && !beforeMove())
        return FailureReason::atPath(FailureReason::Kind::DigestMismatch, archivePath);
    return moveIntoPlace(staging, target);
}

} // namespace

namespace StagedInstall {

QString stagingFolder(const QString &target)
{
    return QDir::cleanPath(QDir(target).absolutePath()) + QStringLiteral(".staging");
}

bool install(const QString &archivePath, const QString &target, ISevenZipCallback *callback,
             const std::function<bool()> &beforeMove, FailureReason *why)
{
    const QString staging = stagingFolder(target);
    FailureReason failure = removeStaging(staging);
    if (!failure.isFailure())
        failure = roomFor(archivePath, target);
    if (!failure.isFailure())
        failure = createFolders(staging, target);
    if (!failure.isFailure()) {
        // Whatever goes wrong from here, the staging folder goes and the target keeps whole files.
        failure = unpackAndMove(archivePath, staging, target, callback, beforeMove);
        removeStaging(staging);
    }
    if (why)
        *why = failure;
    return !failure.isFailure();
}

} // namespace StagedInstall
