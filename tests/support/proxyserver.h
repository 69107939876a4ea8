#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// tinyproxy (HTTP) or microsocks (SOCKS5) from the system, listening on a free 127.0.0.1 port,
// optionally asking for a user name and password. Both are set up to connect to 127.0.0.1
// targets only. Stopped when the object goes away.
class ProxyServer
{
public:
    enum Kind { Http, Socks5 };

    ProxyServer() = default;
    ~ProxyServer();
    ProxyServer(const ProxyServer &) = delete;
    ProxyServer &operator=(const ProxyServer &) = delete;

    // Empty user: no authentication.
    bool start(Kind kind, const QString &user = QString(), const QString &password = QString());
    void stop();
    quint16 port() const { return m_port; }

private:
    bool startTinyproxy(const QString &user, const QString &password);
    bool startMicrosocks(const QString &user, const QString &password);

    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
};
