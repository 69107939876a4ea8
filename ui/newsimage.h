#pragma once

#include <QLabel>

// The picture of a news card. The style sheet shows the default picture behind it and picks
// the regional one by the region property, which is always "EN" in this launcher.
class NewsImage : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString region READ region)
public:
    using QLabel::QLabel;

    QString region() const { return QStringLiteral("EN"); }
};
