#pragma once

#include <QStringList>

// gd7-publish manifest: edits a release's update.json by hand (contents, product version and size).
int runManifestCommand(const QStringList &args);
