#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Finds and clicks the windows of other processes on the test's X server, as a player would,
// through xdotool.
namespace xdriver {

// The screen rectangles of the visible top-level windows whose title is exactly name.
QList<QRect> windows(const QString &name);
// Waits for a visible window of that title and size; an empty rectangle when none came.
QRect waitForWindow(const QString &name, const QSize &size, int timeoutMs = 60000);
// Waits for a visible window of that title that is smaller than the given size (a message box
// over a larger window of the same title).
QRect waitForBoxSmallerThan(const QString &name, const QSize &size, int timeoutMs = 60000);
bool click(const QPoint &screenPosition);
// Presses a key in the window that has the keyboard focus.
bool key(const QString &keyName);

// Where the styled Yes/No box (two 124-pixel buttons, 20 apart, centred) has its Yes button.
QPoint yesButtonOfQuestion(const QRect &box);
QPoint noButtonOfQuestion(const QRect &box);

} // namespace xdriver
