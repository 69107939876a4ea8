#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The round badge on a tab with a number (the unread news). Paints nothing for a count of 0.
class Counter : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int count READ count WRITE setCount)
    Q_PROPERTY(QColor color READ color WRITE setColor)
public:
    explicit Counter(QWidget *parent = nullptr);

    int count() const { return m_count; }
    void setCount(int count);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void renderCache();

    int m_count = 0;
    QColor m_color{255, 210, 0, 255};
    QPixmap m_cache;
    bool m_cacheValid = false;
};
