#include "tests/update/releasekit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>

#include <climits>

namespace {

bool writeFiles(const QString &folder, const ReleaseKit::Files &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!ReleaseKit::writeFile(QDir(folder).filePath(it.key()), it.value()))
            return false;
    }
    return true;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// 2 minutes for the tool's start and small builds, and 4 s for every MiB on top: packing at level 5
// takes about a second per MiB on two busy cores.
qint64 publishTimeLimitMs(qint64 buildBytes)
{
    return 120000 + buildBytes / (1024 * 1024) * 4000;
}

qint64 bytesOf(const ReleaseKit::Files &files)
{
    qint64 bytes = 0;
    for (const QByteArray &content : files)
        bytes += content.size();
    return bytes;
}

} // namespace

QByteArray ReleaseKit::randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QString ReleaseKit::sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

bool ReleaseKit::writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QUrl ReleaseKit::url(const QString &name) const
{
    return m_base.resolved(QUrl(name));
}

QString ReleaseKit::publishedPath(const QString &name) const
{
    return QDir(m_publish).filePath(name);
}

QString ReleaseKit::build(const QString &name, const Files &files)
{
    const QString folder = m_staging.filePath(name);
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder) && writeFiles(folder, files) ? folder : QString();
}

QJsonObject ReleaseKit::publish(const QStringList &arguments, qint64 buildBytes, const QString &product,
                                const QString &id, bool torrent)
{
    QString base = m_base.toString();
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    QStringList options{"--product", product, "--id", id, "--base-url", base, "--replace"};
    if (!m_signingKey.isEmpty())
        options << "--key" << m_signingKey;
    if (!runTool(arguments + options, buildBytes))
        return QJsonObject();
    const QJsonArray contents = readJson(publishedPath(QStringLiteral("update.json")))
                                    .value(product)
                                    .toObject()
                                    .value("content")
                                    .toArray();
    for (const QJsonValue &value : contents) {
        QJsonObject content = value.toObject();
        if (content.value(QStringLiteral("id")).toString() != id)
            continue;
        if (!torrent) {
            content.remove(QStringLiteral("torrent"));
            content.remove(QStringLiteral("torrents"));
        }
        return content;
    }
    return QJsonObject();
}

QJsonObject ReleaseKit::full(const QString &id, const QString &versionTo, const Files &files, bool torrent,
                             const QString &product)
{
    const QString folder = build(id, files);
    if (folder.isEmpty())
        return QJsonObject();
    return publish({"full", "--version", versionTo, folder, m_publish}, bytesOf(files), product, id, torrent);
}

QJsonObject ReleaseKit::patch(const QString &id, const QString &versionFrom, const QString &versionTo,
                              const Files &oldFiles, const Files &newFiles, bool torrent)
{
    const QString oldFolder = build(id + QStringLiteral("-old"), oldFiles);
    const QString newFolder = build(id + QStringLiteral("-new"), newFiles);
    if (oldFolder.isEmpty() || newFolder.isEmpty())
        return QJsonObject();
    return publish({"patch", "--from", versionFrom, "--to", versionTo, oldFolder, newFolder, m_publish},
                   bytesOf(oldFiles) + bytesOf(newFiles), QStringLiteral("gd7"), id, torrent);
}

QJsonObject ReleaseKit::product(const QString &version, const QList<QJsonObject> &contents)
{
    QJsonArray array;
    for (const QJsonObject &content : contents)
        array.append(content);
    return QJsonObject{{"version", version}, {"content", array}};
}

bool ReleaseKit::publishManifest(const QJsonObject &manifest) const
{
    return writeFile(publishedPath(QStringLiteral("update.json")), QJsonDocument(manifest).toJson()) &&
           (m_signingKey.isEmpty() || sign(m_signingKey));
}

bool ReleaseKit::runTool(const QStringList &arguments, qint64 buildBytes, QByteArray *output)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral(GD7_PUBLISH), arguments);
    if (!tool.waitForFinished(int(qMin<qint64>(publishTimeLimitMs(buildBytes), INT_MAX))) ||
        tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (output)
        *output = tool.readAllStandardOutput();
    return true;
}

QString ReleaseKit::generateKey(const QString &keyFile)
{
    QByteArray output;
    return runTool({"keygen", keyFile}, 0, &output) ? QString::fromLatin1(output).trimmed() : QString();
}

bool ReleaseKit::sign(const QString &keyFile) const
{
    return runTool({"sign", m_publish, "--key", keyFile});
}

QMap<QString, QString> ReleaseKit::digestsBelow(const QString &folder)
{
    QMap<QString, QString> digests;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            digests.insert(QDir(folder).relativeFilePath(path), sha1(file.readAll()));
    }
    return digests;
}

QMap<QString, QString> ReleaseKit::digestsOf(const Files &files)
{
    QMap<QString, QString> digests;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        digests.insert(it.key(), sha1(it.value()));
    return digests;
}
