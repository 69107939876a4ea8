#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

class PanelContent;
class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QVBoxLayout;

// An overlay that dims the widget it covers and slides a column in from its right edge, fading
// both in. A press on the dimmed part closes it.
class Panel : public QWidget
{
    Q_OBJECT
public:
    Panel(QWidget *anchor, float widthFraction, QWidget *parent = nullptr);

    // The column's rectangles for an anchor of the given size: outside the right edge, and in
    // place after the slide.
    static QRect startRect(const QSize &anchor, float widthFraction);
    static QRect endRect(const QSize &anchor, float widthFraction);

    // Where the focus goes when the panel closes with the focus inside it (the control that
    // opens it).
    void setFocusReturn(QWidget *widget) { m_focusReturn = widget; }

public slots:
    virtual void toggle();

signals:
    void opacityChanged(double opticaly);

protected:
    PanelContent *content() const { return m_content; }
    QVBoxLayout *contentLayout() const { return m_contentLayout; }

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Tab and Shift+Tab go round the column's controls only, never to the window under it.
    bool focusNextPrevChild(bool next) override;

private slots:
    void _endHideAnimation();

private:
    QRect anchorRect() const;
    void ensureAnimations();
    void animate(const QRect &from, const QRect &to, qreal opacityFrom, qreal opacityTo);

    float m_widthFraction;
    QWidget *m_anchor;
    PanelContent *m_content;
    QVBoxLayout *m_contentLayout;
    QGraphicsOpacityEffect *m_overlayEffect;
    QPropertyAnimation *m_geometryAnimation = nullptr;
    QPropertyAnimation *m_overlayAnimation = nullptr;
    QList<QMetaObject::Connection> m_hideConnections;
    QPointer<QWidget> m_focusReturn;
};
