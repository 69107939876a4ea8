#include "ui/counter.h"

#include <QPainter>

Counter::Counter(QWidget *parent) : QWidget(parent), m_cache(21, 20)
{
    setFixedSize(20, 20);
    setContentsMargins(0, 0, 0, 0);
    setCursor(Qt::PointingHandCursor);
}

void Counter::setCount(int count)
{
    m_count = count;
    m_cacheValid = false;
    update();
}

void Counter::setColor(const QColor &color)
{
    m_color = color;
    m_cacheValid = false;
    update();
}

void Counter::mousePressEvent(QMouseEvent *)
{
    emit clicked();
}

void Counter::renderCache()
{
    m_cache.fill(Qt::transparent);
    QPainter painter(&m_cache);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawEllipse(m_cache.rect());
    painter.setPen(Qt::black);
    // The family comes from the style sheet; the badge's own size and weight are fixed.
    QFont digits = font();
    digits.setBold(true);
    digits.setPixelSize(12);
    painter.setFont(digits);
    painter.drawText(m_cache.rect(), Qt::AlignCenter, QString::number(m_count));
    m_cacheValid = true;
}

void Counter::paintEvent(QPaintEvent *)
{
    if (m_count <= 0)
        return;
    if (!m_cacheValid)
        renderCache();
    QPainter painter(this);
    // Drawn over the whole badge; whatever is covered is clipped, not squeezed.
    painter.drawPixmap(rect(), m_cache);
}
