#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QWidget>

class Counter;
class QAction;
class QActionGroup;
class QHBoxLayout;
class QToolButton;

// The header's tab strip: one checkable button per action, one selected at a time, each with an
// unread badge created when first needed.
class Tabs : public QWidget
{
    Q_OBJECT
public:
    explicit Tabs(QWidget *parent = nullptr);

    // The action's data becomes its index; its button is appended to the strip.
    void addTab(QAction *action);
    QAction *action(int index) const;
    QToolButton *button(int index) const { return m_buttons.value(index); }
    // The badge of a tab; null until a count of 1 or more was set.
    Counter *counter(int index) const { return m_counters.value(index); }

signals:
    void selectTab(QAction *action);

public slots:
    void updateCounter(int idx, int count, const QColor &color);
    void updateCounter(int idx, int count);
    void updateColor(int idx, const QColor &color);
    void updateColor(int idx);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeCounter(int idx);

    QActionGroup *m_group;
    QHBoxLayout *m_row;
    QList<QToolButton *> m_buttons;
    QHash<int, Counter *> m_counters;
};
