#include "ui/widgetblock.h"

#include <QGraphicsColorizeEffect>
#include <QPainter>
#include <QPropertyAnimation>

namespace {
constexpr int FirstFadeMs = 150;
constexpr int FadeMs = 250;
} // namespace

WidgetBlock::WidgetBlock(QWidget *parent)
    : QWidget(parent), m_effect(new QGraphicsColorizeEffect(this)),
      m_animation(new QPropertyAnimation(this, "strength", this))
{
    m_effect->setColor(QColor(25, 25, 25, 255));
    m_effect->setStrength(0.0);
    setGraphicsEffect(m_effect);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QPropertyAnimation::finished, this, &WidgetBlock::onAnimationFinished);
    hide();
}

void WidgetBlock::setStrength(double strength)
{
    m_strength = strength;
    m_effect->setStrength(strength);
    update();
}

void WidgetBlock::showBlock()
{
    QWidget *owner = parentWidget();
    if (owner == nullptr)
        return;
    // The snapshot must not contain the overlay itself.
    const bool wasVisible = isVisible();
    if (wasVisible)
        QWidget::hide();
    m_snapshot = owner->grab();
    setGeometry(owner->contentsRect());
    animateTo(1.0);
    raise();
    show();
}

void WidgetBlock::hideBlock()
{
    if (isVisible())
        animateTo(0.0);
}

void WidgetBlock::refresh()
{
    const bool shown = isVisible();
    if (shown)
        QWidget::hide();
    if (parentWidget() != nullptr)
        m_snapshot = parentWidget()->grab();
    if (shown)
        show();
}

void WidgetBlock::animateTo(double target)
{
    m_animation->stop();
    // The first fade is quicker: it runs while the child dialog is still appearing.
    m_animation->setDuration(m_faded ? FadeMs : FirstFadeMs);
    m_faded = true;
    m_animation->setStartValue(m_strength);
    m_animation->setEndValue(target);
    m_animation->start();
}

void WidgetBlock::onAnimationFinished()
{
    if (m_strength == 0.0)
        hide();
}

void WidgetBlock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_snapshot);
}
