#pragma once

#include <QNetworkProxy>
#include <QString>
#include <QVariant>

class IProgramSettings;

// The one proxy the launcher sends its traffic through, stored under the settings key "proxy"
// as [type, host, port, user, password]. An empty host means no proxy at all. Installed as the
// application proxy it reaches network managers and torrent sessions created afterwards.
struct ProxySettings
{
    int type = QNetworkProxy::Socks5Proxy;
    QString host;
    quint16 port = 1080;
    QString user;
    QString password;
    // Whether the stored value held a valid type or port; an editor keeps its own controls for
    // entries that were missing or invalid.
    bool typeStored = false;
    bool portStored = false;

    // Entries that are missing or invalid keep the defaults: SOCKS5 (1), port 1080, empty texts.
    static ProxySettings fromValue(const QVariant &stored);
    QVariant toValue() const;

    // Reads the stored proxy; with apply also installs it, or no proxy when none is stored.
    static ProxySettings load(const IProgramSettings *settings, bool apply);
    void store(IProgramSettings *settings) const;
    void apply() const;
};

// Installs the application proxy: none when host is empty; credentials only with a user name.
void applyProxy(const QString &host, int type, quint16 port, const QString &user, const QString &password);
