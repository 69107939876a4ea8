#include "net/taskwrapper.h"

#include "app/logger.h"
#include "net/eventwait.h"

#include <QThreadPool>

TaskWrapper::TaskWrapper(std::function<void()> fn) : m_function(std::move(fn))
{
    setAutoDelete(false);
}

std::shared_ptr<TaskWrapper> TaskWrapper::launch(std::function<void()> fn)
{
    std::shared_ptr<TaskWrapper> wrapper(new TaskWrapper(std::move(fn)));
    wrapper->m_self = wrapper;
    QThreadPool::globalInstance()->start(wrapper.get(), 0);
    return wrapper;
}

void TaskWrapper::run()
{
    m_done = false;
    try {
        m_function();
    } catch (...) {
        // An exception leaving a pool thread would end the process, and the owner's wait would
        // never return.
        Logger::instance().crit(QStringLiteral("background job ended by an exception"));
    }
    // Taken before done is announced, released when run() returns: the owner may drop its
    // handle the moment it sees done.
    const std::shared_ptr<TaskWrapper> self = std::move(m_self);
    m_done = true;
}

bool TaskWrapper::cancel()
{
    if (!QThreadPool::globalInstance()->tryTake(this))
        return false;
    m_done = true;
    m_self.reset();
    return true;
}

void TaskWrapper::wait()
{
    processEventsUntil([this] { return m_done.load(); });
}
