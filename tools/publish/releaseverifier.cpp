#include "tools/publish/releaseverifier.h"

#include "app/paths.h"
#include "app/version.h"
#include "patch/filesha1.h"
#include "patch/patch.h"
#include "patch/sevenzip.h"
#include "tools/publish/buildfiles.h"
#include "tools/publish/torrentmaker.h"
#include "update/contentdigest.h"
#include "update/manifestsignature.h"
#include "update/productupdateinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

const QString PackageName = QStringLiteral("package.conf");

QMap<QString, QString> digestsOf(const QString &folder, QString &error)
{
    QList<BuildFile> files;
    QMap<QString, QString> digests;
    if (!listBuildFiles(folder, files, error))
        return digests;
    for (const BuildFile &file : files)
        digests.insert(file.path, file.sha1);
    return digests;
}

QString decoded(const QUrl &url)
{
    return QUrl::fromPercentEncoding(url.toEncoded());
}

} // namespace

ReleaseVerifier::ReleaseVerifier(const QString &releaseFolder) : m_release(QDir(releaseFolder).absolutePath())
{}

bool ReleaseVerifier::verify()
{
    QFile file(Paths::joinPath(m_release, QStringLiteral("update.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        problem(QStringLiteral("cannot read %1").arg(file.fileName()));
        return false;
    }
    const QByteArray text = file.readAll();
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject() || document.object().isEmpty()) {
        problem(QStringLiteral("%1 is not a manifest").arg(file.fileName()));
        return false;
    }
    if (!m_work.isValid()) {
        problem(QStringLiteral("cannot create a work folder"));
        return false;
    }
    if (!m_publicKeys.isEmpty())
        verifySignature(file.fileName(), text);
    const QJsonObject manifest = document.object();
    for (auto it = manifest.begin(); it != manifest.end(); ++it) {
        // Products are objects; "serial" and other top-level values are not.
        if (it.value().isObject())
            verifyProduct(it.key(), it.value().toObject());
    }
    return m_problems.isEmpty();
}

void ReleaseVerifier::verifyProduct(const QString &product, const QJsonObject &object)
{
    m_builds.clear();
    ProductUpdateInfo info;
    info.setJson(object);
    const QString version = info.string(QStringLiteral("version"));
    bool versionOffered = false;
    QList<UpdateContent> patches;
    for (const UpdateContent &content : info.contents()) {
        versionOffered = versionOffered || content.versionTo() == parseVersion(version);
        const QString unpacked = unpackedFolder(product, content);
        if (!verifyArchive(content, unpacked))
            continue;
        ++m_checked;
        if (!content.isFull()) {
            patches.append(content);
            continue;
        }
        if (content.hasRecoverHttp() || content.hasRecoverTorrents())
            verifyRecovery(content, unpacked);
        m_builds.insert(formatVersion(content.versionTo()), unpacked);
    }
    if (!parseVersion(version).isValid() || !versionOffered)
        problem(
            QStringLiteral("%1: no content brings the product to its version \"%2\"").arg(product, version));
    verifyPatches(product, patches);
    compareReferences(product);
}

void ReleaseVerifier::compareReferences(const QString &product)
{
    for (auto it = m_references.constBegin(); it != m_references.constEnd(); ++it) {
        if (it.key().first != product)
            continue;
        if (!m_builds.contains(it.key().second))
            problem(QStringLiteral("%1: no content reaches version %2").arg(product, it.key().second));
        else
            compareBuilds(product + QLatin1Char(' ') + it.key().second +
                              QStringLiteral(" built from the release"),
                          it.value(), m_builds.value(it.key().second));
    }
}

void ReleaseVerifier::verifySignature(const QString &manifestPath, const QByteArray &text)
{
    QFile signature(ManifestSignature::signatureName(manifestPath));
    if (!signature.open(QIODevice::ReadOnly))
        problem(QStringLiteral("%1 is not signed").arg(manifestPath));
    else if (!ManifestSignature::verify(text, signature.readAll(), m_publicKeys))
        problem(QStringLiteral("%1 has no valid signature by the given keys").arg(manifestPath));
}

bool ReleaseVerifier::verifyArchive(const UpdateContent &content, const QString &unpacked)
{
    const QString id = content.id();
    if (id.isEmpty() || !content.versionTo().isValid() || !content.hasHttp()) {
        problem(QStringLiteral("content \"%1\" lacks an id, a \"version_to\" or \"http\" locations").arg(id));
        return false;
    }
    const QString archive = localPath(content, content.http().first());
    if (QFileInfo(archive).size() != content.size() || !QFileInfo(archive).isFile()) {
        problem(
            QStringLiteral("%1: archive %2 is missing or not %3 bytes").arg(id, archive).arg(content.size()));
        return false;
    }
    if (content.sha256().isEmpty())
        m_notes.append(QStringLiteral("%1: no \"sha256\" (launchers cannot check the archive)").arg(id));
    else if (ContentDigest::fileSha256(archive) != content.sha256())
        problem(QStringLiteral("%1: archive %2 does not match its \"sha256\"").arg(id, archive));
    if (content.hasTorrent())
        verifyTorrent(content, archive);
    if (!sevenZipExtract(archive, unpacked, nullptr)) {
        problem(QStringLiteral("%1: archive %2 does not unpack").arg(id, archive));
        return false;
    }
    return true;
}

void ReleaseVerifier::verifyTorrent(const UpdateContent &content, const QString &archive)
{
    const QString id = content.id();
    const QString torrent = localPath(content, content.torrents().value(0));
    QString error;
    QString infoHash;
    if (torrent.isEmpty())
        problem(QStringLiteral("%1: no \"torrents\" location in this release").arg(id));
    else if (!checkTorrent(torrent, QFileInfo(archive).path(), infoHash, error))
        problem(id + QStringLiteral(": ") + error);
    else if (infoHash != content.string(QStringLiteral("torrent")))
        problem(QStringLiteral("%1: torrent %2 is not the one the manifest names").arg(id, torrent));
}

void ReleaseVerifier::verifyRecovery(const UpdateContent &content, const QString &unpacked)
{
    const QString id = content.id();
    const QString tree = localPath(content, content.recoverHttp().value(0));
    if (tree.isEmpty()) {
        problem(QStringLiteral("%1: \"recover_http\" does not point into this release").arg(id));
        return;
    }
    const QString folder = Paths::joinPath(tree, id);
    QFile package(Paths::joinPath(folder, PackageName));
    const QJsonArray entries =
        package.open(QIODevice::ReadOnly)
            ? QJsonDocument::fromJson(package.readAll()).object().value(QStringLiteral("content")).toArray()
            : QJsonArray();
    if (entries.isEmpty())
        problem(QStringLiteral("%1: %2 is missing or lists no files").arg(id, package.fileName()));
    QString error;
    const QMap<QString, QString> build = digestsOf(unpacked, error);
    QMap<QString, QString> listed;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString path = entry.value(QStringLiteral("path")).toString();
        const QString sha1 = entry.value(QStringLiteral("sha1")).toString();
        listed.insert(path, sha1);
        if (fileSha1(Paths::joinPath(folder, path)) != sha1)
            problem(QStringLiteral("%1: recovery file %2 does not match package.conf").arg(id, path));
    }
    if (!entries.isEmpty() && listed != build)
        problem(QStringLiteral("%1: package.conf does not describe the full package's files").arg(id));
    const QString torrent = localPath(content, content.recoverTorrents().value(0));
    if (torrent.isEmpty())
        problem(QStringLiteral("%1: \"recover_torrents\" does not point into this release").arg(id));
    else if (QString infoHash; !checkTorrent(torrent, tree, infoHash, error))
        problem(id + QStringLiteral(": ") + error);
}

