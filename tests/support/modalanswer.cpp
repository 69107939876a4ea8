#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int PollMs = 10;

void waitForModal(QObject *context, std::function<void(QWidget *)> answer, int attemptsLeft, bool first)
{
    QTimer::singleShot(first ? 0 : PollMs, context, [context, answer, attemptsLeft] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible())
            answer(modal);
        else if (attemptsLeft > 0)
            waitForModal(context, answer, attemptsLeft - 1, false);
    });
}
} // namespace

void answerNextModal(QObject *context, std::function<void(QWidget *modal)> answer, int timeoutMs)
{
    waitForModal(context, std::move(answer), timeoutMs / PollMs, true);
}
