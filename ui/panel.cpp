#include "ui/panel.h"

#include "ui/panelcontent.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

bool isTabStop(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
}

constexpr qreal HiddenOpacity = 0.1;
constexpr int ShadowWidth = 5;

} // namespace

Panel::Panel(QWidget *anchor, float widthFraction, QWidget *parent)
    : QWidget(parent ? parent : anchor), m_widthFraction(widthFraction), m_anchor(anchor),
      m_content(new PanelContent(this)), m_contentLayout(new QVBoxLayout(m_content)),
      m_overlayEffect(new QGraphicsOpacityEffect(this))
{
    setContentsMargins(0, 0, 0, 0);
    m_content->setObjectName(QStringLiteral("panel_column"));
    m_content->setContentsMargins(ShadowWidth, 0, 0, 0);
    m_contentLayout->setContentsMargins(ShadowWidth, 0, 0, 0);
    m_contentLayout->setSpacing(0);
    // One fade for the dimming and the column together: the column is the panel's child, and
    // an effect of its own inside the panel's effect would not paint (nested effects).
    setGraphicsEffect(m_overlayEffect);
    connect(m_overlayEffect, &QGraphicsOpacityEffect::opacityChanged, this,
            [this](qreal opacity) { emit opacityChanged(opacity); });
    m_anchor->installEventFilter(this);
    hide();
}

QRect Panel::startRect(const QSize &anchor, float widthFraction)
{
    const int column = int(anchor.width() * widthFraction);
    return QRect(anchor.width(), 0, column, anchor.height());
}

QRect Panel::endRect(const QSize &anchor, float widthFraction)
{
    const int column = int(anchor.width() * widthFraction);
    return QRect(int(anchor.width() - anchor.width() * widthFraction + 1), 0, column, anchor.height());
}

QRect Panel::anchorRect() const
{
    QRect area = m_anchor->rect();
    if (m_anchor != parentWidget())
        area.translate(m_anchor->mapToGlobal(QPoint()) - parentWidget()->mapToGlobal(QPoint()));
    return area;
}

void Panel::ensureAnimations()
{
    if (m_geometryAnimation)
        return;
    m_geometryAnimation = new QPropertyAnimation(m_content, "geometry", this);
    m_geometryAnimation->setEasingCurve(QEasingCurve::InQuad);
    m_overlayAnimation = new QPropertyAnimation(m_overlayEffect, "opacity", this);
    m_overlayAnimation->setEasingCurve(QEasingCurve::OutQuad);
}

void Panel::animate(const QRect &from, const QRect &to, qreal opacityFrom, qreal opacityTo)
{
    ensureAnimations();
    m_content->setGeometry(from);
    m_geometryAnimation->setStartValue(from);
    m_geometryAnimation->setEndValue(to);
    m_overlayEffect->setOpacity(opacityFrom);
    m_overlayAnimation->setStartValue(opacityFrom);
    m_overlayAnimation->setEndValue(opacityTo);
}

void Panel::toggle()
{
    const QRect area = anchorRect();
    const QRect outside = startRect(area.size(), m_widthFraction);
    const QRect inside = endRect(area.size(), m_widthFraction);
    if (isHidden()) {
        _endHideAnimation();
        setGeometry(area);
        animate(outside, inside, HiddenOpacity, 1);
        m_content->show();
        show();
        raise();
        focusNextPrevChild(true);
    } else {
        if (isAncestorOf(QApplication::focusWidget()) && m_focusReturn)
            m_focusReturn->setFocus(Qt::OtherFocusReason);
        animate(inside, outside, 1, HiddenOpacity);
        m_hideConnections << connect(m_geometryAnimation, &QPropertyAnimation::finished, this, &QWidget::hide)
                          << connect(m_geometryAnimation, &QPropertyAnimation::finished, m_content,
                                     &QWidget::hide)
                          << connect(m_geometryAnimation, &QPropertyAnimation::finished, this,
                                     &Panel::_endHideAnimation);
    }
    m_overlayAnimation->start();
    m_geometryAnimation->start();
}

bool Panel::focusNextPrevChild(bool next)
{
    QList<QWidget *> stops;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && isTabStop(w))
            stops.append(w);
    }
    if (stops.isEmpty())
        return false;
    const int current = stops.indexOf(QApplication::focusWidget());
    int index = 0;
    if (current >= 0)
        index = (current + (next ? 1 : stops.size() - 1)) % stops.size();
    else if (!next)
        index = stops.size() - 1;
    stops.at(index)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Panel::_endHideAnimation()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_hideConnections))
        disconnect(connection);
    m_hideConnections.clear();
}

bool Panel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_anchor && event->type() == QEvent::Resize && isVisible()) {
        const QRect area = anchorRect();
        setGeometry(area);
        const int column = int(area.width() * m_widthFraction);
        m_content->setGeometry(area.width() - column, 0, column, area.height());
    }
    return QWidget::eventFilter(watched, event);
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void Panel::mousePressEvent(QMouseEvent *event)
{
    if (!m_content->geometry().contains(event->pos()))
        toggle();
    QWidget::mousePressEvent(event);
}
