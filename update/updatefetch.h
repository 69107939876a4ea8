#pragma once

#include "update/updatecontent.h"
#include "update/updateinfo.h"

#include <QList>
#include <QUrl>

#include <atomic>

namespace net {
class IHttpProgress;
}

// The HTTP side of the update: the manifest from the mirror list and a content archive.

// Tries every mirror in two passes, the second with a sixfold time-out, and fills info with the
// first manifest that is a non-empty JSON object. Returns 0 on success, 2 when the last failure
// was the transfer, 3 when it was the document, 10 for an empty list (the update's result codes).
// Setting *stop ends the fetch with 2.
int fetchUpdateInfo(const QList<QUrl> &mirrors, UpdateInfo *info, const std::atomic<bool> *stop = nullptr);

// Downloads the content's first HTTP location into folder under the content's "name"; setting
// *stop ends the download, its file removed.
bool downloadHttpContent(const UpdateContent &content, const QString &folder, net::IHttpProgress *progress,
                         const std::atomic<bool> *stop, QString *archivePath);
