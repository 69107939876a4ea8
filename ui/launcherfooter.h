#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedLayout;
class QWindow;

namespace platform {
class TaskbarProgress;
}

// The main window's bottom bar: the update's status and detail lines, its progress bar, the
// pause and resume buttons, and the same progress on the task-bar button. For screen readers it
// is a status bar whose name is the update's current step, so each new step is announced once
// (not each tick of its percentage).
class LauncherFooter : public QFrame
{
    Q_OBJECT
public:
    explicit LauncherFooter(QWidget *parent = nullptr);

    virtual void setProgressVisible(bool visible);
    void setPauseVisible(bool visible);
    void setIndeterminate(bool indeterminate);
    void setPaused(bool paused);
    void setNewsMode(bool news);
    void setStatus(const QString &status, const QString &detail);
    void setProgressValue(int value);
    void setTaskbarWindow(QWindow *window);
    // Tells screen readers of a new state (the game is ready, the download paused).
    void announce(const QString &text);

signals:
    void pause();
    void resume();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createTextArea();
    void nameControls();

    platform::TaskbarProgress *m_taskbar;
    QWindow *m_window = nullptr;
    bool m_progressVisible = true;
    bool m_pauseVisible = false;
    bool m_indeterminate = true;
    QProgressBar *m_bar;
    QLabel *m_detail;
    QLabel *m_status;
    QPushButton *m_pause;
    QPushButton *m_resume;
    QStackedLayout *m_pauseStack = nullptr;
    QWidget *m_pauseControls = nullptr;
    QWidget *m_textArea;
    // The status without its figures, to tell a new step from the same step's progress.
    QString m_statusWords;
};
