#pragma once

#include <QObject>

#include <atomic>

class IProgramSettings;

// The download speed the player allows the launcher, for HTTP content downloads and for both
// BitTorrent sessions alike. Stored under the settings key "download_speed_limit" in KiB/s; a
// missing, zero or invalid value means unlimited. Transfers read the current value when they start
// and listen to changed() to follow the player's choice while they run.
class SpeedLimit : public QObject
{
    Q_OBJECT
public:
    static SpeedLimit &instance();

    // Bytes per second; 0 means unlimited.
    qint64 bytesPerSecond() const;
    void setBytesPerSecond(qint64 bytesPerSecond);

    // The stored limit in bytes per second (0: unlimited), and storing one.
    static qint64 load(const IProgramSettings *settings);
    static void store(IProgramSettings *settings, qint64 bytesPerSecond);

signals:
    void changed(qint64 bytesPerSecond);

private:
    SpeedLimit() = default;
    std::atomic<qint64> m_bytesPerSecond{0};
};
