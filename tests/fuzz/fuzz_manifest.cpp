// The update manifest as it comes from a mirror, and the choice of contents made from it.
#include "net/jsondecode.h"
#include "tests/fuzz/fuzzinput.h"
#include "update/contentselection.h"
#include "update/updateinfo.h"

#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QJsonObject document;
    if (!decodeJsonObject(fuzzBytes(data, size), &document))
        return 0;
    UpdateInfo info;
    if (!info.setJson(document))
        return 0;
    for (const QString &id : document.keys()) {
        ProductUpdateInfo product;
        if (!info.product(id, product))
            continue;
        for (const Version &installed : {Version(), Version(1, 0, 0), product.version()}) {
            QList<UpdateContent> selected;
            selectContents(installed, product, selected, QStringLiteral("x86_64"));
            for (const UpdateContent &content : selected) {
                content.http();
                content.torrents();
                content.size();
            }
        }
    }
    return 0;
}
