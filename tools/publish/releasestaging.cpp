#include "tools/publish/releasestaging.h"

#include "app/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool removeItem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return !info.exists() && !info.isSymLink() ? true : QFile::remove(path);
}

const QString OldSuffix = QStringLiteral(".gd7-publish-old");

} // namespace

ReleaseStaging::~ReleaseStaging()
{
    if (!m_staging.isEmpty())
        QDir(m_staging).removeRecursively();
}

bool ReleaseStaging::begin(const QString &releaseFolder, const QString &id, QString &error)
{
    m_release = QDir(releaseFolder).absolutePath();
    if (!Paths::makePath(m_release) || !QFileInfo(m_release).isDir()) {
        error = QStringLiteral("cannot create release folder: %1").arg(m_release);
        return false;
    }
    const QString staging = Paths::joinPath(m_release, QStringLiteral(".gd7-publish-") + id);
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging) || !QFileInfo(staging).isWritable()) {
        error = QStringLiteral("cannot write in release folder: %1").arg(m_release);
        return false;
    }
    m_staging = staging;
    return true;
}

QString ReleaseStaging::path(const QString &relative) const
{
    return Paths::joinPath(m_staging, relative);
}

QString ReleaseStaging::releasePath(const QString &relative) const
{
    return Paths::joinPath(m_release, relative);
}

QStringList ReleaseStaging::existing(const QStringList &items) const
{
    QStringList found;
    for (const QString &item : items) {
        if (QFileInfo::exists(releasePath(item)))
            found.append(item);
    }
    return found;
}

bool ReleaseStaging::commit(const QStringList &items, QString &error)
{
    QStringList moved;
    QStringList kept;
    auto rollBack = [&]() {
        for (const QString &item : moved) {
            removeItem(releasePath(item));
            if (kept.contains(item))
                QFile::rename(releasePath(item) + OldSuffix, releasePath(item));
        }
    };
    for (const QString &item : items) {
        const QString target = releasePath(item);
        if (!Paths::makePath(QFileInfo(target).path())) {
            error = QStringLiteral("cannot create folder: %1").arg(QFileInfo(target).path());
            rollBack();
            return false;
        }
        const bool replacing = QFileInfo::exists(target);
        if (replacing && (!removeItem(target + OldSuffix) || !QFile::rename(target, target + OldSuffix))) {
            error = QStringLiteral("cannot replace %1").arg(target);
            rollBack();
            return false;
        }
        if (replacing)
            kept.append(item);
        if (!QFile::rename(path(item), target)) {
            error = QStringLiteral("cannot move %1 to %2").arg(path(item), target);
            if (replacing)
                QFile::rename(target + OldSuffix, target);
            kept.removeAll(item);
            rollBack();
            return false;
        }
        moved.append(item);
    }
    for (const QString &item : kept)
        removeItem(releasePath(item) + OldSuffix);
    return true;
}
