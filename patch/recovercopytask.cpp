#include "patch/recovercopytask.h"

#include "app/logger.h"
#include "app/paths.h"
#include "patch/safepath.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

void RecoverCopyTask::fail(const QString &logLine, const char *what)
{
    setResult(1);
    Logger::instance().crit(logLine);
    throw std::runtime_error(what);
}

void RecoverCopyTask::execute()
{
    setResult(-1);
    if (!staysInside(m_contentId))
        fail(QStringLiteral("unsafe recovery content id: ") + m_contentId, "can't copy recovered file!");
    const QString sourceFolder = Paths::joinPath(Paths::recoverTempFolder(), m_contentId);
    const QString gameFolder = Paths::gameFolder(true);
    for (const QString &path : m_damagedFiles) {
        if (isStopRequested())
            return;
        // Only names inside both folders are ever touched, whoever made the list.
        if (!staysInside(path))
            fail(QStringLiteral("unsafe path to recover: ") + path, "can't copy recovered file!");
        const QString source = Paths::joinPath(sourceFolder, path);
        const QString target = Paths::joinPath(gameFolder, path);
        if (QFileInfo::exists(target) && !QFile::remove(target))
            fail(QStringLiteral("can't remove old file: ") + target, "can't remove old file to recover!");
        const QString folder = QFileInfo(target).path();
        if (!Paths::makePath(folder))
            fail(QStringLiteral("can't create folder: ") + folder, "can't copy recovered file!");
        if (!QFile::copy(source, target))
            fail(QStringLiteral("can't copy recovered file: ") + source + QStringLiteral(" => ") + target,
                 "can't copy recovered file!");
    }
    setResult(0);
}
