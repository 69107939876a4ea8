#pragma once

#include <QLabel>

// A text of the settings panel and its dialogs.
class SettingsLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
