#pragma once

#include <QStringList>

// gd7-publish diff OLD NEW PATCH: the patch stream that turns one file into another.
int runDiffCommand(const QStringList &args);
// gd7-publish apply OLD PATCH OUT: rebuilds the new file; exits with the applier's result code.
int runApplyCommand(const QStringList &args);
