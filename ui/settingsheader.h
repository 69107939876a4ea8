#pragma once

#include <QLabel>

// A section heading of the settings panel.
class SettingsHeader : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
