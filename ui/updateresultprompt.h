#pragma once

#include <QString>

// What the main window does with the update's result code (UpdateResult::number()).
struct UpdateResultPrompt
{
    enum Kind {
        // The game is ready: enable PLAY, no question.
        Ready,
        // Retry or exit.
        YesExit,
        // Retry, exit, or run the diagnostics first.
        YesExitDiagnostics,
        // Retry, exit, or check the game files first.
        YesExitCheckFiles,
    };
    Kind kind = Ready;
    // The question ("... Retry?"); empty for Ready.
    QString text;
    // The third button's text; empty unless the kind has one.
    QString thirdButton;
};

UpdateResultPrompt updateResultPrompt(int errorCode);

// What the player chose in the retry prompt.
enum class RetryAnswer { Retry, RunDiagnostics, CheckFiles, Exit };

// boxResult is the code the message box ended with (StyledMessageBox::Yes, No, Ok, or 0 when it
// was closed); for YesExit the box is a yes/no question and boxResult is Yes or anything else.
RetryAnswer retryAnswer(UpdateResultPrompt::Kind kind, int boxResult);
