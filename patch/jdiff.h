#pragma once

#include "patch/jdiffprogress.h"

#include <QString>

class QIODevice;

// Applier of JojoDiff binary patch streams: rebuilds a new file from its old version and a patch.
namespace jdiff {

enum Result {
    Success = 0,
    OldFileUnreadable = 3,
    PatchUnreadable = 4,
    OldFileSeekFailed = 6,
    OldFileTooShort = 8,
    OutputWriteFailed = 9,
    OutputOrStreamFailed = 20,
    Stopped = 21,
};

// The output is created or truncated. A failure leaves the partly written output in place.
int applyPatchFile(const QString &oldPath, const QString &patchPath, const QString &outputPath,
                   JDiffProgress *progress);
int applyPatchStream(QIODevice *oldFile, QIODevice *patch, QIODevice *output, JDiffProgress *progress);

// Reads one length operand; false when the stream ends inside it.
bool readLength(QIODevice *patch, qint64 &value);

} // namespace jdiff
