#pragma once

#include "tests/support/nginxserver.h"
#include "update/updateinfo.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

// A launcher folder with an installed game, and a web root on nginx that serves the game's package
// files (and recovery trees) under "recover/<content id>/".
class RecoveryFixture
{
public:
    bool start(const QString &extraServerConfig = QString());

    QString gameFile(const QString &relative) const;
    QString webFile(const QString &relative) const;
    QString recoverFile(const QString &contentId, const QString &relative) const;
    // Writes a file of the installed game and returns its package entry.
    QJsonObject installFile(const QString &relative, const QByteArray &bytes);
    // Serves {"content": entries} as the package file of contentId.
    bool publishPackage(const QString &contentId, const QJsonArray &entries);
    bool publishRaw(const QString &contentId, const QByteArray &packageBytes);

    // A full content of the game for recovery, at nginx's "recover/" base.
    QJsonObject content(const QString &id, const QString &versionTo) const;
    static UpdateInfo manifest(const QJsonArray &contents);

    QUrl recoverBase() const { return m_nginx.url(QStringLiteral("recover/")); }
    QUrl url(const QString &path) const { return m_nginx.url(path); }
    QString appFolder() const { return m_app.path(); }

private:
    QTemporaryDir m_app;
    QTemporaryDir m_web;
    NginxServer m_nginx;
};