void ReleaseVerifier::verifyPatches(const QString &product, QList<UpdateContent> patches)
{
    std::sort(patches.begin(), patches.end(), [](const UpdateContent &a, const UpdateContent &b) {
        return a.versionFrom() < b.versionFrom();
    });
    for (const UpdateContent &patch : patches) {
        const QString from = formatVersion(patch.versionFrom());
        const QString to = formatVersion(patch.versionTo());
        if (!m_builds.contains(from)) {
            m_notes.append(
                QStringLiteral("%1: no build of %2 in this release to apply it to").arg(patch.id(), from));
            continue;
        }
        const QString result =
            Paths::joinPath(m_work.path(), product + QStringLiteral("/built-") + patch.id());
        if (!applyPatch(patch, unpackedFolder(product, patch), m_builds.value(from), result))
            continue;
        if (m_builds.contains(to))
            compareBuilds(patch.id() + QStringLiteral(" applied"), m_builds.value(to), result);
        else
            m_builds.insert(to, result);
    }
}

bool ReleaseVerifier::applyPatch(const UpdateContent &patch, const QString &package, const QString &fromBuild,
                                 const QString &toBuild)
{
    QString error;
    if (!copyFolder(fromBuild, toBuild, error)) {
        problem(patch.id() + QStringLiteral(": ") + error);
        return false;
    }
    Patch applier(nullptr);
    if (!applier.load(package)) {
        problem(QStringLiteral("%1: no readable patch.conf in the package").arg(patch.id()));
        return false;
    }
    if (parseVersion(applier.config().string(QStringLiteral("version_from"))) != patch.versionFrom()) {
        problem(QStringLiteral("%1: patch.conf starts from another version than the manifest says")
                    .arg(patch.id()));
        return false;
    }
    if (!applier.apply(toBuild, toBuild + QStringLiteral("-work"))) {
        problem(QStringLiteral("%1: does not apply to the build of %2")
                    .arg(patch.id(), formatVersion(patch.versionFrom())));
        return false;
    }
    return true;
}

void ReleaseVerifier::compareBuilds(const QString &what, const QString &expected, const QString &actual)
{
    QString error;
    const QMap<QString, QString> want = digestsOf(expected, error);
    const QMap<QString, QString> got = digestsOf(actual, error);
    if (want != got)
        problem(QStringLiteral("%1: differs from %2").arg(what, expected));
}

QString ReleaseVerifier::localPath(const UpdateContent &content, const QUrl &url) const
{
    QString base = decoded(content.http().value(0));
    if (!base.endsWith(QLatin1Char('/') + content.name()))
        return QString();
    base.chop(content.name().size());
    const QString text = decoded(url);
    if (!text.startsWith(base))
        return QString();
    return Paths::joinPath(m_release, text.mid(base.size()));
}

QString ReleaseVerifier::unpackedFolder(const QString &product, const UpdateContent &content) const
{
    return Paths::joinPath(m_work.path(), product + QLatin1Char('/') + content.id());
}
