#pragma once

#include <QString>
#include <QVariant>

// The settings store as its readers and writers see it. A missing key reads as an invalid
// QVariant so that each reader applies its own default.
class IProgramSettings
{
public:
    virtual ~IProgramSettings() = default;
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    virtual QVariant value(const QString &key) const = 0;
    // Writes the whole store to the file in one step; false when it could not be written.
    virtual bool save(const QString &path) const = 0;
};

// Every key of "GD7Launcher.conf".
namespace SettingsKey {
inline const QString UiLanguage = QStringLiteral("general.ui_language");
inline const QString EulaAccepted = QStringLiteral("eula_accepted");
inline const QString InstallPath = QStringLiteral("install_path");
inline const QString UseTorrents = QStringLiteral("use_torrents");
inline const QString UpdateUrl = QStringLiteral("update_url");
inline const QString Proxy = QStringLiteral("proxy");
inline const QString ReadNews = QStringLiteral("read_news");
// The highest "serial" of a signed manifest the launcher accepted: older ones are replays.
inline const QString ManifestSerial = QStringLiteral("manifest_serial");
// The player's download speed limit in KiB/s; missing or 0: unlimited.
inline const QString DownloadSpeedLimit = QStringLiteral("download_speed_limit");
} // namespace SettingsKey

// The one value of "eula_accepted" that counts as accepted.
constexpr int EulaAcceptedValue = 20171002;
