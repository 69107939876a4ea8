#include "platform/processes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

bool startDetachedQuoted(const QString &program, const QStringList &arguments)
{
    // QProcess passes the program and each argument whole: on Unix as they are, on Windows
    // quoted into the one command line the system takes (a program path with blanks included).
    // Literal quotes added here would become part of the path.
    const QString native = QDir::toNativeSeparators(program);
    return QProcess::startDetached(native, arguments, QFileInfo(native).absolutePath());
}

} // namespace platform
