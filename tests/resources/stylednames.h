#pragma once

// Widgets of the class names the style sheet addresses, for checking the sheet on its own:
// style sheets select by class name, and these carry nothing but the name.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

class StyledButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class BaseButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class SocialButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class SystemButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class SettingsCombobox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

class SettingsRadio : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
};

class SettingsEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};

class SettingsSpin : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
};

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
