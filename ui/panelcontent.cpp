#include "ui/panelcontent.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

PanelContent::PanelContent(QWidget *parent) : QWidget(parent) {}

void PanelContent::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QMargins margins = contentsMargins();
    const QRect inner = rect().marginsRemoved(margins);
    const int band = qMax(qMax(margins.left(), margins.right()), qMax(margins.top(), margins.bottom()));

    // The shadow darkens towards the column, so the column seems to lie above the window.
    QLinearGradient shadow(0, 0, band, 0);
    const QColor shade = palette().color(QPalette::Shadow);
    const qreal stops[][2] = {{0, 0}, {0.25, 16}, {0.5, 32}, {0.75, 64}, {1, 128}};
    for (const auto &stop : stops) {
        QColor c = shade;
        c.setAlpha(int(stop[1]));
        shadow.setColorAt(stop[0], c);
    }
    QPainterPath margin;
    margin.addRect(rect());
    QPainterPath inside;
    inside.addRect(inner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(margin.subtracted(inside));

    QStyleOption option;
    option.initFrom(this);
    option.rect = inner;
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
