#include "ui/installpathcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

InstallPathCheck failed(const char *key, bool spaceShort = false)
{
    return {false, QString::fromLatin1(key), spaceShort};
}

QString parentFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isRoot() ? folder : info.absolutePath();
}

// The deepest part of the path that exists; a file there means the path leads into a file.
QFileInfo nearestExisting(const QString &folder)
{
    QFileInfo info(folder);
    while (!info.exists() && !info.isRoot())
        info.setFile(info.absolutePath());
    return info;
}

} // namespace

InstallPathCheck InstallPathCheck::run(const QString &folder, qint64 requiredBytes)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return failed("InstallDlgErrPathInvalid");
    const QString clean = QDir::cleanPath(folder);
    const QFileInfo existing = nearestExisting(clean);
    if (!existing.isDir())
        return failed("InstallDlgErrPathInvalid");

    // The installation folder and its parent may still have to be made; the folder above them
    // has to exist, which also catches a drive or mount point that is not there.
    const QStorageInfo volume(parentFolder(parentFolder(clean)));
    if (!volume.isValid() || !volume.isReady())
        return failed("InstallDlgErrPathInvalid");
    if (volume.isReadOnly() || !existing.isWritable())
        return failed("InstallDlgErrPathReadonly");
    if (isSpaceShort(requiredBytes, volume.bytesAvailable()))
        return failed("InstallDlgErrOutOfSpace", true);
    return {true, QString(), false};
}
