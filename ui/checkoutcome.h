#pragma once

#include <QString>

// What the file check dialog does at the end of each stage, as plain decisions.
namespace checkoutcome {

enum class CheckEnd { ShowValid, ShowInfoNotFound, AskRepair };
CheckEnd afterCheck(int errorCode, int damagedFiles, bool gameFolderExists);

enum class Repair { Reinstall, ShowInfoNotFound, Recover };
// recoverySize: the chosen content's "size"; hasContent: whether a recovery content was chosen.
Repair afterRepairAccepted(bool gameFolderExists, bool hasContent, qint64 recoverySize, qint64 damagedBytes);

// The text key shown when the recovery ends, empty for none; success tells whether a newer
// content now counts as installed.
struct RecoveryEnd
{
    QString messageKey;
    bool success = false;
};
RecoveryEnd afterRecovery(int errorCode);

} // namespace checkoutcome
