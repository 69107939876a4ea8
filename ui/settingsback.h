#pragma once

#include <QPushButton>

// The settings panel's back button.
class SettingsBack : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};
