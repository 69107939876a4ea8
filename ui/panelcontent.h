#pragma once

#include <QWidget>

// The column of a panel: a soft shadow in its left margin, then its own background (both from
// the style sheet's "PanelContent" rule; the shadow fades to the colour of its alpha).
class PanelContent : public QWidget
{
    Q_OBJECT
public:
    explicit PanelContent(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
