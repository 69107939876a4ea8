#include "patch/sevenzip.h"

#include "patch/archivenames.h"
#include "patch/sevenzipextractor.h"
#include "patch/sevenzippacker.h"

bool sevenZipExtract(const QString &archivePath, const QString &destination, ISevenZipCallback *callback,
                     FailureReason *why)
{
    const Utf8Ctype ctype;
    SevenZipExtractor extractor(archivePath, destination, callback);
    const bool extracted = extractor.run();
    if (!extracted && why)
        *why = extractor.failure();
    return extracted;
}

qint64 sevenZipUnpackedSize(const QString &archivePath)
{
    const Utf8Ctype ctype;
    SevenZipExtractor extractor(archivePath, QString(), nullptr);
    return extractor.survey() ? extractor.total() : -1;
}

bool sevenZipPack(const QString &archivePath, const QString &sourceFolder, const QString &workingFolder,
                  ISevenZipCallback *callback)
{
    const Utf8Ctype ctype;
    return SevenZipPacker(archivePath, sourceFolder, workingFolder, callback).run();
}
