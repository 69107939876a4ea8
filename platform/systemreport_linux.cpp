#include "platform/systemreport.h"

namespace platform {

namespace {

// Every tool's output and errors land in the report file, named by the script's first argument.
const char GraphicsScript[] =
    "exec >\"$1\" 2>&1; "
    "echo '== Display session'; "
    "echo \"XDG_SESSION_TYPE=$XDG_SESSION_TYPE DISPLAY=$DISPLAY WAYLAND_DISPLAY=$WAYLAND_DISPLAY\"; "
    "echo '== OpenGL'; glxinfo -B; "
    "echo '== Display devices'; lspci -nn | grep -Ei 'vga|3d|display'";

const char SystemScript[] = "exec >\"$1\" 2>&1; "
                            "echo '== Kernel'; uname -a; "
                            "echo '== Distribution'; cat /etc/os-release; "
                            "echo '== Processors'; lscpu; "
                            "echo '== Memory'; free -h; "
                            "echo '== Disks'; lsblk -o NAME,SIZE,TYPE,FSTYPE,MOUNTPOINT; df -h; "
                            "echo '== Locale'; locale";

// One argument of a QProcess command line: in double quotes, a literal quote written three times.
QString quoted(const QString &argument)
{
    QString text = argument;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString shellCommand(const char *script, const QString &reportPath)
{
    return QStringLiteral("sh -c ") + quoted(QString::fromUtf8(script)) + QStringLiteral(" sh ") +
           quoted(reportPath);
}

} // namespace

QStringList systemReportCommands(const QString &graphicsReport, const QString &systemReport)
{
    return {shellCommand(GraphicsScript, graphicsReport), shellCommand(SystemScript, systemReport)};
}

QString pingCommand(int count)
{
    return QStringLiteral("ping -c %1 ").arg(count);
}

} // namespace platform
