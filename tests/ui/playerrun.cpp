#include "tests/ui/playerrun.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <unistd.h>

namespace playerrun {

bool needed()
{
    return ::geteuid() == 0;
}

bool run(const QString &testCase, QString *output)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The player's run makes its own home and temporary folders.
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setWorkingDirectory(QStringLiteral("/tmp"));
    child.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                            QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                            QCoreApplication::applicationFilePath(), testCase});
    const bool finished = child.waitForFinished(240000);
    *output = QString::fromUtf8(child.readAll());
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
           !output->contains(QStringLiteral("SKIP   :")) && output->contains(QStringLiteral("PASS   : ")) &&
           !output->contains(QStringLiteral("FAIL!  :"));
}

} // namespace playerrun
