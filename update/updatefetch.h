#pragma once

#include "update/updatecontent.h"
#include "update/updateinfo.h"

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
// first manifest that is a non-empty JSON object the trust accepts. Returns 0 on success, 2 when
// the last failure was the transfer, 3 when it was the document or its signature, 10 for an empty
// list (the update's result codes). Setting *stop ends the fetch with 2.
int fetchUpdateInfo(const QList<QUrl> &mirrors, UpdateInfo *info, const std::atomic<bool> *stop = nullptr,
                    const ManifestTrust &trust = ManifestTrust());

// Downloads the content's archive into folder under the content's "name", from its HTTP locations
// in turn until one delivers the archive its "size" and "sha256" promise (a failed or swapped one
// is deleted). An interrupted download (a failed location, *stop set, the process ended) leaves its
// bytes for the next call, which asks only for the rest unless the server's file changed. The
// download follows the player's speed limit.
bool downloadHttpContent(const UpdateContent &content, const QString &folder, net::IHttpProgress *progress,
                         const std::atomic<bool> *stop, QString *archivePath);
