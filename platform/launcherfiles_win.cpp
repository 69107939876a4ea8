#include "platform/launcherfiles.h"

namespace platform {

QStringList launcherFileNames(const QString &launcherExecutable)
{
    // What scripts/build-windows puts beside the launcher, in the order a copy must follow:
    // the compiler's run time, the toolkit with its plug-ins, the libraries of the engine, TLS,
    // the notices and the launcher last (a launcher folder is only complete once it is there).
    return {QStringLiteral("libgcc_s_seh-1.dll"),
            QStringLiteral("libstdc++-6.dll"),
            QStringLiteral("libwinpthread-1.dll"),
            QStringLiteral("Qt5Core.dll"),
            QStringLiteral("Qt5Gui.dll"),
            QStringLiteral("Qt5Network.dll"),
            QStringLiteral("Qt5Widgets.dll"),
            QStringLiteral("platforms/qwindows.dll"),
            QStringLiteral("styles/qwindowsvistastyle.dll"),
            QStringLiteral("imageformats/qjpeg.dll"),
            QStringLiteral("imageformats/qgif.dll"),
            QStringLiteral("imageformats/qico.dll"),
            QStringLiteral("zlib1.dll"),
            QStringLiteral("liblzma-5.dll"),
            QStringLiteral("libarchive.dll"),
            QStringLiteral("libtorrent-rasterbar.dll"),
            QStringLiteral("libcrypto-3-x64.dll"),
            QStringLiteral("libssl-3-x64.dll"),
            QStringLiteral("3rdparty.txt"),
            launcherExecutable};
}

QString executableFileName(const QString &recordName)
{
    return recordName;
}

} // namespace platform
