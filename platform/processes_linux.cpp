#include "platform/processes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {
namespace {

// A process descriptor (Linux 5.3 and later) follows exactly the process it was opened on,
// even if its id is reused later; -1 with errno ENOSYS on older kernels.
int openProcess(qint64 pid)
{
    return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
}

// Ended, reaped or not: a zombie has ended but still answers kill(pid, 0).
bool hasEnded(qint64 pid)
{
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return errno == ESRCH;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int afterName = line.lastIndexOf(')');
    return afterName >= 0 && line.mid(afterName + 2, 1) == "Z";
}

bool pollUntilEnded(qint64 pid, int timeoutMs)
{
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!hasEnded(pid)) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool waitOnDescriptor(int fd, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        pollfd entry{fd, POLLIN, 0};
        const int remaining = qMax<qint64>(0, timeoutMs - timer.elapsed());
        const int ready = ::poll(&entry, 1, remaining);
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

qint64 currentProcessId()
{
    return ::getpid();
}

bool waitForProcess(qint64 pid, int timeoutMs)
{
    if (pid <= 0)
        return false;
    const int fd = openProcess(pid);
    if (fd < 0)
        return errno == ENOSYS ? pollUntilEnded(pid, timeoutMs) : false;
    const bool ended = waitOnDescriptor(fd, timeoutMs);
    ::close(fd);
    return ended;
}

bool killProcess(qint64 pid)
{
    // Ids of 0 and below name process groups or every process: never signal those.
    if (pid <= 0)
        return false;
    const int fd = openProcess(pid);
    if (fd < 0)
        return errno == ENOSYS && ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
    const bool sent = ::syscall(SYS_pidfd_send_signal, fd, SIGKILL, nullptr, 0) == 0;
    ::close(fd);
    return sent;
}

void exitApp(int code)
{
    ::_exit(code);
}

} // namespace platform
