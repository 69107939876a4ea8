#pragma once

#include <QByteArray>

// Whether every path a .torrent file names (its top folder and each file below it) stays inside
// the folder the torrent is saved to: no absolute path, no ".." component. False also for bytes
// that are not a torrent at all.
bool torrentPathsStayInside(const QByteArray &torrentData);
