#pragma once

#include <QString>
#include <QStringList>

// Starting the game.
namespace platform {

// The game executable's file name in the game folder ("gd7_x64.exe" on Windows).
QString gameExecutableName();

// Starts the game detached, with its own folder as working folder; program and arguments are
// passed apart, so folders with blanks and non-ASCII characters work. False when it did not
// start (missing, not a program, or not allowed to run).
bool startGame(const QString &program, const QStringList &arguments);

} // namespace platform
