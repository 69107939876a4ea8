#include "tools/publish/signingkey.h"

#include "tools/publish/commandline.h"
#include "tools/publish/manifestfile.h"
#include "update/manifestsignature.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString KeyOption = QStringLiteral("key");

bool writeNewFile(const QString &path, const QByteArray &data, QFileDevice::Permissions permissions,
                  QString &error)
{
    QFile file(path);
    // The permissions are set while the file is still empty, before the key is in it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.setPermissions(permissions) ||
        file.write(data) != data.size() || !file.flush()) {
        error = QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString());
        file.close();
        return false;
    }
    return true;
}

} // namespace

namespace SigningKey {

void addOption(QCommandLineParser &parser)
{
    parser.addOption({KeyOption, QStringLiteral("Sign update.json with this private key (from keygen)."),
                      QStringLiteral("file")});
}

bool readOption(const QCommandLineParser &parser, QByteArray &pem, QString &error)
{
    pem.clear();
    if (!parser.isSet(KeyOption))
        return true;
    const QString path = parser.value(KeyOption);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("--key: cannot read %1").arg(path);
        return false;
    }
    pem = file.readAll();
    if (ManifestSignature::publicKeyOf(pem).isEmpty()) {
        error = QStringLiteral("--key: not an Ed25519 private key: %1").arg(path);
        return false;
    }
    return true;
}

bool generate(const QString &keyFile, QByteArray &publicKey, QString &error)
{
    const QString publicFile = keyFile + QStringLiteral(".pub");
    if (QFileInfo::exists(keyFile) || QFileInfo::exists(publicFile)) {
        error = QStringLiteral("will not overwrite an existing key: %1").arg(keyFile);
        return false;
    }
    QByteArray privatePem;
    if (!ManifestSignature::generateKeyPair(&privatePem, &publicKey)) {
        error = QStringLiteral("cannot generate an Ed25519 key");
        return false;
    }
    if (!writeNewFile(keyFile, privatePem, QFileDevice::ReadOwner | QFileDevice::WriteOwner, error))
        return false;
    return writeNewFile(publicFile, publicKey + '\n',
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther,
                        error);
}

bool readPublicKeys(const QStringList &values, QStringList &keys, QString &error)
{
    for (const QString &value : values) {
        QString key = value;
        QFile file(value);
        if (file.open(QIODevice::ReadOnly))
            key = QString::fromLatin1(file.readAll()).trimmed();
        const auto decoded =
            QByteArray::fromBase64Encoding(key.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || decoded.decoded.size() != 32) {
            error = QStringLiteral("--public-key: not a base64 Ed25519 public key or a .pub file: \"%1\"")
                        .arg(value);
            return false;
        }
        keys.append(key);
    }
    return true;
}

} // namespace SigningKey

int runKeygenCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("keyfile"),
        QStringLiteral("Private key file to create; the public key goes to KEYFILE.pub."));
    const int parsed = parseCommand(parser, args, 1,
                                    QStringLiteral("Makes an Ed25519 key pair for signing update.json and "
                                                   "prints the public key for the deployment's "
                                                   "\"manifest_keys\"."));
    if (parsed >= 0)
        return parsed;
    QByteArray publicKey;
    QString error;
    if (!SigningKey::generate(parser.positionalArguments().at(1), publicKey, error))
        return fail(error);
    printOut(QString::fromLatin1(publicKey));
    return ExitOk;
}

int runSignCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder holding update.json."));
    SigningKey::addOption(parser);
    const int parsed = parseCommand(parser, args, 1,
                                    QStringLiteral("Gives update.json the next serial and writes its "
                                                   "signature, update.json.sig, beside it."));
    if (parsed >= 0)
        return parsed;
    QByteArray pem;
    QString error;
    if (!SigningKey::readOption(parser, pem, error))
        return usageError(error);
    if (pem.isEmpty())
        return usageError(QStringLiteral("--key is required"));
    const QString manifestPath =
        QDir(parser.positionalArguments().at(1)).absoluteFilePath(QStringLiteral("update.json"));
    if (!QFileInfo::exists(manifestPath))
        return fail(QStringLiteral("no manifest to sign: %1").arg(manifestPath));
    ManifestFile manifest;
    if (!manifest.load(manifestPath, error) || !manifest.save(pem, error))
        return fail(error);
    printOut(QStringLiteral("signed %1 (serial %2)").arg(manifestPath).arg(manifest.serial()));
    return ExitOk;
}
