#pragma once

#include "patch/checker.h"

#include <QList>
#include <QObject>
#include <QVariant>

// The checker's signals as the test's own thread receives them. The check emits from a pool
// thread, where a QSignalSpy would record them while the test reads the same list.
class CheckerSignals : public QObject
{
public:
    explicit CheckerSignals(Checker *checker)
    {
        connect(
            checker, &Checker::ended, this, [this](int error) { ended.append(error); }, Qt::QueuedConnection);
        connect(
            checker, &Checker::progress, this,
            [this](int processed, int total, int status, const QString &msg) {
                progress.append(QList<QVariant>({processed, total, status, msg}));
            },
            Qt::QueuedConnection);
    }

    QList<int> ended;
    QList<QList<QVariant>> progress;
};
