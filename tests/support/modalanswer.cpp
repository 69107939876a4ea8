#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int Attempts = 100;

void waitForModal(QObject *context, std::function<void(QWidget *)> answer, int attemptsLeft)
{
    QTimer::singleShot(attemptsLeft == Attempts ? 0 : 10, context, [context, answer, attemptsLeft] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible())
            answer(modal);
        else if (attemptsLeft > 0)
            waitForModal(context, answer, attemptsLeft - 1);
    });
}
} // namespace

void answerNextModal(QObject *context, std::function<void(QWidget *modal)> answer)
{
    waitForModal(context, std::move(answer), Attempts);
}
