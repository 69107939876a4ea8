#pragma once

#include "update/updateprogress.h"

#include <QString>

// Byte counts and transfer rates as the user reads them: "1.50 GB", "12.3 MB/s", "640 kB",
// "512 bytes"; units are translated.
QString formatSize(qint64 bytes);
QString formatRate(qint64 bytesPerSecond);

// What a progress step is called while it has no percentage: "Downloading..."; empty for
// Action::None.
QString progressText(UpdateProgress::Action action);
