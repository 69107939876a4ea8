#pragma once

#include <QLabel>

// The date of a news card. The class exists so that the style sheet can address it.
class NewsDate : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
