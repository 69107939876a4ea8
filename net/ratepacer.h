#pragma once

#include <QtGlobal>

namespace net {

// A token bucket: how many bytes a transfer held to a rate may move now, given the rate of the
// moment, so that a limit changed while the transfer runs applies from then on. The bucket holds
// an eighth of a second of the rate, which keeps the pace even without many wake-ups.
class RatePacer
{
public:
    // Bytes that may move at nowMs under bytesPerSecond (greater than 0).
    qint64 allowance(qint64 bytesPerSecond, qint64 nowMs);
    void consume(qint64 bytes) { m_tokens -= bytes; }
    // Milliseconds until at least bytes (at most a full bucket) may move again.
    int waitMs(qint64 bytesPerSecond, qint64 bytes) const;

private:
    static qint64 capacity(qint64 bytesPerSecond);

    bool m_started = false;
    qint64 m_tokens = 0;
    qint64 m_lastMs = 0;
};

} // namespace net
