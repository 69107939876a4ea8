#pragma once

#include <QStringList>

// gd7-publish patch: a patch package from an old and a new build, with its torrent.
int runPatchCommand(const QStringList &args);
