#pragma once

#include <QString>

// Whether a relative path taken from an archive or a package list names something inside whatever
// folder it is joined to: not empty, not absolute (no leading '/', no drive), no ".." component.
// Backslashes are refused; callers that read them as separators turn them into '/' first.
bool staysInside(const QString &relativePath);
