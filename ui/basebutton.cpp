#include "ui/basebutton.h"

BaseButton::BaseButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}
