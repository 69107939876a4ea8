#pragma once

#include <QString>

// Puts source in place of target in one step, so that target is at every moment either its previous
// complete content or the new one. Across file systems the content is first copied next to target.
// The source is gone after a success and untouched after a failure.
bool replaceFile(const QString &source, const QString &target);
