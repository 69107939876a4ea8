#pragma once

#include <QRunnable>

#include <atomic>
#include <functional>
#include <memory>

// One callable run on the application-wide thread pool, with two controls: cancel while still
// queued, and wait until done. The handle returned by launch keeps the wrapper alive for its
// owner, and the wrapper keeps itself alive while the pool holds it, so either side may let go
// first. Owners do: if (!handle->cancel()) handle->wait(); then drop the handle.
class TaskWrapper : public QRunnable
{
public:
    static std::shared_ptr<TaskWrapper> launch(std::function<void()> fn);

    void run() override;
    ~TaskWrapper() override = default;
    // True when the wrapper was taken off the queue and will never run.
    virtual bool cancel();
    // Returns once the callable has returned (or the wrapper was cancelled).
    virtual void wait();

    bool isDone() const { return m_done.load(); }

private:
    explicit TaskWrapper(std::function<void()> fn);

    std::function<void()> m_function;
    std::atomic<bool> m_done{false};
    std::shared_ptr<TaskWrapper> m_self;
};
