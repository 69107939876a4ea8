#include "platform/gameexecutable.h"

#include "platform/processes.h"

namespace platform {

QString gameExecutableName()
{
    return QStringLiteral("gd7_x64.exe");
}

bool startGame(const QString &program, const QStringList &arguments)
{
    return startDetachedQuoted(program, arguments);
}

} // namespace platform
