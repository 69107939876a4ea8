#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A D-Bus session bus of the test's own: dbus-daemon with a configuration in a temporary
// folder, listening on a socket there. start() points DBUS_SESSION_BUS_ADDRESS at it for this
// process and its children; stopping restores the previous value. Start it before anything
// calls QDBusConnection::sessionBus(), which connects once and keeps that connection.
class PrivateSessionBus
{
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    bool start();
    void stop();

    QString address() const { return m_address; }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QByteArray m_previousAddress;
    bool m_hadPreviousAddress = false;
};
