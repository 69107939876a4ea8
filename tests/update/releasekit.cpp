#include "tests/update/releasekit.h"

#include "patch/jdiffencoder.h"
#include "patch/sevenzip.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <libtorrent/bencode.hpp>
#include <libtorrent/create_torrent.hpp>

namespace {

QByteArray makeSingleFileTorrent(const QString &file)
{
    lt::file_storage files;
    lt::add_files(files, QFileInfo(file).absoluteFilePath().toStdString());
    lt::create_torrent creator(files, 16 * 1024, lt::create_torrent::v1_only);
    lt::error_code error;
    lt::set_piece_hashes(creator, QFileInfo(file).absolutePath().toStdString(), error);
    if (error)
        return QByteArray();
    std::vector<char> bytes;
    lt::bencode(std::back_inserter(bytes), creator.generate());
    return QByteArray(bytes.data(), static_cast<int>(bytes.size()));
}

bool writeFiles(const QString &folder, const ReleaseKit::Files &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!ReleaseKit::writeFile(QDir(folder).filePath(it.key()), it.value()))
            return false;
    }
    return true;
}

} // namespace

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

QString ReleaseKit::stagingFolder(const QString &id)
{
    return m_staging.filePath(id);
}

bool ReleaseKit::packFolder(const QString &folder, const QString &name)
{
    return sevenZipPack(publishedPath(name), folder, m_staging.path(), nullptr);
}

QJsonObject ReleaseKit::record(const QString &id, const QString &versionFrom, const QString &versionTo,
                               bool torrent)
{
    const QString name = id + QStringLiteral(".7z");
    QJsonObject content{{"id", id},
                        {"name", name},
                        {"platform", "linux64"},
                        {"version_to", versionTo},
                        {"size", QFileInfo(publishedPath(name)).size()},
                        {"http", QJsonArray{url(name).toString()}}};
    if (!versionFrom.isEmpty())
        content.insert(QStringLiteral("version_from"), versionFrom);
    if (torrent) {
        const QByteArray metadata = makeSingleFileTorrent(publishedPath(name));
        if (metadata.isEmpty() || !writeFile(publishedPath(name + QStringLiteral(".torrent")), metadata))
            return QJsonObject();
        content.insert(QStringLiteral("torrent"), QStringLiteral("yes"));
        content.insert(QStringLiteral("torrents"),
                       QJsonArray{url(name + QStringLiteral(".torrent")).toString()});
    }
    return content;
}

QJsonObject ReleaseKit::full(const QString &id, const QString &versionTo, const Files &files, bool torrent)
{
    const QString folder = stagingFolder(id);
    if (!writeFiles(folder, files) || !packFolder(folder, id + QStringLiteral(".7z")))
        return QJsonObject();
    return record(id, QString(), versionTo, torrent);
}

QJsonObject ReleaseKit::patch(const QString &id, const QString &versionFrom, const QString &versionTo,
                              const Files &oldFiles, const Files &newFiles, bool torrent)
{
    const QString folder = stagingFolder(id);
    const QString oldFolder = stagingFolder(id + QStringLiteral("_old"));
    const QString newFolder = stagingFolder(id + QStringLiteral("_new"));
    if (!writeFiles(oldFolder, oldFiles) || !writeFiles(newFolder, newFiles))
        return QJsonObject();
    QJsonArray modified;
    QJsonArray added;
    QJsonArray removed;
    for (auto it = newFiles.cbegin(); it != newFiles.cend(); ++it) {
        const QString target = QDir(folder).filePath(it.key());
        QDir().mkpath(QFileInfo(target).path());
        if (!oldFiles.contains(it.key())) {
            if (!writeFile(target, it.value()))
                return QJsonObject();
            added.append(QJsonObject{{"path", it.key()}});
        } else if (oldFiles.value(it.key()) != it.value()) {
            if (jdiff::createPatchFile(QDir(oldFolder).filePath(it.key()), QDir(newFolder).filePath(it.key()),
                                       target) != jdiff::EncodeOk)
                return QJsonObject();
            modified.append(QJsonObject{{"path", it.key()},
                                        {"size", it.value().size()},
                                        {"sha1_old", sha1(oldFiles.value(it.key()))},
                                        {"sha1_new", sha1(it.value())}});
        }
    }
    for (auto it = oldFiles.cbegin(); it != oldFiles.cend(); ++it) {
        if (!newFiles.contains(it.key()))
            removed.append(QJsonObject{{"path", it.key()}});
    }
    const QJsonObject config{
        {"version_from", versionFrom},
        {"version_to", versionTo},
        {"patch", QJsonObject{{"modified", modified}, {"added", added}, {"removed", removed}}}};
    if (!writeFile(QDir(folder).filePath(QStringLiteral("patch.conf")), QJsonDocument(config).toJson()) ||
        !packFolder(folder, id + QStringLiteral(".7z")))
        return QJsonObject();
    return record(id, versionFrom, versionTo, torrent);
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
    return writeFile(publishedPath(QStringLiteral("update.json")), QJsonDocument(manifest).toJson());
}
