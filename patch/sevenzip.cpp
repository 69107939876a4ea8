#include "patch/sevenzip.h"

#include "patch/sevenzipextractor.h"
#include "patch/sevenzippacker.h"
#include "patch/utf8ctype.h"

bool sevenZipExtract(const QString &archivePath, const QString &destination, ISevenZipCallback *callback)
{
    const Utf8Ctype ctype;
    return SevenZipExtractor(archivePath, destination, callback).run();
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
