#pragma once

#include <QComboBox>

// A drop-down list of the settings panel.
class SettingsCombobox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};
