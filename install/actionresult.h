#pragma once

#include <QString>

// How a windowless run of the launcher ends: the process exit code and, when the player must
// be told, the translated text the caller shows in a message box titled with the product's
// display name (the message box itself belongs to the user interface).
struct ActionResult
{
    int exitCode = 0;
    QString message;
};
