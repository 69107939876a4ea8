#pragma once

#include "update/updatecontent.h"
#include "update/updateinfo.h"
#include "update/updateresult.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <atomic>

namespace net {
class IHttpProgress;
}

// The HTTP side of the update: the manifest from the mirror list and a content archive.

// Whom the launcher believes about what to install. With publisher keys, a manifest counts only
// with a valid detached signature ("update.json.sig" beside it) by one of them and a "serial" not
// below the highest one accepted before, so neither a mirror's edit nor an old release replayed
// is installed. Without keys manifests are taken as they come.
struct ManifestTrust
{
    QStringList keys;
    qint64 minimumSerial = 0;
};

// Tries every mirror in two passes, the second with a sixfold time-out, and fills info with the
// first manifest that is a non-empty JSON object the trust accepts. Ends Updated on success,
// InfoQueryFailed when the last failure was the transfer, InfoNotValid when it was the document or
// its signature (each with the last failure's reason), Unknown for an empty list. Setting *stop
// ends the fetch with InfoQueryFailed, cancelled.
UpdateResult fetchUpdateInfo(const QList<QUrl> &mirrors, UpdateInfo *info,
                             const std::atomic<bool> *stop = nullptr,
                             const ManifestTrust &trust = ManifestTrust());

// Downloads the content's archive into folder under the content's "name", from its HTTP locations
// in turn until one delivers the archive its "size" and "sha256" promise (a failed or swapped one
// is deleted). An interrupted download (a failed location, *stop set, the process ended) leaves its
// bytes for the next call, which asks only for the rest unless the server's file changed. The
// download follows the player's speed limit. On failure *why, when given, holds the last
// location's reason.
bool downloadHttpContent(const UpdateContent &content, const QString &folder, net::IHttpProgress *progress,
                         const std::atomic<bool> *stop, QString *archivePath, FailureReason *why = nullptr);
