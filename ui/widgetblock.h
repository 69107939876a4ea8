#pragma once

#include <QPixmap>
#include <QWidget>

class QGraphicsColorizeEffect;
class QPropertyAnimation;

// The overlay a dialog shows while a child dialog is open: a snapshot of the dialog that
// fades towards dark grey, so the dialog looks frozen behind the child.
class WidgetBlock : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double strength READ strength WRITE setStrength)
public:
    explicit WidgetBlock(QWidget *parent);

    double strength() const { return m_strength; }
    void setStrength(double strength);

    // Covers the parent with a fresh snapshot and fades in.
    void showBlock();
    // Fades out; hides once the fade reaches zero.
    void hideBlock();
    // Takes a new snapshot of the parent, keeping the shown or hidden state.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onAnimationFinished();

private:
    void animateTo(double target);

    QPixmap m_snapshot;
    double m_strength = 0.0;
    bool m_faded = false;
    QGraphicsColorizeEffect *m_effect;
    QPropertyAnimation *m_animation;
};
