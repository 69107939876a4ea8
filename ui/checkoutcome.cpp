#include "ui/checkoutcome.h"

namespace checkoutcome {

CheckEnd afterCheck(int errorCode, int damagedFiles, bool gameFolderExists)
{
    if (errorCode != 0)
        return CheckEnd::ShowInfoNotFound;
    if (damagedFiles == 0 && gameFolderExists)
        return CheckEnd::ShowValid;
    return CheckEnd::AskRepair;
}

Repair afterRepairAccepted(bool gameFolderExists, bool hasContent, qint64 recoverySize, qint64 damagedBytes)
{
    if (!gameFolderExists)
        return Repair::Reinstall;
    if (!hasContent)
        return Repair::ShowInfoNotFound;
    // Fetching more than half of the game file by file costs more than a fresh download.
    if (recoverySize / 2 < damagedBytes)
        return Repair::Reinstall;
    return Repair::Recover;
}

RecoveryEnd afterRecovery(int errorCode)
{
    switch (errorCode) {
    case 0:
    case 4: // the files are in place; only the scratch folder could not be removed
        return {QStringLiteral("MsgRecoverySuccess"), true};
    case 1:
        return {QStringLiteral("MsgErrRecoveryInfoNotFound"), false};
    case 2:
    case 3:
    case 5: // the torrent session failed: nothing was repaired, and the player must hear it
        return {QStringLiteral("MsgErrRecoveryFailed"), false};
    default:
        return {};
    }
}

} // namespace checkoutcome
