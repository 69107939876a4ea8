#include "platform/launcherfiles.h"

namespace platform {

QStringList launcherFileNames(const QString &launcherExecutable)
{
    // The C++ run time, Qt, OpenSSL and the trace tool (mtr) are Debian packages the launcher
    // depends on, shared with the rest of the system and updated by it; copying private
    // copies next to the executable would only shadow their security updates.
    return {QStringLiteral("3rdparty.txt"), launcherExecutable};
}

QString executableFileName(const QString &recordName)
{
    const QString suffix = QStringLiteral(".exe");
    if (recordName.endsWith(suffix, Qt::CaseInsensitive))
        return recordName.left(recordName.size() - suffix.size());
    return recordName;
}

} // namespace platform
