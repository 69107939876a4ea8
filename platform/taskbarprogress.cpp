#include "platform/taskbarprogress.h"

#include <algorithm>

namespace platform {

TaskbarProgress::TaskbarProgress(QObject *parent) : QObject(parent) {}

void TaskbarProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
    publish();
}

void TaskbarProgress::setValue(int value)
{
    m_value = std::clamp(value, m_minimum, m_maximum);
    publish();
}

void TaskbarProgress::setVisible(bool visible)
{
    m_visible = visible;
    publish();
}

void TaskbarProgress::setPaused(bool paused)
{
    m_paused = paused;
    publish();
}

void TaskbarProgress::attachWindow(quintptr nativeWindow)
{
    m_window = nativeWindow;
}

double TaskbarProgress::fraction(int minimum, int maximum, int value)
{
    if (maximum <= minimum)
        return 0.0;
    return std::clamp(double(value - minimum) / double(maximum - minimum), 0.0, 1.0);
}

} // namespace platform
