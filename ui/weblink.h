#pragma once

#include <QUrl>

// Pages on the web are the only addresses the launcher hands to the desktop's browser: a link
// from a configuration or a feed that names another scheme (a file, a program) is refused.
bool isWebUrl(const QUrl &url);
// Opens the page in the player's browser; false, with nothing started, for anything else.
bool openWebLink(const QUrl &url);
