#pragma once

#include <QPushButton>

// The outlined dialog button; the style sheet selects it by class name.
class BaseButton : public QPushButton
{
    Q_OBJECT
public:
    explicit BaseButton(const QString &text, QWidget *parent = nullptr);
};
