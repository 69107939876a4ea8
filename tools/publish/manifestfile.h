#pragma once

#include <QJsonObject>
#include <QString>

// The release's "update.json" being edited: contents added or replaced by id, product version and
// size set. Saved through a temporary file renamed over the old one, so readers and a failed run
// only ever see a whole manifest. Every save gives it the next "serial"; launchers with the
// publisher's keys refuse a manifest older than one they accepted, so an old release cannot be
// replayed.
class ManifestFile
{
public:
    // A missing file starts an empty manifest; an unreadable or malformed one is an error.
    bool load(const QString &path, QString &error);
    // Signs with signingKey (PEM, see SigningKey) into "update.json.sig". A signed release is
    // never left with a stale signature: without a key its rewrite is refused.
    bool save(const QByteArray &signingKey, QString &error);
    qint64 serial() const;

    bool hasContent(const QString &product, const QString &id) const;
    // Replaces the content with the same "id", or appends it.
    void putContent(const QString &product, const QJsonObject &content);
    bool removeContent(const QString &product, const QString &id);

    QString version(const QString &product) const;
    void setVersion(const QString &product, const QString &version);
    void setSize(const QString &product, qint64 size);
    // Sets "version" and "size" when version is not older than the product's current one.
    void advance(const QString &product, const QString &version, qint64 size);

    const QJsonObject &json() const { return m_json; }

private:
    QJsonObject product(const QString &name) const { return m_json.value(name).toObject(); }
    void setProduct(const QString &name, const QJsonObject &object) { m_json.insert(name, object); }

    QString m_path;
    QJsonObject m_json;
};
