#pragma once

#include <QColor>
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
// Presses a key in the window that has the keyboard focus ("Return", "shift+Tab"), times over.
bool key(const QString &keyName, int times = 1);
// The colour on the screen at that point.
QColor pixel(const QPoint &screenPosition);
// Waits until the window with the keyboard focus has that title and size, as a player waits
// for a window to come up before typing into it.
bool waitForFocus(const QString &name, const QSize &size, int timeoutMs = 20000);
// Waits until no visible window has that title and size; false when one is still there.
bool waitForWindowGone(const QString &name, const QSize &size, int timeoutMs = 20000);

// Where the styled Yes/No box (two 124-pixel buttons, 20 apart, centred) has its Yes button.
QPoint yesButtonOfQuestion(const QRect &box);
QPoint noButtonOfQuestion(const QRect &box);

} // namespace xdriver
