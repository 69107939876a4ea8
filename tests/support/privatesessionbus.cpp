#include "tests/support/privatesessionbus.h"

#include <QFile>

namespace {
// Everyone on the bus may talk to and watch everyone: it only ever holds the test's own peers.
const char BusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
constexpr int StartTimeoutMs = 10000;
} // namespace

PrivateSessionBus::~PrivateSessionBus()
{
    stop();
}

bool PrivateSessionBus::start()
{
    if (!m_folder.isValid())
        return false;
    const QString configPath = m_folder.filePath(QStringLiteral("session.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QString::fromLatin1(BusConfig).arg(m_folder.path()).toUtf8());
    config.close();

    m_daemon.setProgram(QStringLiteral("dbus-daemon"));
    m_daemon.setArguments({QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1")});
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start();
    if (!m_daemon.waitForStarted(StartTimeoutMs))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(StartTimeoutMs)) {
            stop();
            return false;
        }
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty()) {
        stop();
        return false;
    }
    m_hadPreviousAddress = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
    m_previousAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    return true;
}

void PrivateSessionBus::stop()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(StartTimeoutMs)) {
            m_daemon.kill();
            m_daemon.waitForFinished(StartTimeoutMs);
        }
    }
    if (!m_address.isEmpty()) {
        if (m_hadPreviousAddress)
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_previousAddress);
        else
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        m_address.clear();
    }
}
