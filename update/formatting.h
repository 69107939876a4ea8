#pragma once

#include <QString>

// Byte counts and transfer rates as the user reads them: "1.50 GB", "12.3 MB/s", "640 kB",
// "512 bytes"; units are translated.
QString formatSize(qint64 bytes);
QString formatRate(qint64 bytesPerSecond);
