#pragma once

#include <QRadioButton>

// A choice of the settings panel.
class SettingsRadio : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
};
