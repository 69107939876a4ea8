#pragma once

#include "app/failurereason.h"
#include "patch/isevenzipcallback.h"

#include <QString>

#include <functional>

// Installs a full package without half-states: the archive is refused before anything is written
// when its files do not fit the target's file system, unpacked into a staging folder beside the
// target (same file system), and only then moved into place file by file, each in one rename. A
// failure or a kill at any point leaves every file of the target whole, either its old or its new
// content, and the next install over it converges. A staging folder left by a killed run is
// removed first.
namespace StagedInstall {

// The staging folder of a target folder: "<target>.staging".
QString stagingFolder(const QString &target);

// Logs the reason of a failure as crit and keeps it in *why when given; false then. beforeMove, when
// given, is the caller's check of the archive (its digest), asked once everything is unpacked: false
// (its own reason logged) leaves the target as it was.
bool install(const QString &archivePath, const QString &target, ISevenZipCallback *callback,
             const std::function<bool()> &beforeMove = {}, FailureReason *why = nullptr);

} // namespace StagedInstall
