#pragma once

#include <QLineEdit>

// A text field of the settings dialogs.
class SettingsEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};
