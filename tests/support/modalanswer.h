#pragma once

#include <functional>

class QObject;
class QWidget;

// Answers the next modal dialog a test opens: a zero-delay timer waits for
// QApplication::activeModalWidget() to be set and hands it to `answer` (which clicks one of its
// buttons). Gives up after timeoutMs of waiting with no modal widget, or when `context` is destroyed.
void answerNextModal(QObject *context, std::function<void(QWidget *modal)> answer, int timeoutMs = 1000);
