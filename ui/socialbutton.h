#pragma once

#include <QPushButton>

// A picture button of the header; the style sheet gives each object name its picture.
class SocialButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};
