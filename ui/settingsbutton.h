#pragma once

#include <QPushButton>

// An outlined button of the settings panel and its dialogs.
class SettingsButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};
