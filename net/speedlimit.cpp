#include "net/speedlimit.h"

#include "app/programsettings.h"

SpeedLimit &SpeedLimit::instance()
{
    static SpeedLimit limit;
    return limit;
}

qint64 SpeedLimit::bytesPerSecond() const
{
    return m_bytesPerSecond.load();
}

void SpeedLimit::setBytesPerSecond(qint64 bytesPerSecond)
{
    const qint64 limit = qMax<qint64>(0, bytesPerSecond);
    if (m_bytesPerSecond.exchange(limit) != limit)
        emit changed(limit);
}

qint64 SpeedLimit::load(const IProgramSettings *settings)
{
    bool ok = false;
    const qint64 kib = settings->value(SettingsKey::DownloadSpeedLimit).toLongLong(&ok);
    return ok && kib > 0 ? kib * 1024 : 0;
}

void SpeedLimit::store(IProgramSettings *settings, qint64 bytesPerSecond)
{
    settings->setValue(SettingsKey::DownloadSpeedLimit, qMax<qint64>(0, bytesPerSecond) / 1024);
}
