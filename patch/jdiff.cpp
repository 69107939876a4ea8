#include "patch/jdiff.h"

#include "patch/jdifflength.h"
#include "patch/streamapplier.h"

#include <QFile>
#include <QFileInfo>

namespace jdiff {

namespace {

class DeviceBytes
{
public:
    explicit DeviceBytes(QIODevice *device) : m_device(device) {}
    int next()
    {
        char byte = 0;
        return m_device->getChar(&byte) ? int(uchar(byte)) : -1;
    }

private:
    QIODevice *m_device;
};

} // namespace

int applyPatchFile(const QString &oldPath, const QString &patchPath, const QString &outputPath,
                   JDiffProgress *progress)
{
    if (!QFileInfo::exists(oldPath))
        return OldFileUnreadable;
    if (!QFileInfo::exists(patchPath))
        return PatchUnreadable;
    // Unbuffered: the applier buffers the patch and the output itself and reads the old file in blocks.
    QFile oldFile(oldPath);
    if (!oldFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return OldFileUnreadable;
    QFile patch(patchPath);
    if (!patch.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return PatchUnreadable;
    QFile output(outputPath);
    if (!output.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
        return OutputOrStreamFailed;
    return applyPatchStream(&oldFile, &patch, &output, progress);
}

int applyPatchStream(QIODevice *oldFile, QIODevice *patch, QIODevice *output, JDiffProgress *progress)
{
    return StreamApplier(oldFile, patch, output, progress).run();
}

bool readLength(QIODevice *patch, qint64 &value)
{
    DeviceBytes bytes(patch);
    return decodeLength(bytes, value);
}

} // namespace jdiff
