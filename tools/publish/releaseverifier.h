#pragma once

#include "update/updatecontent.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Checks one release folder: every content's archive exists with its size and unpacks, its
// torrent hash-checks against it, the recovery file list matches the recovery tree and the full
// build, and every patch package turns the build it starts from into the build it promises.
class ReleaseVerifier
{
public:
    explicit ReleaseVerifier(const QString &releaseFolder);

    // A build folder that the release must reproduce for a product version (from a full package
    // or through patches).
    void addReference(const QString &product, const QString &version, const QString &folder)
    {
        m_references.insert({product, version}, folder);
    }

    // With keys, update.json must carry a valid signature by one of them.
    void setPublicKeys(const QStringList &keys) { m_publicKeys = keys; }

    // Problems found are collected; true when there were none.
    bool verify();
    const QStringList &problems() const { return m_problems; }
    const QStringList &notes() const { return m_notes; }
    // Contents whose archive unpacked.
    int checkedContents() const { return m_checked; }

private:
    void verifySignature(const QString &manifestPath, const QByteArray &text);
    void verifyProduct(const QString &product, const QJsonObject &object);
    bool verifyArchive(const UpdateContent &content, const QString &unpacked);
    void verifyTorrent(const UpdateContent &content, const QString &archive);
    void verifyRecovery(const UpdateContent &content, const QString &unpacked);
    void verifyPatches(const QString &product, QList<UpdateContent> patches);
    bool applyPatch(const UpdateContent &patch, const QString &package, const QString &fromBuild,
                    const QString &toBuild);
    QString unpackedFolder(const QString &product, const UpdateContent &content) const;
    void compareReferences(const QString &product);
    void compareBuilds(const QString &what, const QString &expected, const QString &actual);
    // The file in the release folder that a URL of it names; empty when the URL is elsewhere.
    QString localPath(const UpdateContent &content, const QUrl &url) const;
    void problem(const QString &text) { m_problems.append(text); }

    QString m_release;
    QTemporaryDir m_work;
    QMap<QString, QString> m_builds; // version text -> unpacked build of the product being checked
    QMap<QPair<QString, QString>, QString> m_references; // (product, version) -> build folder
    QStringList m_publicKeys;
    QStringList m_problems;
    QStringList m_notes;
    int m_checked = 0;
};
