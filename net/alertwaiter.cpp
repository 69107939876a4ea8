#include "net/alertwaiter.h"

AlertWaiter::AlertWaiter(TorrentAlerts *alerts, TorrentAlerts::THash id, int signalIndex)
    : m_id(std::move(id))
{
    m_connection = QObject::connect(
        alerts, TorrentAlerts::notifier(signalIndex), &m_loop,
        [this](const TorrentAlerts::THash &arrived) {
            if (arrived != m_id)
                return;
            m_pending = false;
            QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

AlertWaiter::~AlertWaiter()
{
    QObject::disconnect(m_connection);
    m_loop.quit();
}

void AlertWaiter::wait(bool alreadyDone)
{
    if (m_pending && !alreadyDone)
        m_loop.exec();
}
