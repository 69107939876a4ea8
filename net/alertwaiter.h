#pragma once

#include "net/torrentalerts.h"

#include <QEventLoop>
#include <QMetaObject>

#include <atomic>

// Blocks its caller, in a local event loop, until one signal of a TorrentAlerts arrives for one
// torrent. Create it before starting the operation whose alert it waits for, then call wait().
// The pump may live in another thread: the arrival is noted at once and the loop quits through a
// queued call, so an alert that comes before or while wait() starts is never missed.
class AlertWaiter
{
public:
    // signalIndex is a TorrentAlerts::Signal; any other value means finished.
    AlertWaiter(TorrentAlerts *alerts, TorrentAlerts::THash id, int signalIndex);
    ~AlertWaiter();
    AlertWaiter(const AlertWaiter &) = delete;
    AlertWaiter &operator=(const AlertWaiter &) = delete;

    // Returns at once when the signal already came or alreadyDone tells that the awaited state is
    // reached (a status query showed it), as then no alert may follow.
    void wait(bool alreadyDone = false);
    bool pending() const { return m_pending; }

private:
    const TorrentAlerts::THash m_id;
    QEventLoop m_loop;
    std::atomic<bool> m_pending{true};
    QMetaObject::Connection m_connection;
};
