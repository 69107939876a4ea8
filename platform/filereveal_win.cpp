#include "platform/filereveal.h"

#include <QDir>
#include <QProcess>

namespace platform {

RevealResult revealExisting(const QString &canonical, bool isFolder)
{
    const QString native = QLatin1Char('"') + QDir::toNativeSeparators(canonical) + QLatin1Char('"');
    // Explorer reads its own command line: "/select," and the path must stay one word.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(isFolder ? native : QStringLiteral("/select,") + native);
    if (!explorer.startDetached())
        return RevealResult::Failed;
    return isFolder ? RevealResult::FolderOpened : RevealResult::Selected;
}

} // namespace platform
