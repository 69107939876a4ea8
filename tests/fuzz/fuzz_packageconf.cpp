// The publisher's file list ("package.conf") fetched for the game file check.
#include "net/jsondecode.h"
#include "patch/packageentry.h"
#include "tests/fuzz/fuzzinput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QJsonObject document;
    if (!decodeJsonObject(fuzzBytes(data, size), &document))
        return 0;
    for (const QJsonValue &element : document.value(QStringLiteral("content")).toArray()) {
        const PackageEntry entry = readPackageEntry(element);
        // A file the check would hash is always a plain name below the game folder.
        if (entry.kind == PackageEntry::File &&
            (entry.path.startsWith(QLatin1Char('/')) || entry.path == QLatin1String("..") ||
             entry.path.startsWith(QLatin1String("../")) || entry.path.contains(QLatin1String("/../"))))
            std::abort();
    }
    return 0;
}
