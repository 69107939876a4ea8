#pragma once

#include <QLabel>

// The title of a news card. The class exists so that the style sheet can address it.
class NewsHeaderLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};
