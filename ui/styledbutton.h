#pragma once

#include <QPushButton>

// The lime action button (PLAY); the style sheet selects it by class name.
class StyledButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};
