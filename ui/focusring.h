#pragma once

#include <QPointer>
#include <QWidget>

// The ring around the control that has the keyboard focus, in every window of the application.
// It is a widget of its own laid over the control's window just outside the control, so no
// control changes its size or its look to show the focus. It shows for focus that came by the
// keyboard or by the program, not for a mouse click (a player pointing knows where he is).
// Its colour is the style sheet's: FocusRing { color: ... }. A control whose style sheet margin
// keeps space around what it paints (a news card) sets the property "focusRingOnContents", and
// the ring surrounds its contents rectangle instead.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    // Gap between the control and the ring, and the ring's width, in pixels.
    static constexpr int Gap = 2;
    static constexpr int Width = 2;

    // Starts following the focus, for the whole application; later calls do nothing more.
    static void install();
    // The ring now on screen or last shown; null before the first one, or after its window
    // went and took it along.
    static FocusRing *instance();

    // The control the ring is around; null while it is hidden.
    QWidget *target() const;

    // The focus reached a widget (null: no ring) or something the ring follows changed.
    void follow(QWidget *widget);
    void place();
    bool follows(const QObject *object) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FocusRing();
    // The part of the target the ring surrounds, in the ring's window.
    QRect targetArea() const;

    QPointer<QWidget> m_target;
    QList<QPointer<QWidget>> m_watched;
};
