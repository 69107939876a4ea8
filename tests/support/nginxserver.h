#pragma once

#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// nginx from the system, serving one folder on 127.0.0.1 with Range support (web seeds,
// resumed downloads). Stopped when the object goes away.
class NginxServer
{
public:
    NginxServer() = default;
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    // extraServerConfig is pasted into the server block (locations, limits, redirects).
    bool start(const QString &rootFolder, const QString &extraServerConfig = QString());
    void stop();

    quint16 port() const { return m_port; }
    QUrl url(const QString &path = QString()) const;
    QString errorLog() const;

private:
    QTemporaryDir m_prefix;
    QProcess m_process;
    quint16 m_port = 0;
};

// A TCP port on 127.0.0.1 that was free a moment ago.
quint16 freeLocalPort();
// Waits until something accepts connections on 127.0.0.1:port.
bool waitForLocalPort(quint16 port, int timeoutMs = 10000);

// "access_log <file>;" for start()'s extra configuration: nginx then logs every answer there.
QString accessLogDirective(const QString &file);
// Status and body bytes sent of the GETs of path (of every path when empty) that nginx logged in
// file, in order. nginx logs an answer once it has sent it, which may be just after the client
// has it all.
QList<QPair<int, qint64>> loggedAnswers(const QString &file, const QString &path = QString());
// The body bytes of those answers together.
qint64 loggedBytes(const QString &file, const QString &path = QString());
