#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// Releases of the game and the launcher for the tests, published by gd7-publish into a folder
// that a web server serves. Builds are given as file maps; the manifest is composed by the test
// from the content records the tool wrote, so that a test can leave contents out or reorder
// them.
class ReleaseKit
{
public:
    using Files = QMap<QString, QByteArray>;

    explicit ReleaseKit(const QString &publishFolder) : m_publish(publishFolder) {}
    void setBaseUrl(const QUrl &base) { m_base = base; }
    // With a key (from generateKey), publishing signs update.json as the publisher would.
    void setSigningKey(const QString &keyFile) { m_signingKey = keyFile; }
    // Runs "gd7-publish keygen"; returns the base64 public key, empty on failure.
    static QString generateKey(const QString &keyFile);
    // Gives update.json the next serial and signs it with keyFile.
    bool sign(const QString &keyFile) const;

    // Each returns the content's manifest record, or an empty object when publishing failed.
    // Without torrent the record loses "torrent" and "torrents", so the launcher takes its plain
    // HTTP path.
    QJsonObject full(const QString &id, const QString &versionTo, const Files &files, bool torrent,
                     const QString &product = QStringLiteral("gd7"));
    QJsonObject patch(const QString &id, const QString &versionFrom, const QString &versionTo,
                      const Files &oldFiles, const Files &newFiles, bool torrent);

    // The product record; contents in the given order.
    static QJsonObject product(const QString &version, const QList<QJsonObject> &contents);
    // Signed as well when the kit has a key.
    bool publishManifest(const QJsonObject &manifest) const;
    QUrl manifestUrl() const { return url(QStringLiteral("update.json")); }
    QUrl url(const QString &name) const;
    QString publishedPath(const QString &name) const;

    static QString sha1(const QByteArray &bytes);
    // Repeatable pseudo-random bytes for build files.
    static QByteArray randomBytes(int size, quint32 seed);
    // SHA-1 by relative path: of every file below a folder, and of a build's files.
    static QMap<QString, QString> digestsBelow(const QString &folder);
    static QMap<QString, QString> digestsOf(const Files &files);
    static bool writeFile(const QString &path, const QByteArray &bytes);

private:
    QString build(const QString &name, const Files &files);
    QJsonObject publish(const QStringList &arguments, qint64 buildBytes, const QString &product,
                        const QString &id, bool torrent);

    // Runs gd7-publish, given time in proportion to the bytes of the builds it reads, so that a
    // benchmark's gigabyte is published as surely as a test's kilobytes, and a hung tool still ends
    // the test.
    static bool runTool(const QStringList &arguments, qint64 buildBytes = 0, QByteArray *output = nullptr);

    QString m_publish;
    QUrl m_base;
    QString m_signingKey;
    QTemporaryDir m_staging;
};
