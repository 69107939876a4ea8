#include "app/singleapp.h"

#include "app/logger.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTimerEvent>

namespace {
// Deciding who is primary takes a start microseconds; a lock held longer belongs to a start that
// hangs.
constexpr int LockWaitMs = 3000;
} // namespace

SingleApp::SingleApp(const QString &lockKey, const QString &memoryKey, QObject *parent)
    : QObject(parent), m_lockKey(lockKey), m_memoryKey(memoryKey)
{}

QString SingleApp::lockFilePath(const QString &lockKey)
{
    return QDir(QDir::tempPath()).filePath(lockKey + QStringLiteral(".lock"));
}

QString SingleApp::doorbellPath() const
{
    return QDir(QDir::tempPath()).filePath(m_memoryKey + QStringLiteral(".doorbell"));
}

bool SingleApp::tryBecomePrimary()
{
    // A lock that stays held (its start hangs) is not waited for beyond LockWaitMs: a second
    // window is the smaller harm.
    const QString path = lockFilePath(m_lockKey);
    QLockFile lock(path);
    if (!lock.tryLock(LockWaitMs))
        Logger::instance().crit(QStringLiteral("Single instance lock not taken: ") + path);
    auto primary = std::make_unique<QLockFile>(lockFilePath(m_memoryKey));
    // Held for the primary's whole life: only a lock whose process has gone is taken over.
    primary->setStaleLockTime(0);
    if (!primary->tryLock(0))
        return false;
    m_primaryLock = std::move(primary);
    QFile::remove(doorbellPath());
    m_timerId = startTimer(1000, Qt::VeryCoarseTimer);
    return true;
}

void SingleApp::notifyPrimary()
{
    QFile doorbell(doorbellPath());
    if (!doorbell.open(QIODevice::WriteOnly))
        Logger::instance().crit(QStringLiteral("Single instance doorbell not rung: ") + doorbell.fileName());
}

void SingleApp::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId || !QFile::remove(doorbellPath()))
        return;
    emit activateApp();
    if (m_window) {
        m_window->requestActivate();
        m_window->alert(0);
    }
}
