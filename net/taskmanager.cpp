#include "net/taskmanager.h"

#include "net/eventwait.h"

#include <QThreadPool>

TaskManager::TaskManager(QObject *parent) : QObject(parent), m_pool(new QThreadPool(this)) {}

TaskManager::~TaskManager()
{
    // Listeners are being left behind: no more forwarded signals reach them.
    blockSignals(true);
    terminate(-1, true);
    m_pool->waitForDone();
    // Tasks whose clean-up was still queued when the manager went away.
    qDeleteAll(m_tasks);
    m_tasks.clear();
}

int TaskManager::start(Task *task)
{
    if (!task)
        return -1;
    if (task->m_id == -1)
        task->m_id = ++m_lastId;
    task->setAutoDelete(false);
    const int id = task->m_id;
    if (m_tasks.contains(id)) {
        delete task;
        return -1;
    }
    m_tasks.insert(id, task);
    connect(task, &Task::started, this, &TaskManager::started);
    connect(task, &Task::progress, this, &TaskManager::progress);
    connect(task, &Task::ended, this, &TaskManager::ended);
    connect(task, &Task::exception, this, &TaskManager::exception);
    // After the forwarding, so that listeners of ended see the task before it is deleted.
    connect(task, &Task::ended, this, qOverload<int, int>(&TaskManager::_eraseTask));
    task->m_runState = Task::RunState::Queued;
    m_pool->start(task, 0);
    return id;
}

bool TaskManager::isRunning(int id) const
{
    if (id != -1) {
        const Task *task = m_tasks.value(id);
        return task && !task->isFinished();
    }
    for (const Task *task : m_tasks) {
        if (!task->isFinished())
            return true;
    }
    return false;
}

void TaskManager::terminate(int id, bool _wait)
{
    if (m_tasks.isEmpty())
        return;
    if (id == -1)
        terminateAll(_wait);
    else
        terminateOne(id, _wait);
}

void TaskManager::wait(int id)
{
    if (id != -1) {
        waitFor(id);
        return;
    }
    for (int taskId : m_tasks.keys())
        waitFor(taskId);
}

void TaskManager::pause(int id)
{
    forEachTask(id, [](Task *task) { task->pause(); });
}

void TaskManager::resume(int id)
{
    forEachTask(id, [](Task *task) { task->resume(); });
}

void TaskManager::_eraseTask(int id, int)
{
    if (id == -1)
        return;
    Task *task = m_tasks.take(id);
    // Out of the table before the delete: deleting may process events that walk the table.
    delete task;
}

bool TaskManager::takeFromQueue(Task *task)
{
    if (!m_pool->tryTake(task))
        return false;
    task->m_runState = Task::RunState::Idle;
    return true;
}

void TaskManager::terminateOne(int id, bool _wait)
{
    Task *task = m_tasks.value(id);
    if (!task)
        return;
    if (takeFromQueue(task)) {
        _eraseTask(id);
        return;
    }
    task->requestStop();
    if (_wait)
        waitFor(id);
}

void TaskManager::terminateAll(bool _wait)
{
    // Everything is taken off the queue or asked to stop before the first wait: a wait lets
    // the pool start queued tasks on the threads that become free.
    const QList<int> ids = m_tasks.keys();
    QList<int> dropped;
    for (int id : ids) {
        Task *task = m_tasks.value(id);
        if (takeFromQueue(task))
            dropped.append(id);
        else
            task->requestStop();
    }
    for (int id : dropped)
        _eraseTask(id);
    if (!_wait)
        return;
    for (int id : ids)
        waitFor(id);
}

void TaskManager::waitFor(int id)
{
    // The id is looked up again after every pass: the task may have been deleted meanwhile.
    processEventsUntil([this, id] {
        const Task *task = m_tasks.value(id);
        return !task || task->isFinished() || !task->willStillEnd();
    });
}

template<typename Action> void TaskManager::forEachTask(int id, Action action)
{
    if (id != -1) {
        if (Task *task = m_tasks.value(id))
            action(task);
        return;
    }
    for (Task *task : qAsConst(m_tasks))
        action(task);
}
