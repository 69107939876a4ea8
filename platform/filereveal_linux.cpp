#include "platform/filereveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

// The freedesktop file manager interface; any file manager may own the name.
const QString FileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString FileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");
// A file manager that has to be started by the bus first may take a moment to answer.
constexpr int FileManagerTimeoutMs = 5000;

bool showInFileManager(const QString &canonicalPath)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(FileManagerService, FileManagerPath,
                                                       FileManagerService, QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(canonicalPath).toString(QUrl::FullyEncoded)} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, FileManagerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

RevealResult revealExisting(const QString &canonical, bool isFolder)
{
    if (showInFileManager(canonical))
        return RevealResult::Selected;
    const QString folder = isFolder ? canonical : QFileInfo(canonical).absolutePath();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)) ? RevealResult::FolderOpened
                                                                  : RevealResult::Failed;
}

} // namespace platform
