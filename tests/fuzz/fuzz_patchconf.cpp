// A patch package's "patch.conf" and the check of its entries before anything is touched.
#include "patch/patch.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString package = fuzzFolder(QStringLiteral("package"));
    QDir().mkpath(package);
    fuzzFile(data, size, QStringLiteral("package/patch.conf"));
    Patch patch(nullptr);
    if (!patch.load(package))
        return 0;
    // An empty game folder: every entry is checked and sized, none can be applied.
    patch.apply(fuzzFolder(QStringLiteral("game")), fuzzFolder(QStringLiteral("work")));
    return 0;
}
