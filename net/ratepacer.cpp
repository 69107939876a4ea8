#include "net/ratepacer.h"

namespace net {

namespace {

constexpr qint64 BucketsPerSecond = 8;
constexpr qint64 MinimumBucket = 16 * 1024;

} // namespace

qint64 RatePacer::capacity(qint64 bytesPerSecond)
{
    return qMax(MinimumBucket, bytesPerSecond / BucketsPerSecond);
}

qint64 RatePacer::allowance(qint64 bytesPerSecond, qint64 nowMs)
{
    const qint64 bucket = capacity(bytesPerSecond);
    if (!m_started) {
        m_started = true;
        m_tokens = bucket;
    } else {
        const qint64 elapsed = qMax<qint64>(0, nowMs - m_lastMs);
        m_tokens = qMin(bucket, m_tokens + elapsed * bytesPerSecond / 1000);
    }
    m_lastMs = nowMs;
    return qMax<qint64>(0, m_tokens);
}

int RatePacer::waitMs(qint64 bytesPerSecond, qint64 bytes) const
{
    const qint64 missing = qMin(bytes, capacity(bytesPerSecond)) - qMax<qint64>(0, m_tokens);
    if (missing <= 0)
        return 0;
    return int(qMax<qint64>(1, (missing * 1000 + bytesPerSecond - 1) / bytesPerSecond));
}

} // namespace net
