#pragma once

#include <QObject>

namespace platform {

// The progress shown on the program's task-bar button or dock icon. A range of 0..0 means busy
// without a known end. Where the desktop offers no such display, every call does nothing.
class TaskbarProgress : public QObject
{
    Q_OBJECT
public:
    explicit TaskbarProgress(QObject *parent = nullptr);
    ~TaskbarProgress() override;

    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setVisible(bool visible);
    void setPaused(bool paused);
    // The top-level window whose task-bar button shows the progress (a native window id).
    void attachWindow(quintptr nativeWindow);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    bool isVisible() const { return m_visible; }
    bool isPaused() const { return m_paused; }

    // The share done, 0..1, of a value in a range; 0 for a busy (empty) range.
    static double fraction(int minimum, int maximum, int value);

private:
    // Hands the current state to the desktop.
    void publish();

    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    bool m_visible = true;
    bool m_paused = false;
    quintptr m_window = 0;
};

} // namespace platform
