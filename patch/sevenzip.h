#pragma once

#include "app/failurereason.h"
#include "patch/isevenzipcallback.h"

#include <QString>

// The 7z archives of the launcher: content packages are unpacked, diagnostics packed. Both calls block,
// report progress to the callback (which may be null) on the caller's thread and log their failures.

// Unpacks every file and folder of a 7z archive (another format fails, even a valid archive) into the
// destination, replacing existing files. Items that are not plain files or folders, or whose names lead
// out of the destination, fail the whole call before anything is written. On failure *why, when given,
// says whether the archive, the disk or a stop was the cause.
bool sevenZipExtract(const QString &archivePath, const QString &destination, ISevenZipCallback *callback,
                     FailureReason *why = nullptr);

// The bytes the archive's files take once unpacked, read from its item headers (nothing is written);
// -1, logged, when the archive cannot be read or holds an item sevenZipExtract would refuse.
qint64 sevenZipUnpackedSize(const QString &archivePath);

// Packs the files and folders below sourceFolder (not the folder itself) into a new LZMA2 7z archive,
// written as a temporary file in workingFolder and then moved to archivePath.
bool sevenZipPack(const QString &archivePath, const QString &sourceFolder, const QString &workingFolder,
                  ISevenZipCallback *callback);
