#pragma once

#include <QStringList>

// gd7-publish full: a full package of one product version, with its torrent and, for the game,
// "package.conf", the per-file recovery tree and the recovery torrent.
int runFullCommand(const QStringList &args);
