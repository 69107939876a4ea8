#include "tools/publish/manifestcommand.h"

#include "tools/publish/commandline.h"
#include "tools/publish/manifestfile.h"
#include "tools/publish/signingkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool readContent(const QString &path, QJsonObject &content, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    content = document.object();
    if (content.value(QStringLiteral("id")).toString().isEmpty()) {
        error = QStringLiteral("not a content object with an \"id\": %1").arg(path);
        return false;
    }
    return true;
}

bool applyEdits(const QCommandLineParser &parser, const QString &product, ManifestFile &manifest,
                QString &error)
{
    for (const QString &id : parser.values(QStringLiteral("remove-content"))) {
        if (!manifest.removeContent(product, id)) {
            error = QStringLiteral("no content %1 in product %2").arg(id, product);
            return false;
        }
    }
    for (const QString &path : parser.values(QStringLiteral("add-content"))) {
        QJsonObject content;
        if (!readContent(path, content, error))
            return false;
        manifest.putContent(product, content);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QString version;
        if (!versionOption(parser, QStringLiteral("version"), version, error))
            return false;
        manifest.setVersion(product, version);
    }
    if (parser.isSet(QStringLiteral("size"))) {
        bool ok = false;
        const qint64 size = parser.value(QStringLiteral("size")).toLongLong(&ok);
        if (!ok || size < 0) {
            error =
                QStringLiteral("--size: not a byte count: \"%1\"").arg(parser.value(QStringLiteral("size")));
            return false;
        }
        manifest.setSize(product, size);
    }
    return true;
}

} // namespace

int runManifestCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder holding update.json."));
    parser.addOption({QStringLiteral("product"), QStringLiteral("Product id (default gd7)."),
                      QStringLiteral("id"), QStringLiteral("gd7")});
    parser.addOption(
        {QStringLiteral("add-content"),
         QStringLiteral("Add a content object read from a JSON file, replacing one with the same id."),
         QStringLiteral("file")});
    parser.addOption({QStringLiteral("remove-content"), QStringLiteral("Remove the content with this id."),
                      QStringLiteral("id")});
    parser.addOption(
        {QStringLiteral("version"), QStringLiteral("Set the product's version."), QStringLiteral("version")});
    parser.addOption({QStringLiteral("size"), QStringLiteral("Set the product's installed size in bytes."),
                      QStringLiteral("bytes")});
    SigningKey::addOption(parser);
    const int parsed = parseCommand(
        parser, args, 1, QStringLiteral("Edits update.json of a release folder; prints the result."));
    if (parsed >= 0)
        return parsed;
    const QString release = parser.positionalArguments().at(1);
    if (!QFileInfo(release).isDir())
        return fail(QStringLiteral("not a folder: %1").arg(release));
    ManifestFile manifest;
    QString error;
    QByteArray signingKey;
    if (!SigningKey::readOption(parser, signingKey, error))
        return usageError(error);
    if (!manifest.load(QDir(release).absoluteFilePath(QStringLiteral("update.json")), error))
        return fail(error);
    if (!applyEdits(parser, parser.value(QStringLiteral("product")), manifest, error))
        return fail(error);
    if (!manifest.save(signingKey, error))
        return fail(error);
    printOut(QString::fromUtf8(QJsonDocument(manifest.json()).toJson(QJsonDocument::Indented)).trimmed());
    return ExitOk;
}
