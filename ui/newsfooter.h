#pragma once

#include <QFrame>

// The bottom row of a news card: date and visit icon. The class exists so that the style sheet can address
// it.
class NewsFooter : public QFrame
{
    Q_OBJECT
public:
    using QFrame::QFrame;
};
