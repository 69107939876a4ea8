#pragma once

#include <QLabel>

// The text of a news card. The class exists so that the style sheet can address it.
class NewsText : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
