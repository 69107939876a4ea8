#pragma once

#include <QPushButton>

// A window's own close and minimise buttons, drawn by the style sheet ("close", "fold").
class SystemButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    // Enter presses the focused window button, as Space does; it is never a dialog's default.
    void keyPressEvent(QKeyEvent *event) override;
};
