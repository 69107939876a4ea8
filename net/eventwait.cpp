#include "net/eventwait.h"

#include <QCoreApplication>
#include <QThread>

void processEventsUntil(const std::function<bool()> &done)
{
    while (!done()) {
        QCoreApplication::processEvents();
        // A pause between passes keeps a long wait from spinning a whole core.
        if (!done())
            QThread::msleep(1);
    }
}
