#include "diag/processwrapper.h"

#include <QProcess>
#include <QThread>

namespace {

constexpr int StartTimeoutMs = 30000;
constexpr int KillTimeoutMs = 3000;

} // namespace

ProcessWrapper::ProcessWrapper(const QString &command, bool hideWindow)
    : m_command(command), m_hideWindow(hideWindow)
{}

ProcessWrapper::~ProcessWrapper()
{
    if (m_process)
        m_process->deleteLater();
}

bool ProcessWrapper::start()
{
    if (m_process)
        return false;
    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // Console programs open no window of their own here; hideWindow matters only where they would.
    const QStringList parts = QProcess::splitCommand(m_command);
    if (parts.isEmpty())
        return false;
    m_process->start(parts.first(), parts.mid(1), QIODevice::ReadOnly);
    return m_process->waitForStarted(StartTimeoutMs);
}

bool ProcessWrapper::poll()
{
    if (!m_process)
        return false;
    const bool running = m_process->state() != QProcess::NotRunning;
    // Output still buffered after the program ended is collected too.
    m_process->waitForReadyRead(0);
    m_output.append(m_process->readAllStandardOutput());
    return !running;
}

void ProcessWrapper::kill()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->kill();
    m_process->waitForFinished(KillTimeoutMs);
    m_output.append(m_process->readAllStandardOutput());
}

void ProcessWrapper::handOver(QThread *thread)
{
    if (m_process)
        m_process->moveToThread(thread);
}
