#include "net/task.h"

#include "net/eventwait.h"

#include <QPointer>

Task::~Task()
{
    requestStop();
    // run() touches the object until its very last statement, so wait for Returned rather than
    // for the finished flag, which is set before the ended signal goes out.
    processEventsUntil([this] {
        const RunState state = m_runState.load();
        return state == RunState::Idle || state == RunState::Returned;
    });
}

void Task::run()
{
    m_runState = RunState::Running;
    emit started(m_id);
    m_finished = false;
    try {
        execute();
    } catch (...) {
        emit exception(m_id);
    }
    m_finished = true;
    emit ended(m_id, m_result);
    // The last touch of this object on the pool thread: from here on the owner may delete it.
    m_runState = RunState::Returned;
}

void Task::terminate(bool _wait)
{
    requestStop();
    if (_wait)
        waitUntilFinished();
}

void Task::wait()
{
    waitUntilFinished();
}

void Task::pause()
{
    m_paused = true;
}

void Task::resume()
{
    m_paused = false;
}

bool Task::willStillEnd() const
{
    const RunState state = m_runState.load();
    return state == RunState::Queued || state == RunState::Running;
}

void Task::requestStop()
{
    m_stopRequested = true;
    m_paused = false;
}

void Task::waitUntilFinished()
{
    // The events processed while waiting may deliver the manager's clean-up, which deletes this
    // task; the guard notices that before any member is read again.
    const QPointer<Task> self(this);
    processEventsUntil([&self] { return !self || self->isFinished() || !self->willStillEnd(); });
}
