#include "tools/publish/contentpublisher.h"

#include "tools/publish/signingkey.h"
#include "tools/publish/torrentmaker.h"
#include "update/contentdigest.h"
#include "update/contentselection.h"
#include "update/manifestsignature.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QUrl>

namespace {

const QString ProductOption = QStringLiteral("product");
const QString PlatformOption = QStringLiteral("platform");
const QString BaseUrlOption = QStringLiteral("base-url");
const QString IdOption = QStringLiteral("id");
const QString ReplaceOption = QStringLiteral("replace");

bool validBaseUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

bool validId(const QString &id)
{
    return !id.isEmpty() && !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\')) &&
           !id.startsWith(QLatin1Char('.'));
}

} // namespace

void ContentPublisher::addOptions(QCommandLineParser &parser)
{
    parser.addOption({ProductOption, QStringLiteral("Product id in update.json (default gd7, the game)."),
                      QStringLiteral("id"), QStringLiteral("gd7")});
    parser.addOption(
        {PlatformOption,
         QStringLiteral("Content platform (default %1, the platform this runs on).").arg(nativePlatform()),
         QStringLiteral("name"), nativePlatform()});
    parser.addOption({BaseUrlOption,
                      QStringLiteral("URL of the release folder on one mirror; repeat for more mirrors."),
                      QStringLiteral("url")});
    parser.addOption({IdOption, QStringLiteral("Content id (default derived from product and versions)."),
                      QStringLiteral("id")});
    parser.addOption({ReplaceOption, QStringLiteral("Replace a content with the same id.")});
    SigningKey::addOption(parser);
}

bool ContentPublisher::readOptions(const QCommandLineParser &parser, const QString &defaultId, QString &error)
{
    m_product = parser.value(ProductOption);
    m_platform = parser.value(PlatformOption);
    m_id = parser.isSet(IdOption) ? parser.value(IdOption) : defaultId;
    m_replace = parser.isSet(ReplaceOption);
    if (!SigningKey::readOption(parser, m_signingKey, error))
        return false;
    m_baseUrls.clear();
    for (QString base : parser.values(BaseUrlOption)) {
        if (!validBaseUrl(base)) {
            error = QStringLiteral("--base-url: not an http(s) URL: \"%1\"").arg(base);
            return false;
        }
        while (base.endsWith(QLatin1Char('/')))
            base.chop(1);
        m_baseUrls.append(base);
    }
    if (m_baseUrls.isEmpty()) {
        error = QStringLiteral("--base-url is required");
        return false;
    }
    if (m_product.isEmpty() || m_platform.isEmpty()) {
        error = QStringLiteral("--product and --platform must not be empty");
        return false;
    }
    if (!validId(m_id)) {
        error = QStringLiteral("--id: not usable as a file name: \"%1\"").arg(m_id);
        return false;
    }
    return true;
}

bool ContentPublisher::begin(const QString &releaseFolder, const QStringList &extraItems, QString &error)
{
    m_extraItems = extraItems;
    const QString manifestPath = QDir(releaseFolder).absoluteFilePath(QStringLiteral("update.json"));
    if (!m_manifest.load(manifestPath, error))
        return false;
    // Found now rather than after the archive is made: a signed release is rewritten only signed.
    if (m_signingKey.isEmpty() && QFileInfo::exists(ManifestSignature::signatureName(manifestPath))) {
        error = QStringLiteral("the release is signed: give --key to sign it again");
        return false;
    }
    if (!m_replace && m_manifest.hasContent(m_product, m_id)) {
        error = QStringLiteral("content %1 is already in %2 (use --replace)").arg(m_id, manifestPath);
        return false;
    }
    if (!m_staging.begin(releaseFolder, m_id, error))
        return false;
    const QStringList existing = m_staging.existing(items());
    if (!m_replace && !existing.isEmpty()) {
        error =
            QStringLiteral("release already has %1 (use --replace)").arg(existing.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

QStringList ContentPublisher::urls(const QString &relative) const
{
    QStringList result;
    for (const QString &base : m_baseUrls)
        result.append(base + QLatin1Char('/') + relative);
    return result;
}

QStringList ContentPublisher::items() const
{
    return QStringList{archiveName(), archiveName() + QStringLiteral(".torrent")} + m_extraItems;
}

bool ContentPublisher::finish(QJsonObject entry, const QString &versionTo, qint64 productSize, QString &error)
{
    const QString archive = m_staging.path(archiveName());
    const QString torrentName = archiveName() + QStringLiteral(".torrent");
    QString infoHash;
    if (!makeFileTorrent(archive, urls(archiveName()), m_staging.path(torrentName), infoHash, error))
        return false;
    entry.insert(QStringLiteral("id"), m_id);
    entry.insert(QStringLiteral("name"), archiveName());
    entry.insert(QStringLiteral("platform"), m_platform);
    entry.insert(QStringLiteral("version_to"), versionTo);
    entry.insert(QStringLiteral("size"), static_cast<double>(QFileInfo(archive).size()));
    const QString sha256 = ContentDigest::fileSha256(archive);
    if (sha256.isEmpty()) {
        error = QStringLiteral("cannot read %1").arg(archive);
        return false;
    }
    entry.insert(QStringLiteral("sha256"), sha256);
    entry.insert(QStringLiteral("http"), QJsonArray::fromStringList(urls(archiveName())));
    entry.insert(QStringLiteral("torrent"), infoHash);
    entry.insert(QStringLiteral("torrents"), QJsonArray::fromStringList(urls(torrentName)));
    if (!m_staging.commit(items(), error))
        return false;
    m_manifest.putContent(m_product, entry);
    m_manifest.advance(m_product, versionTo, productSize);
    return m_manifest.save(m_signingKey, error);
}
