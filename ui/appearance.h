#pragma once

#include <QString>

// The look the whole application shares: the fonts compiled into the resources and the one
// style sheet. Both are optional: a missing or broken resource is skipped, and the windows then
// fall back to the system's fonts and the toolkit's own style.

// Adds every font file in the folder to the application's fonts; returns how many were taken.
int addApplicationFonts(const QString &folder = QStringLiteral(":/fonts/"));

// The style sheet as text; empty when the resource is missing or unreadable.
QString loadStyleSheet(const QString &path = QStringLiteral(":/styles/launcher"));
