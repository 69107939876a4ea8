#pragma once

#include "app/jsonwrapper.h"
#include "app/version.h"

// One downloadable archive of a product: a full package, or a patch package when
// "version_from" names a valid version.
class UpdateContent : public JsonWrapper
{
public:
    using JsonWrapper::JsonWrapper;

    QString id() const { return string(QStringLiteral("id")); }
    QString name() const { return string(QStringLiteral("name")); }
    QString platform() const { return string(QStringLiteral("platform")); }
    Version versionFrom() const { return parseVersion(string(QStringLiteral("version_from"))); }
    Version versionTo() const { return parseVersion(string(QStringLiteral("version_to"))); }
    qint64 size() const { return integer64(QStringLiteral("size")); }
    // SHA-256 of the archive (hexadecimal); empty in manifests of older publishers.
    QString sha256() const { return string(QStringLiteral("sha256")); }
    bool isFull() const { return !versionFrom().isValid(); }

    QList<QUrl> http() const { return urlList(QStringLiteral("http")); }
    QList<QUrl> torrents() const { return urlList(QStringLiteral("torrents")); }
    QList<QUrl> recoverHttp() const { return urlList(QStringLiteral("recover_http")); }
    QList<QUrl> recoverTorrents() const { return urlList(QStringLiteral("recover_torrents")); }

    bool hasHttp() const { return !http().isEmpty(); }
    bool hasTorrent() const { return !string(QStringLiteral("torrent")).trimmed().isEmpty(); }
    bool hasRecoverHttp() const { return !recoverHttp().isEmpty(); }
    bool hasRecoverTorrents() const { return !recoverTorrents().isEmpty(); }
};
