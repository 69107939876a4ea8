// The 7z adapter over an archive from a mirror: every item is checked before anything is written.
#include "patch/sevenzip.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString archive = fuzzFile(data, size, QStringLiteral("input.7z"));
    const QString destination = fuzzFolder(QStringLiteral("out"));
    sevenZipExtract(archive, destination, nullptr);
    QDir(destination).removeRecursively();
    return 0;
}
