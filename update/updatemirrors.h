#pragma once

#include <QList>
#include <QUrl>

// Where "update.json" is fetched from when no other location is configured, in the order the
// mirrors are tried; the hosts come from the deployment configuration.
QList<QUrl> defaultUpdateMirrors();
