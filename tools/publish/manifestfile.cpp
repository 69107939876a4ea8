#include "tools/publish/manifestfile.h"

#include "app/version.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {
const QString ContentKey = QStringLiteral("content");
const QString IdKey = QStringLiteral("id");
} // namespace

bool ManifestFile::load(const QString &path, QString &error)
{
    m_path = path;
    m_json = QJsonObject();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read manifest: %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("manifest is not a JSON object: %1 (%2)").arg(path, parseError.errorString());
        return false;
    }
    m_json = document.object();
    return true;
}

bool ManifestFile::save(QString &error) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write manifest: %1 (%2)").arg(m_path, file.errorString());
        return false;
    }
    file.write(QJsonDocument(m_json).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        error = QStringLiteral("cannot write manifest: %1 (%2)").arg(m_path, file.errorString());
        return false;
    }
    return true;
}

bool ManifestFile::hasContent(const QString &product, const QString &id) const
{
    const QJsonArray contents = this->product(product).value(ContentKey).toArray();
    for (const QJsonValue &content : contents) {
        if (content.toObject().value(IdKey).toString() == id)
            return true;
    }
    return false;
}

void ManifestFile::putContent(const QString &product, const QJsonObject &content)
{
    removeContent(product, content.value(IdKey).toString());
    QJsonObject object = this->product(product);
    QJsonArray contents = object.value(ContentKey).toArray();
    contents.append(content);
    object.insert(ContentKey, contents);
    setProduct(product, object);
}

bool ManifestFile::removeContent(const QString &product, const QString &id)
{
    QJsonObject object = this->product(product);
    QJsonArray contents = object.value(ContentKey).toArray();
    bool removed = false;
    for (int i = contents.size() - 1; i >= 0; --i) {
        if (contents.at(i).toObject().value(IdKey).toString() == id) {
            contents.removeAt(i);
            removed = true;
        }
    }
    if (removed) {
        object.insert(ContentKey, contents);
        setProduct(product, object);
    }
    return removed;
}

QString ManifestFile::version(const QString &product) const
{
    return this->product(product).value(QStringLiteral("version")).toString();
}

void ManifestFile::setVersion(const QString &product, const QString &version)
{
    QJsonObject object = this->product(product);
    object.insert(QStringLiteral("version"), version);
    setProduct(product, object);
}

void ManifestFile::setSize(const QString &product, qint64 size)
{
    QJsonObject object = this->product(product);
    object.insert(QStringLiteral("size"), static_cast<double>(size));
    setProduct(product, object);
}

void ManifestFile::advance(const QString &product, const QString &version, qint64 size)
{
    if (parseVersion(version) < parseVersion(this->version(product)))
        return;
    setVersion(product, version);
    setSize(product, size);
}
