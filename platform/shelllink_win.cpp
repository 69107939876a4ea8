#include "platform/shelllink.h"

#include "platform/com_win.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <shlobj.h>
#include <shobjidl.h>

namespace platform {
namespace {

// One argument as the system's command line splitter (CommandLineToArgvW) reads it back:
// quoted when it is empty or holds blanks or quotes; backslashes are literal except before a
// quote, where they are doubled.
QString quotedArgument(const QString &argument)
{
    const bool plain = !argument.isEmpty() && !argument.contains(QLatin1Char(' ')) &&
                       !argument.contains(QLatin1Char('\t')) && !argument.contains(QLatin1Char('\n')) &&
                       !argument.contains(QLatin1Char('"'));
    if (plain)
        return argument;
    QString text = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        const int repeat = c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes;
        text += QString(repeat, QLatin1Char('\\')) + c;
        backslashes = 0;
    }
    return text + QString(2 * backslashes, QLatin1Char('\\')) + QLatin1Char('"');
}

QString argumentLine(const QStringList &arguments)
{
    QStringList words;
    for (const QString &argument : arguments)
        words.append(quotedArgument(argument));
    return words.join(QLatin1Char(' '));
}

HRESULT saveLink(IShellLinkW *shellLink, const QString &linkPath, const ShellLink &link)
{
    const QString program = QDir::toNativeSeparators(link.program);
    shellLink->SetPath(reinterpret_cast<const wchar_t *>(program.utf16()));
    shellLink->SetArguments(reinterpret_cast<const wchar_t *>(argumentLine(link.arguments).utf16()));
    // Started from its own folder, as the launcher is when the player starts it by hand.
    const QString folder = QDir::toNativeSeparators(QFileInfo(link.program).absolutePath());
    shellLink->SetWorkingDirectory(reinterpret_cast<const wchar_t *>(folder.utf16()));
    ComPointer<IPersistFile> file;
    HRESULT result = shellLink->QueryInterface(IID_IPersistFile, file.out());
    if (SUCCEEDED(result)) {
        const QString native = QDir::toNativeSeparators(QFileInfo(linkPath).absoluteFilePath());
        result = file->Save(reinterpret_cast<const wchar_t *>(native.utf16()), TRUE);
    }
    return result;
}

} // namespace

QString shellLinkSuffix()
{
    return QStringLiteral(".lnk");
}

QString launcherLinkFileName(const QString &name)
{
    return name + shellLinkSuffix();
}

QString commandLine(const ShellLink &link)
{
    // The program is always quoted: an unquoted path with blanks would be read as several words.
    QString line = QLatin1Char('"') + QDir::toNativeSeparators(link.program) + QLatin1Char('"');
    if (!link.arguments.isEmpty())
        line += QLatin1Char(' ') + argumentLine(link.arguments);
    return line;
}

int createShellLink(const QString &linkPath, const ShellLink &link, const QString &)
{
    const ComScope com;
    ComPointer<IShellLinkW> shellLink;
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.out());
    if (SUCCEEDED(result))
        result = saveLink(shellLink.get(), linkPath, link);
    return static_cast<int>(result);
}

bool removeShellLink(const QString &linkPath)
{
    return QFile::remove(linkPath);
}

} // namespace platform
