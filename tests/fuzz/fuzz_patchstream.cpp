// The patch stream interpreter over an old file made of the input's first part.
#include "patch/jdiff.h"
#include "tests/fuzz/fuzzinput.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte says how much of the rest is the old file.
    const size_t oldSize = qMin<size_t>(size - 1, size_t(data[0]) * 4);
    QByteArray oldBytes = fuzzBytes(data + 1, oldSize);
    QByteArray patchBytes = fuzzBytes(data + 1 + oldSize, size - 1 - oldSize);
    QByteArray outBytes;
    QBuffer oldFile(&oldBytes);
    QBuffer patch(&patchBytes);
    QBuffer output(&outBytes);
    oldFile.open(QIODevice::ReadOnly);
    patch.open(QIODevice::ReadOnly);
    output.open(QIODevice::ReadWrite);
    jdiff::applyPatchStream(&oldFile, &patch, &output, nullptr);
    return 0;
}
