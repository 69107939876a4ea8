#pragma once

#include "net/mirrorlist.h"

#include <QList>
#include <QUrl>

// Where "update.json" is fetched from when no other location is configured, in the order the
// mirrors are tried; the hosts come from the deployment configuration.
QList<QUrl> defaultUpdateMirrors();

// The small files of the update (the manifest, its signature, a content's .torrent) come from each
// location in two passes: 2.5 s per try, then 15 s.
MirrorPolicy metadataMirrorPolicy();
// A content's archive comes from each of its HTTP locations once, in order, 2.5 s per try.
MirrorPolicy contentMirrorPolicy();
