#include "ui/updateresultprompt.h"

#include "app/tr.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"

UpdateResultPrompt updateResultPrompt(int errorCode)
{
    UpdateResultPrompt prompt;
    // Compared unsigned, so a negative code counts as a failure and not as "updated".
    if (unsigned(errorCode) <= unsigned(AutoUpdate::UpToDate))
        return prompt;
    prompt.text = TR::tr("UpdateRetryErrMsg").arg(AutoUpdate::errorText(errorCode));
    switch (errorCode) {
    case AutoUpdate::InfoQueryFailed:
    case AutoUpdate::InfoNotValid:
    case AutoUpdate::InfoNotFound:
    case AutoUpdate::ContentNotFound:
    case AutoUpdate::DownloadFailed:
    case AutoUpdate::Unknown:
        prompt.kind = UpdateResultPrompt::YesExitDiagnostics;
        prompt.thirdButton = TR::tr("RunDiagnostics");
        break;
    case AutoUpdate::PatchFailed:
        prompt.kind = UpdateResultPrompt::YesExitCheckFiles;
        prompt.thirdButton = TR::tr("CheckGameFiles") + QStringLiteral("...");
        break;
    default:
        prompt.kind = UpdateResultPrompt::YesExit;
        break;
    }
    return prompt;
}

RetryAnswer retryAnswer(UpdateResultPrompt::Kind kind, int boxResult)
{
    if (boxResult == StyledMessageBox::Yes)
        return RetryAnswer::Retry;
    if (boxResult == StyledMessageBox::Ok && kind == UpdateResultPrompt::YesExitDiagnostics)
        return RetryAnswer::RunDiagnostics;
    if (boxResult == StyledMessageBox::Ok && kind == UpdateResultPrompt::YesExitCheckFiles)
        return RetryAnswer::CheckFiles;
    return RetryAnswer::Exit;
}
