#pragma once

#include <QByteArray>
#include <QString>

class QProcess;
class QThread;

// One external program started from a command line, with its standard output and errors collected.
// Used through std::shared_ptr: the thread that starts it polls it; its owner may outlive that thread.
class ProcessWrapper
{
public:
    ProcessWrapper(const QString &command, bool hideWindow);
    // A process still running is killed once the QProcess is deleted in its thread's event loop.
    ~ProcessWrapper();
    ProcessWrapper(const ProcessWrapper &) = delete;
    ProcessWrapper &operator=(const ProcessWrapper &) = delete;

    // False when already started or when the program could not be started (it then counts as ended).
    bool start();
    // Collects new output; true once the process is no longer running.
    bool poll();
    // Ends a process that overran its time, collecting what it wrote.
    void kill();
    // From the starting thread: the QProcess goes to thread, whose event loop will delete it.
    void handOver(QThread *thread);

    QString command() const { return m_command; }
    QByteArray output() const { return m_output; }
    bool hideWindow() const { return m_hideWindow; }

private:
    QString m_command;
    bool m_hideWindow;
    QProcess *m_process = nullptr;
    QByteArray m_output;
};
