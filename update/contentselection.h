#pragma once

#include "app/version.h"
#include "update/productupdateinfo.h"
#include "update/updatecontent.h"

#include <QList>
#include <QSysInfo>

// Whether this machine can use the content: only the platforms of this build are accepted
// ("linux64" on Linux; "win64" and "win32" on Windows), "win32" on an x86_64 or i386 CPU, the
// others on x86_64. Refusals are logged. cpuArchitecture is QSysInfo's name of the CPU.
bool isPlatformSupported(const UpdateContent &content,
                         const QString &cpuArchitecture = QSysInfo::currentCpuArchitecture());

// The platform name of the contents this build runs: "linux64" on Linux, "win64" on Windows.
QString nativePlatform();

// The order contents are considered in: by "version_from" (patches before full packages), then
// by "version_to".
bool contentLess(const UpdateContent &a, const UpdateContent &b);

// Replaces selected with the contents that bring a product from installed to its newest
// version, in the order to apply them: a chain of patches, or the best full package followed by
// the patches that continue from it, whichever is smaller to download. Returns whether anything
// was selected.
bool selectContents(const Version &installed, const ProductUpdateInfo &product,
                    QList<UpdateContent> &selected,
                    const QString &cpuArchitecture = QSysInfo::currentCpuArchitecture());
