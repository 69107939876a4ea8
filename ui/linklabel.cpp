#include "ui/linklabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &link, QWidget *parent) : QLabel(parent), m_link(link)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit onClick(m_link);
}
