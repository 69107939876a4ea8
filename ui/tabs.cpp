#include "ui/tabs.h"

#include "ui/counter.h"
#include "ui/tabbutton.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QStyle>
#include <QToolButton>

Tabs::Tabs(QWidget *parent) : QWidget(parent), m_group(new QActionGroup(this)), m_row(new QHBoxLayout(this))
{
    m_group->setExclusive(true);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(25);
    connect(m_group, &QActionGroup::triggered, this, &Tabs::selectTab);
}

void Tabs::addTab(QAction *action)
{
    action->setData(m_group->actions().size());
    m_group->addAction(action);
    auto *button = new TabButton(this);
    button->setObjectName(QStringLiteral("tabbtn"));
    button->setDefaultAction(action);
    button->setCheckable(true);
    button->setCursor(Qt::PointingHandCursor);
    m_row->addWidget(button);
    m_buttons.append(button);
}

QAction *Tabs::action(int index) const
{
    return m_group->actions().value(index);
}

void Tabs::updateCounter(int idx, int count, const QColor &color)
{
    Counter *counter = m_counters.value(idx);
    if (counter == nullptr) {
        QToolButton *button = m_buttons.value(idx);
        if (count < 1 || button == nullptr)
            return;
        counter = new Counter(button);
        // The style sheet makes room beside the text for the badge of a tab that has one.
        button->setProperty("badge", true);
        button->style()->unpolish(button);
        button->style()->polish(button);
        m_counters.insert(idx, counter);
        connect(counter, &Counter::clicked, button, &QToolButton::click);
        counter->show();
        counter->raise();
        placeCounter(idx);
    }
    counter->setCount(count);
    if (color.isValid() && color != counter->color())
        counter->setColor(color);
    // The badge is only painted; screen readers hear the count in the tab's name.
    QToolButton *button = m_buttons.value(idx);
    if (button->property("unread").toInt() != count) {
        button->setProperty("unread", count);
        QAccessibleEvent event(button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Tabs::updateCounter(int idx, int count)
{
    updateCounter(idx, count, QColor());
}

void Tabs::updateColor(int idx, const QColor &color)
{
    Counter *counter = m_counters.value(idx);
    if (counter != nullptr && color.isValid() && color != counter->color())
        counter->setColor(color);
}

void Tabs::updateColor(int idx)
{
    updateColor(idx, QColor());
}

void Tabs::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (auto it = m_counters.cbegin(); it != m_counters.cend(); ++it)
        placeCounter(it.key());
}

void Tabs::placeCounter(int idx)
{
    Counter *counter = m_counters.value(idx);
    const QToolButton *button = m_buttons.value(idx);
    counter->move(button->width() - counter->width(), 0);
}
