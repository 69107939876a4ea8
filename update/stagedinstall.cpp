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

bool fits(const QString &archivePath, const QString &target)
{
    const qint64 needed = sevenZipUnpackedSize(archivePath);
    if (needed < 0) {
        Logger::instance().crit(QStringLiteral("cannot read the archive's contents: ") + archivePath);
        return false;
    }
    const QStorageInfo storage(existingAncestor(target));
    const qint64 available = storage.bytesAvailable();
    if (storage.isValid() && needed <= available)
        return true;
    Logger::instance().crit(
        QStringLiteral("not enough disk space to unpack: ") + QFileInfo(archivePath).fileName() +
        QStringLiteral(" needs ") + QString::number(needed) + QStringLiteral(" bytes, ") +
        QString::number(qMax<qint64>(available, 0)) + QStringLiteral(" free at ") + target);
    return false;
}

bool removeStaging(const QString &staging)
{
    if (!QFileInfo::exists(staging) || QDir(staging).removeRecursively())
        return true;
    Logger::instance().crit(QStringLiteral("cannot remove the staging folder: ") + staging);
    return false;
}

// Folders first (the iterator lists a folder before what it holds), each file in one step.
bool moveIntoPlace(const QString &staging, const QString &target)
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
        return false;
    }
    return true;
}

} // namespace

namespace StagedInstall {

QString stagingFolder(const QString &target)
{
    return QDir::cleanPath(QDir(target).absolutePath()) + QStringLiteral(".staging");
}

bool install(const QString &archivePath, const QString &target, ISevenZipCallback *callback,
             const std::function<bool()> &beforeMove)
{
    const QString staging = stagingFolder(target);
    if (!removeStaging(staging) || !fits(archivePath, target))
        return false;
    if (!QDir().mkpath(staging) || !QDir().mkpath(target)) {
        Logger::instance().crit(QStringLiteral("cannot create the folders to unpack into: ") + staging);
        return false;
    }
    // Whatever goes wrong from here, the staging folder goes and the target keeps whole files.
    const bool installed = sevenZipExtract(archivePath, staging, callback) && (!beforeMove || beforeMove()) &&
                           moveIntoPlace(staging, target);
    removeStaging(staging);
    return installed;
}

} // namespace StagedInstall
