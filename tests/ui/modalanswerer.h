#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class StyledMessageBox;

// Answers the launcher's message boxes the way a player would: each box that opens is read (its
// texts are noted in order) and the button of the next queued answer is clicked. Boxes keep
// waiting while no answer is queued.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    ModalAnswerer();

    // StyledMessageBox button codes, used one per box in order.
    void queue(const QList<int> &codes) { m_answers += codes; }
    int pending() const { return m_answers.size(); }
    // The body text of every box seen so far.
    QStringList texts;
    // Button texts of every box seen, joined by "|", in the order of the boxes.
    QStringList buttons;

signals:
    void answered(const QString &text);

private:
    void poll();

    QTimer m_timer;
    QList<int> m_answers;
    QPointer<StyledMessageBox> m_current;
};
