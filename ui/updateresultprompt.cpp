#include "ui/updateresultprompt.h"

#include "app/tr.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"

using Offer = LauncherController::Offer;

UpdateResultPrompt updateResultPrompt(int errorCode)
{
    UpdateResultPrompt prompt;
    prompt.offer = LauncherController::offerFor(errorCode);
    if (prompt.offer == Offer::Play)
        return prompt;
    prompt.text = TR::tr("UpdateRetryErrMsg").arg(AutoUpdate::errorText(errorCode));
    if (prompt.offer == Offer::RetryExitOrDiagnostics)
        prompt.thirdButton = TR::tr("RunDiagnostics");
    else if (prompt.offer == Offer::RetryExitOrCheckFiles)
        prompt.thirdButton = TR::tr("CheckGameFiles") + QStringLiteral("...");
    return prompt;
}

RetryAnswer retryAnswer(Offer offer, int boxResult)
{
    if (boxResult == StyledMessageBox::Yes)
        return RetryAnswer::Retry;
    if (boxResult == StyledMessageBox::Ok && offer == Offer::RetryExitOrDiagnostics)
        return RetryAnswer::RunDiagnostics;
    if (boxResult == StyledMessageBox::Ok && offer == Offer::RetryExitOrCheckFiles)
        return RetryAnswer::CheckFiles;
    return RetryAnswer::Exit;
}
