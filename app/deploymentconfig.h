#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The values that differ between deployments of the launcher: update mirrors, the maker's
// web site and API host, social links, and the hosts the diagnostics probe. The build
// compiles one JSON file in (":/config/deployment.json"); the environment variable
// GD7_DEPLOYMENT_CONFIG names a file that replaces it at run time (tests, demos, staging).
class DeploymentConfig
{
public:
    static const DeploymentConfig &instance();
    // Reads a configuration file; false, with nothing changed, when it is unreadable or malformed.
    static bool loadInstance(const QString &path);

    QStringList mirrors() const { return m_mirrors; }
    QString webSiteUrl() const { return m_webSiteUrl; }
    QString apiHost() const { return m_apiHost; }
    // A page of the game on the web or a social network by its name ("home", "forum",
    // "facebook", "vkontakte", "ok", "youtube", "twitter", "discord", "instagram", "twitch",
    // "line"); empty when the deployment has none.
    QString socialLink(const QString &name) const;
    // A diagnostics host by its role ("W-home", "API-intl", "CDN-a", ...).
    QString diagnosticsHost(const QString &role) const;
    QStringList gameServers() const { return m_gameServers; }
    // A demo or staging deployment whose peers and web seeds all live on this machine keeps every
    // BitTorrent session on 127.0.0.1 ("bittorrent": {"loopback_only": true}).
    bool torrentLoopbackOnly() const { return m_torrentLoopbackOnly; }
    // The publisher's public keys (base64 of raw Ed25519 keys, "manifest_keys"); more than one so
    // that keys can be rotated. Empty: manifests are taken unsigned.
    QStringList manifestKeys() const { return m_manifestKeys; }

    static bool fromJson(const QByteArray &json, DeploymentConfig &config, QString *error);

private:
    QStringList m_mirrors;
    QString m_webSiteUrl;
    QString m_apiHost;
    QJsonObject m_social;
    QJsonObject m_diagnosticsHosts;
    QStringList m_gameServers;
    bool m_torrentLoopbackOnly = false;
    QStringList m_manifestKeys;
};
