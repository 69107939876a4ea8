#pragma once

#include <QToolButton>

// A page tab of the header ("tabbtn"); screen readers are told it is a page tab, with its
// unread count (the "unread" property) in its name.
class TabButton : public QToolButton
{
    Q_OBJECT
public:
    using QToolButton::QToolButton;
};
