#pragma once

#include <QHash>

class QScreen;
class QWidget;

// The screens the main window may lie on: each gets its scale factor once (1.5 for screens at
// least 2160 pixels high, so the fixed-size window stays readable there), and the log describes
// them for support.
class LauncherScreens
{
public:
    // Logs every screen (and whether the window lies on it) and applies its factor.
    void setUp(const QWidget *window);
    // Notes the window's current screen; true when it changed since the last call.
    bool follow(const QWidget *window);
    // Whether the window's screen has a factor above 1.
    bool highDpi() const { return m_highDpi; }

    static void logDetails(const QScreen *screen);

private:
    QHash<QScreen *, double> m_factors;
    QScreen *m_screen = nullptr;
    bool m_highDpi = false;
};
