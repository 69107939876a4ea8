#include "tools/publish/buildfiles.h"

#include "app/paths.h"
#include "patch/filesha1.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

bool listBuildFiles(const QString &root, QList<BuildFile> &files, QString &error)
{
    files.clear();
    const QFileInfo rootInfo(root);
    if (!rootInfo.isDir()) {
        error = QStringLiteral("not a folder: %1").arg(root);
        return false;
    }
    const QDir rootDir(rootInfo.absoluteFilePath());
    QDirIterator it(rootDir.path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString absolute = it.next();
        BuildFile file;
        file.path = rootDir.relativeFilePath(absolute);
        file.size = it.fileInfo().size();
        file.sha1 = fileSha1(absolute);
        if (file.sha1.isEmpty()) {
            error = QStringLiteral("cannot read file: %1").arg(absolute);
            return false;
        }
        files.append(file);
    }
    std::sort(files.begin(), files.end(),
              [](const BuildFile &a, const BuildFile &b) { return a.path < b.path; });
    return true;
}

QMap<QString, BuildFile> byPath(const QList<BuildFile> &files)
{
    QMap<QString, BuildFile> map;
    for (const BuildFile &file : files)
        map.insert(file.path, file);
    return map;
}

qint64 totalSize(const QList<BuildFile> &files)
{
    qint64 total = 0;
    for (const BuildFile &file : files)
        total += file.size;
    return total;
}

bool copyFileTo(const QString &source, const QString &target, QString &error)
{
    if (!Paths::makePath(QFileInfo(target).path())) {
        error = QStringLiteral("cannot create folder: %1").arg(QFileInfo(target).path());
        return false;
    }
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        error = QStringLiteral("cannot copy %1 to %2").arg(source, target);
        return false;
    }
    return true;
}

bool copyFolder(const QString &source, const QString &target, QString &error)
{
    const QDir sourceDir(source);
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    if (!Paths::makePath(target)) {
        error = QStringLiteral("cannot create folder: %1").arg(target);
        return false;
    }
    while (it.hasNext()) {
        const QString file = it.next();
        if (!copyFileTo(file, Paths::joinPath(target, sourceDir.relativeFilePath(file)), error))
            return false;
    }
    return true;
}
