#include "app/singleapp.h"

#include <QSystemSemaphore>
#include <QTimerEvent>

SingleApp::SingleApp(const QString &lockKey, const QString &memoryKey, QObject *parent)
    : QObject(parent), m_lockKey(lockKey), m_memoryKey(memoryKey), m_memory(memoryKey)
{}

bool SingleApp::tryBecomePrimary()
{
    QSystemSemaphore lock(m_lockKey, 1, QSystemSemaphore::Open);
    lock.acquire();
    {
        // Attaching and detaching a throw-away handle removes a segment left behind by a
        // primary that crashed (on Unix the segment outlives its last process otherwise).
        QSharedMemory stale(m_memoryKey);
        stale.attach(QSharedMemory::ReadWrite);
        stale.detach();
    }
    bool primary = false;
    if (!m_memory.attach(QSharedMemory::ReadWrite) && m_memory.create(1, QSharedMemory::ReadWrite)) {
        m_memory.lock();
        *static_cast<char *>(m_memory.data()) = 0;
        m_memory.unlock();
        m_timerId = startTimer(1000, Qt::VeryCoarseTimer);
        primary = true;
    }
    lock.release();
    return primary;
}

void SingleApp::notifyPrimary()
{
    m_memory.lock();
    if (m_memory.size() > 0)
        *static_cast<char *>(m_memory.data()) = 1;
    m_memory.unlock();
}

void SingleApp::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId)
        return;
    bool rung = false;
    m_memory.lock();
    if (m_memory.size() > 0) {
        char *doorbell = static_cast<char *>(m_memory.data());
        rung = *doorbell == 1;
        *doorbell = 0;
    }
    m_memory.unlock();
    if (!rung)
        return;
    emit activateApp();
    if (m_window) {
        m_window->requestActivate();
        m_window->alert(0);
    }
}
