#include "platform/taskbarprogress.h"

#include "platform/com_win.h"

#include <shobjidl.h>

namespace platform {
namespace {

// The shell's task-bar list for one change; it keeps no state of ours between calls.
void showOnTaskbar(quintptr window, TBPFLAG state, int done, int total)
{
    if (!window)
        return;
    const ComScope com;
    ComPointer<ITaskbarList3> taskbar;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                taskbar.out())) ||
        FAILED(taskbar->HrInit()))
        return;
    const HWND button = reinterpret_cast<HWND>(window);
    if (state == TBPF_NORMAL || state == TBPF_PAUSED)
        taskbar->SetProgressValue(button, static_cast<ULONGLONG>(done), static_cast<ULONGLONG>(total));
    taskbar->SetProgressState(button, state);
}

} // namespace

TaskbarProgress::~TaskbarProgress()
{
    showOnTaskbar(m_window, TBPF_NOPROGRESS, 0, 0);
}

void TaskbarProgress::publish()
{
    if (!m_visible)
        showOnTaskbar(m_window, TBPF_NOPROGRESS, 0, 0);
    else if (m_maximum <= m_minimum)
        showOnTaskbar(m_window, TBPF_INDETERMINATE, 0, 0);
    else
        showOnTaskbar(m_window, m_paused ? TBPF_PAUSED : TBPF_NORMAL, m_value - m_minimum,
                      m_maximum - m_minimum);
}

} // namespace platform
