#pragma once

#include "tools/publish/manifestfile.h"
#include "tools/publish/releasestaging.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What full and patch packages share: the options naming the product, platform and mirrors, the
// staging of the archive and its torrent, and the manifest entry written last.
class ContentPublisher
{
public:
    static void addOptions(QCommandLineParser &parser);
    // Reads the shared options; defaultId is used when --id is not given.
    bool readOptions(const QCommandLineParser &parser, const QString &defaultId, QString &error);

    // Loads the manifest and opens the staging folder; refuses to overwrite a content without
    // --replace. extraItems are the further release items the content will own.
    bool begin(const QString &releaseFolder, const QStringList &extraItems, QString &error);

    QString id() const { return m_id; }
    QString product() const { return m_product; }
    QString archiveName() const { return m_id + QStringLiteral(".7z"); }
    QString stagingPath(const QString &relative) const { return m_staging.path(relative); }
    // The URLs of a release item on every mirror.
    QStringList urls(const QString &relative) const;

    // Makes the archive's torrent, moves everything into the release and writes the manifest
    // with entry (completed by the common members) and the product's new version and size.
    bool finish(QJsonObject entry, const QString &versionTo, qint64 productSize, QString &error);

private:
    QStringList items() const;

    QString m_product;
    QString m_platform;
    QString m_id;
    QStringList m_baseUrls;
    bool m_replace = false;
    QByteArray m_signingKey;
    QStringList m_extraItems;
    ManifestFile m_manifest;
    ReleaseStaging m_staging;
};
