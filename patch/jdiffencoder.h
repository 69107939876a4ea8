#pragma once

#include <QString>
#include <QtGlobal>

class QIODevice;

namespace jdiff {

enum EncodeResult {
    EncodeOk = 0,
    EncodeOldUnreadable = 3,
    EncodeNewUnreadable = 4,
    EncodeWriteFailed = 9,
};

// Writes a patch stream that rebuilds newPath from oldPath. Data that follows a DEL, EQL or
// BKT operand, or starts the stream, is written without an explicit MOD, as the format's
// current encoder does; the applier reads it as MOD data.
int createPatchFile(const QString &oldPath, const QString &newPath, const QString &patchPath);

// The same over memory: old and new bytes in, the stream appended to an open device.
bool createPatch(const uchar *oldData, qint64 oldSize, const uchar *newData, qint64 newSize,
                 QIODevice &patch);

} // namespace jdiff
