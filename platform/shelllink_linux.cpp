#include "platform/shelllink.h"

#include "platform/keyfile_linux.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {

// Double quotes keep blanks and every other special character but these four, which take a
// backslash; the shell and a desktop entry's Exec key read them the same way.
QString quoted(const QString &argument)
{
    QString text = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            text += QLatin1Char('\\');
        text += c;
    }
    return text + QLatin1Char('"');
}

const QFileDevice::Permissions executable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// GNOME's desktop icons start an entry only once the file is marked trusted in the desktop's
// metadata store, which lives behind the session bus; without a session there is no one to ask.
void markTrusted(const QString &linkPath)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty() || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QProcess process;
    process.start(gio, {QStringLiteral("set"), QStringLiteral("-t"), QStringLiteral("string"), linkPath,
                        QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(1000);
}

} // namespace

QString shellLinkSuffix()
{
    return QStringLiteral(".desktop");
}

QString launcherLinkFileName(const QString &)
{
    return QStringLiteral("GD7Launcher") + shellLinkSuffix();
}

QString commandLine(const ShellLink &link)
{
    QStringList words{quoted(link.program)};
    for (const QString &argument : link.arguments)
        words.append(quoted(argument));
    return words.join(QLatin1Char(' '));
}

int createShellLink(const QString &linkPath, const ShellLink &link, const QString &windowClass)
{
    KeyFile entry(QStringLiteral("Desktop Entry"));
    entry.setValue(QStringLiteral("Type"), QStringLiteral("Application"));
    entry.setValue(QStringLiteral("Version"), QStringLiteral("1.0"));
    entry.setValue(QStringLiteral("Name"), link.name);
    // A literal "%" would start a field code in Exec.
    entry.setValue(QStringLiteral("Exec"), commandLine(link).replace(QLatin1Char('%'), QStringLiteral("%%")));
    entry.setValue(QStringLiteral("Terminal"), QStringLiteral("false"));
    entry.setValue(QStringLiteral("Categories"), QStringLiteral("Game;"));
    if (!windowClass.isEmpty())
        entry.setValue(QStringLiteral("StartupWMClass"), windowClass);
    if (!entry.save(linkPath, executable))
        return -1;
    markTrusted(linkPath);
    return 0;
}

bool removeShellLink(const QString &linkPath)
{
    return QFile::remove(linkPath);
}

} // namespace platform
