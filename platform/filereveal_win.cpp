#include "platform/filereveal.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

RevealResult revealFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || (!info.isFile() && !info.isDir()))
        return RevealResult::Refused;
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return RevealResult::Refused;
    const bool folder = info.isDir();
    const QString native = QLatin1Char('"') + QDir::toNativeSeparators(canonical) + QLatin1Char('"');
    // Explorer reads its own command line: "/select," and the path must stay one word.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(folder ? native : QStringLiteral("/select,") + native);
    if (!explorer.startDetached())
        return RevealResult::Failed;
    return folder ? RevealResult::FolderOpened : RevealResult::Selected;
}

} // namespace platform
