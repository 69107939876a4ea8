#pragma once

#include <QString>
#include <QtGlobal>

// Data that benchmarks make at run time, the same from run to run.
namespace benchkit {

// About size bytes in files of 5 MiB below folder (and a subfolder): half random bytes, which no
// coder can shrink, half text made of common words, which shrinks well. Returns the bytes written,
// or -1 when a file cannot be written.
qint64 writeMixedContent(const QString &folder, qint64 size);

} // namespace benchkit
