#pragma once

#include <QSpinBox>

// A number field of the settings dialogs.
class SettingsSpin : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
};
