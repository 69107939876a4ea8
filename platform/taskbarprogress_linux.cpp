#include "platform/taskbarprogress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

// Docks and desktops that show progress on a program's icon (the freedesktop launcher-entry
// convention) listen for this signal on the session bus; the desktop entry names the program.
namespace {
const QString EntryPath = QStringLiteral("/com/canonical/unity/launcherentry/GD7Launcher");
const QString EntryInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
const QString ApplicationUri = QStringLiteral("application://GD7Launcher.desktop");

void sendUpdate(double progress, bool visible)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(EntryPath, EntryInterface, QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), progress},
                                 {QStringLiteral("progress-visible"), visible}};
    update << ApplicationUri << properties;
    bus.send(update);
}
} // namespace

namespace platform {

TaskbarProgress::~TaskbarProgress()
{
    // A dock keeps the last bar it was told about: take it away with the program.
    if (m_visible)
        sendUpdate(0.0, false);
}

// Every change is announced as it is made, so a dock started later catches up at the next one.
// The launcher entry has no busy or paused look: a busy range shows no bar, a paused one stays.
void TaskbarProgress::publish()
{
    const bool busy = m_maximum <= m_minimum;
    sendUpdate(fraction(m_minimum, m_maximum, m_value), m_visible && !busy);
}

} // namespace platform
