#include "tools/publish/manifestfile.h"

#include "app/version.h"

#include "update/manifestsignature.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {
const QString ContentKey = QStringLiteral("content");
const QString IdKey = QStringLiteral("id");
const QString SerialKey = QStringLiteral("serial");

bool writeWhole(const QString &path, const QByteArray &data, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString());
        return false;
    }
    return true;
}

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

bool ManifestFile::save(const QByteArray &signingKey, QString &error)
{
    const QString signaturePath = ManifestSignature::signatureName(m_path);
    if (signingKey.isEmpty() && QFileInfo::exists(signaturePath)) {
        error = QStringLiteral("the release is signed (%1): give --key to sign it again").arg(signaturePath);
        return false;
    }
    m_json.insert(SerialKey, static_cast<double>(serial() + 1));
    const QByteArray text = QJsonDocument(m_json).toJson(QJsonDocument::Indented);
    QByteArray signature;
    if (!signingKey.isEmpty()) {
        signature = ManifestSignature::sign(text, signingKey);
        if (signature.isEmpty()) {
            error = QStringLiteral("cannot sign the manifest with the given key");
            return false;
        }
    }
    // The signature goes first: a launcher reading in between sees a mismatch and tries the next
    // mirror, never a manifest it would take for signed.
    return (signature.isEmpty() || writeWhole(signaturePath, signature, error)) &&
           writeWhole(m_path, text, error);
}

qint64 ManifestFile::serial() const
{
    return static_cast<qint64>(m_json.value(SerialKey).toDouble());
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
