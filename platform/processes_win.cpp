#include "platform/processes.h"

#include <cstdlib>

#include <windows.h>

namespace platform {
namespace {

// A process handle closed when it goes out of scope; null when the process could not be opened
// (gone already, or not ours to touch).
class ProcessHandle
{
public:
    ProcessHandle(qint64 pid, DWORD access)
        : m_handle(pid > 0 ? OpenProcess(access, FALSE, static_cast<DWORD>(pid)) : nullptr)
    {}
    ~ProcessHandle()
    {
        if (m_handle)
            CloseHandle(m_handle);
    }
    ProcessHandle(const ProcessHandle &) = delete;
    ProcessHandle &operator=(const ProcessHandle &) = delete;

    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

qint64 currentProcessId()
{
    return GetCurrentProcessId();
}

bool waitForProcess(qint64 pid, int timeoutMs)
{
    // The handle keeps the process object, so a reused id can never be mistaken for it.
    const ProcessHandle process(pid, SYNCHRONIZE);
    if (!process.get())
        return false;
    return WaitForSingleObject(process.get(), static_cast<DWORD>(qMax(0, timeoutMs))) == WAIT_OBJECT_0;
}

bool killProcess(qint64 pid)
{
    const ProcessHandle process(pid, PROCESS_TERMINATE);
    return process.get() && TerminateProcess(process.get(), 1);
}

void exitApp(int code)
{
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
    // Not reached: the call ends this process before it returns.
    std::_Exit(code);
}

} // namespace platform
