#pragma once

#include "tests/support/nginxserver.h"
#include "tests/update/releasekit.h"

#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// The game's releases as the launcher tests serve them: nginx on 127.0.0.1 over a scratch
// folder, each release published by gd7-publish into a folder of its own, and a deployment
// configuration whose every host is this server. The release in "mirror" is the one the
// configuration's mirror list names.
class LauncherKit
{
public:
    // extraServerConfig as for NginxServer (limits, slow locations); every request is logged.
    bool start(const QString &extraServerConfig = QString());

    // Publishes the game at version as one full package (no torrent) into folder, beside an
    // up-to-date launcher record; returns the release's manifest URL (invalid when it failed).
    QUrl publishGame(const QString &folder, const QString &version, const ReleaseKit::Files &files);

    QUrl url(const QString &path) const { return m_nginx.url(path); }
    // The deployment configuration naming this server for every host; GD7_DEPLOYMENT_CONFIG.
    QString deploymentConfigPath() const { return m_served.filePath(QStringLiteral("deployment.json")); }
    // nginx's access log lines so far, one per request (each holds "GET /mirror/update.json ...").
    QStringList requests() const;

private:
    bool writeDeploymentConfig() const;

    QTemporaryDir m_served;
    QTemporaryDir m_logs;
    NginxServer m_nginx;
};
