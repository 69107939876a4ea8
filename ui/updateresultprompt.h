#pragma once

#include "control/launchercontroller.h"

#include <QString>

// The words and buttons of what an ended update offers (LauncherController::offerFor).
struct UpdateResultPrompt
{
    LauncherController::Offer offer = LauncherController::Offer::Play;
    // The question ("... Retry?"); empty for Play.
    QString text;
    // The third button's text; empty unless the offer has one.
    QString thirdButton;
};

// code is the update's result code (UpdateResult::number()).
UpdateResultPrompt updateResultPrompt(int errorCode);

// What the player chose in the retry prompt.
enum class RetryAnswer { Retry, RunDiagnostics, CheckFiles, Exit };

// boxResult is the code the message box ended with (StyledMessageBox::Yes, No, Ok, or 0 when it
// was closed); for RetryOrExit the box is a yes/no question and boxResult is Yes or anything else.
RetryAnswer retryAnswer(LauncherController::Offer offer, int boxResult);
