#include "platform/gameexecutable.h"

#include "platform/processes.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

// Game packages are made for a system without execute permissions, so the executable arrives
// as a plain readable file: whoever may read it may also run it.
void allowRunning(const QString &program)
{
    const QFileInfo info(program);
    if (!info.isFile() || info.isExecutable())
        return;
    QFile::Permissions permissions = QFile::permissions(program);
    if (permissions & QFile::ReadOwner)
        permissions |= QFile::ExeOwner;
    if (permissions & QFile::ReadGroup)
        permissions |= QFile::ExeGroup;
    if (permissions & QFile::ReadOther)
        permissions |= QFile::ExeOther;
    QFile::setPermissions(program, permissions);
}

} // namespace

QString gameExecutableName()
{
    return QStringLiteral("gd7_x64");
}

bool startGame(const QString &program, const QStringList &arguments)
{
    allowRunning(program);
    return startDetachedQuoted(program, arguments);
}

} // namespace platform
