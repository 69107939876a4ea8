#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// Test-only releases of the game and the launcher, published into a folder that a web server
// serves: 7z full packages, patch packages with JojoDiff streams checked by SHA-1, single-file
// torrents whose web seed is the archive's HTTP location, and the manifest that names them.
class ReleaseKit
{
public:
    using Files = QMap<QString, QByteArray>;

    explicit ReleaseKit(const QString &publishFolder) : m_publish(publishFolder) {}
    void setBaseUrl(const QUrl &base) { m_base = base; }

    // Each returns the content's manifest record, or an empty object when building failed.
    QJsonObject full(const QString &id, const QString &versionTo, const Files &files, bool torrent);
    QJsonObject patch(const QString &id, const QString &versionFrom, const QString &versionTo,
                      const Files &oldFiles, const Files &newFiles, bool torrent);

    // The product record; contents in the given order.
    static QJsonObject product(const QString &version, const QList<QJsonObject> &contents);
    bool publishManifest(const QJsonObject &manifest) const;
    QUrl manifestUrl() const { return url(QStringLiteral("update.json")); }
    QUrl url(const QString &name) const;
    QString publishedPath(const QString &name) const;

    static QString sha1(const QByteArray &bytes);
    static bool writeFile(const QString &path, const QByteArray &bytes);

private:
    bool packFolder(const QString &folder, const QString &name);
    QJsonObject record(const QString &id, const QString &versionFrom, const QString &versionTo, bool torrent);
    QString stagingFolder(const QString &id);

    QString m_publish;
    QUrl m_base;
    QTemporaryDir m_staging;
};
