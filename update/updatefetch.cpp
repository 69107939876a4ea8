#include "update/updatefetch.h"

#include "app/logger.h"
#include "net/httpconnection.h"
#include "net/jsondecode.h"
#include "net/partialdownload.h"
#include "update/contentdigest.h"
#include "update/manifestsignature.h"
#include "update/updatemirrors.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString numbered(int index, const char *text, const QString &detail)
{
    QString line;
    QTextStream(&line) << "[" << index << "] " << text << detail;
    return line;
}

QUrl signatureUrl(const QUrl &manifest)
{
    QUrl url = manifest;
    url.setPath(ManifestSignature::signatureName(manifest.path()));
    return url;
}

// Whether the body fetched from mirror j is the publisher's and not older than what was accepted
// before: no failure, or why not (named by a crit line).
FailureReason distrust(int j, const QUrl &url, const QByteArray &body, const UpdateInfo &parsed,
                       net::HttpConnection &connection, const ManifestTrust &trust)
{
    if (trust.keys.isEmpty()) {
        Logger::instance().info(numbered(j, "update info is not signed: ", url.toString()));
        return FailureReason();
    }
    QByteArray signature;
    if (!connection.get(signatureUrl(url), &signature)) {
        Logger::instance().crit(numbered(j, "update info signature missing: ", url.toString()));
        return FailureReason::atUrl(FailureReason::Kind::SignatureInvalid, url);
    }
    if (!ManifestSignature::verify(body, signature, trust.keys)) {
        Logger::instance().crit(numbered(j, "update info signature not valid: ", url.toString()));
        return FailureReason::atUrl(FailureReason::Kind::SignatureInvalid, url);
    }
    const qint64 serial = parsed.serial();
    if (serial < trust.minimumSerial) {
        Logger::instance().crit(numbered(j, "update info replayed: ", url.toString()) +
                                QStringLiteral(" serial ") + QString::number(serial) +
                                QStringLiteral(" older than ") + QString::number(trust.minimumSerial));
        return FailureReason::atUrl(FailureReason::Kind::ManifestReplayed, url);
    }
    return FailureReason();
}

} // namespace

UpdateResult fetchUpdateInfo(const QList<QUrl> &mirrors, UpdateInfo *info, const std::atomic<bool> *stop,
                             const ManifestTrust &trust)
{
    UpdateResult result(UpdateResult::Code::Unknown);
    for (const MirrorList::Attempt &attempt : MirrorList(mirrors, metadataMirrorPolicy())) {
        if (stop && stop->load())
            return {UpdateResult::Code::InfoQueryFailed, FailureReason::cancelled()};
        const int j = attempt.index;
        const QUrl &url = attempt.url;
        std::shared_ptr<net::HttpConnection> connection = net::HttpConnection::create(false);
        connection->setTransferTimeout(attempt.timeoutMs);
        connection->setCancelFlag(stop);
        Logger::instance().info(numbered(j, "download update info: ", url.host(QUrl::FullyDecoded)));
        QByteArray body;
        if (!connection->get(url, &body)) {
            Logger::instance().crit(numbered(j, "download update info fail: ", url.toString()));
            result = {UpdateResult::Code::InfoQueryFailed, connection->failure()};
            continue;
        }
        Logger::instance().info(numbered(j, "download update info success.", QString()));
        QJsonObject document;
        UpdateInfo parsed;
        if (!decodeJsonObject(body, &document) || !parsed.setJson(document)) {
            Logger::instance().crit(numbered(j, "parsing update info fail: ", url.toString()));
            result = {UpdateResult::Code::InfoNotValid,
                      FailureReason::atUrl(FailureReason::Kind::ManifestInvalid, url)};
            continue;
        }
        const FailureReason refused = distrust(j, url, body, parsed, *connection, trust);
        if (refused.isFailure()) {
            result = {UpdateResult::Code::InfoNotValid, refused};
            continue;
        }
        Logger::instance().info(numbered(j, "parsing update info success.", QString()));
        *info = parsed;
        return UpdateResult::Code::Updated;
    }
    return result;
}

namespace {

// One location's attempt: the archive whole and as the content promises it, or false with nothing
// but a partial download left for the next attempt, and the reason in why.
bool downloadFrom(const MirrorList::Attempt &attempt, const UpdateContent &content, const QString &target,
                  net::IHttpProgress *progress, const std::atomic<bool> *stop, FailureReason &why)
{
    const QString name = content.name();
    const int j = attempt.index;
    std::shared_ptr<net::HttpConnection> connection = net::HttpConnection::create(true);
    connection->setProgressListener(progress);
    connection->setCancelFlag(stop);
    connection->setTransferTimeout(attempt.timeoutMs);
    connection->setSpeedLimited(true);
    // With a digest the size is exact: a longer body is not the archive, however long it runs.
    if (!content.sha256().isEmpty()) {
        connection->setMaxBodySize(content.size());
        connection->setSha256WhileDownloading(true);
    }
    // Bytes kept from an earlier attempt may come from another release of the same name: when
    // the result does not match, the archive is fetched once more from its start.
    for (bool resumed = net::PartialDownload(target).resumeOffset() > 0;; resumed = false) {
        Logger::instance().info(numbered(j, "http started: ", name));
        if (!connection->resumeDownload(attempt.url, target)) {
            Logger::instance().info(numbered(j, "http failed: ", name));
            why = connection->failure();
            return false;
        }
        Logger::instance().info(numbered(j, "http complete: ", name));
        // A mirror's archive is only as good as its digest: a swapped one is deleted before
        // anything reads it, and the next location gets its chance.
        if (ContentDigest::matches(content, target, stop, connection->downloadedSha256()))
            return true;
        QFile::remove(target);
        why = stop && stop->load() ? FailureReason::cancelled()
                                   : FailureReason::atPath(FailureReason::Kind::DigestMismatch, target);
        if (!resumed || (stop && stop->load()))
            return false;
    }
}

} // namespace

bool downloadHttpContent(const UpdateContent &content, const QString &folder, net::IHttpProgress *progress,
                         const std::atomic<bool> *stop, QString *archivePath, FailureReason *why)
{
    const QString name = content.name();
    Logger::instance().info(QStringLiteral("download update with http: ") + name);
    FailureReason failure;
    if (!QDir().mkpath(folder)) {
        Logger::instance().crit(QStringLiteral("failed to create dir: ") + folder);
        if (why)
            *why = FailureReason::notWritable(folder);
        return false;
    }
    const QString target = QDir(folder).filePath(name);
    for (const MirrorList::Attempt &attempt : MirrorList(content.http(), contentMirrorPolicy())) {
        if (stop && stop->load()) {
            failure = FailureReason::cancelled();
            break;
        }
        if (downloadFrom(attempt, content, target, progress, stop, failure)) {
            *archivePath = target;
            return true;
        }
    }
    if (why)
        *why = failure;
    return false;
}
