#include "platform/filereveal.h"

#include <QFileInfo>

namespace platform {

RevealResult revealFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || (!info.isFile() && !info.isDir()))
        return RevealResult::Refused;
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return RevealResult::Refused;
    return revealExisting(canonical, info.isDir());
}

} // namespace platform
