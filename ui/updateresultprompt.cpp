#include "ui/updateresultprompt.h"

#include "app/tr.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"
#include "update/updateresult.h"

UpdateResultPrompt updateResultPrompt(int errorCode)
{
    UpdateResultPrompt prompt;
    using Code = UpdateResult::Code;
    // Compared unsigned, so a negative code counts as a failure and not as "updated".
    if (unsigned(errorCode) <= unsigned(Code::UpToDate))
        return prompt;
    prompt.text = TR::tr("UpdateRetryErrMsg").arg(AutoUpdate::errorText(errorCode));
    prompt.kind = UpdateResultPrompt::YesExit;
    if (errorCode > int(Code::Unknown))
        return prompt;
    switch (Code(errorCode)) {
    case Code::InfoQueryFailed:
    case Code::InfoNotValid:
    case Code::InfoNotFound:
    case Code::ContentNotFound:
    case Code::DownloadFailed:
    case Code::Unknown:
        prompt.kind = UpdateResultPrompt::YesExitDiagnostics;
        prompt.thirdButton = TR::tr("RunDiagnostics");
        break;
    case Code::PatchFailed:
        prompt.kind = UpdateResultPrompt::YesExitCheckFiles;
        prompt.thirdButton = TR::tr("CheckGameFiles") + QStringLiteral("...");
        break;
    case Code::UnpackFailed:
    case Code::FailedToStart:
    case Code::Updated:
    case Code::UpToDate:
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
