#pragma once

#include "platform/shelllink.h"

#include <QString>

// What the system's list of installed programs knows about the launcher: a registry key of the
// current user on Windows; on Linux a record file named by the application id in the per-user
// data folder, with a menu entry that starts the uninstallation.
namespace platform {

struct UninstallRecord
{
    QString displayIcon;
    QString displayName;
    QString displayVersion;
    QString installLocation;
    int noModify = 1;
    int noRepair = 1;
    QString uninstallString;
    QString urlInfoAbout;
    QString publisher;
};

bool operator==(const UninstallRecord &a, const UninstallRecord &b);

// Writes all nine values and the menu entry that runs the uninstaller, replacing an older
// record. On failure no record is left at all (an older one included), so the system never
// lists a program without the means to remove it.
bool writeUninstallRecord(const QString &applicationId, const UninstallRecord &record,
                          const ShellLink &uninstallEntry);

// False when there was no record to remove.
bool removeUninstallRecord(const QString &applicationId);

bool readUninstallRecord(const QString &applicationId, UninstallRecord *record);

// Where the record lives, for the log.
QString uninstallRecordLocation(const QString &applicationId);

} // namespace platform
