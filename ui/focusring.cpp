#include "ui/focusring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int Outset = FocusRing::Gap + FocusRing::Width;

bool movesTheRing(QEvent::Type type)
{
    switch (type) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        return true;
    default:
        return false;
    }
}

// Watches the whole application for focus changes and for moves of what the ring surrounds.
// It outlives every ring: a ring goes with the window it was laid over, and the next focus
// gets a new one.
class FocusFollower : public QObject
{
public:
    using QObject::QObject;

    QPointer<FocusRing> ring;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn && watched->isWidgetType()) {
            const bool byMouse = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
            if (!byMouse && ring == nullptr)
                ring = FocusRing::instance();
            if (ring != nullptr)
                ring->follow(byMouse ? nullptr : static_cast<QWidget *>(watched));
        } else if (ring != nullptr && movesTheRing(type) && ring->follows(watched)) {
            // After the layouts have placed everything for this change.
            QMetaObject::invokeMethod(ring, &FocusRing::place, Qt::QueuedConnection);
        }
        return false;
    }
};

FocusFollower *follower = nullptr;

} // namespace

FocusRing::FocusRing() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("focus_ring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FocusRing::install()
{
    if (follower != nullptr)
        return;
    follower = new FocusFollower(qApp);
    qApp->installEventFilter(follower);
}

FocusRing *FocusRing::instance()
{
    if (follower == nullptr)
        return nullptr;
    if (follower->ring == nullptr)
        follower->ring = new FocusRing;
    return follower->ring;
}

QWidget *FocusRing::target() const
{
    return isVisible() ? m_target.data() : nullptr;
}

bool FocusRing::follows(const QObject *object) const
{
    for (const QPointer<QWidget> &watched : m_watched) {
        if (watched == object)
            return true;
    }
    return false;
}

void FocusRing::follow(QWidget *widget)
{
    if (widget == this)
        return;
    m_watched.clear();
    m_target = widget;
    if (widget == nullptr || widget->isWindow()) {
        m_target = nullptr;
        hide();
        return;
    }
    if (parentWidget() != widget->window()) {
        setParent(widget->window());
        // The style sheet's colour reaches a widget when it is polished in its new window.
        style()->unpolish(this);
        style()->polish(this);
    }
    // The control and each widget it sits in: a move of any of them moves the control.
    for (QWidget *w = widget; w != nullptr && w != parentWidget(); w = w->parentWidget())
        m_watched.append(w);
    place();
}

void FocusRing::place()
{
    QWidget *window = parentWidget();
    if (m_target == nullptr || window == nullptr || !m_target->isVisibleTo(window) || !window->isVisible()) {
        hide();
        return;
    }
    QRect area = targetArea().adjusted(-Outset, -Outset, Outset, Outset);
    // A control scrolled partly out of view keeps its ring inside the view.
    for (QWidget *w = m_target->parentWidget(); w != nullptr && w != window; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("qt_scrollarea_viewport"))
            area &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    setGeometry(area);
    show();
    raise();
    update();
}

QRect FocusRing::targetArea() const
{
    const QRect shown =
        m_target->property("focusRingOnContents").toBool() ? m_target->contentsRect() : m_target->rect();
    return shown.translated(m_target->mapTo(parentWidget(), QPoint(0, 0)));
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (m_target == nullptr || parentWidget() == nullptr)
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), Width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The whole ring in the target's place: a view that clips the ring cuts it, instead of
    // the ring being drawn smaller.
    const QRect whole = targetArea().translated(-pos()).adjusted(-Outset, -Outset, Outset, Outset);
    const qreal half = Width / 2.0;
    painter.drawRect(QRectF(whole).adjusted(half, half, -half, -half));
}
