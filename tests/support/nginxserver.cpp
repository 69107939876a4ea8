#include "tests/support/nginxserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

quint16 freeLocalPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

bool waitForLocalPort(quint16 port, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(500))
            return true;
        QThread::msleep(50);
    }
    return false;
}

NginxServer::~NginxServer()
{
    stop();
}

bool NginxServer::start(const QString &rootFolder, const QString &extraServerConfig)
{
    if (!m_prefix.isValid())
        return false;
    m_port = freeLocalPort();
    const QString prefix = m_prefix.path();
    const QString config = QStringLiteral("%5"
                                          "worker_processes 1;\n"
                                          "daemon off;\n"
                                          "pid %1/nginx.pid;\n"
                                          "error_log %1/error.log warn;\n"
                                          "events { worker_connections 256; }\n"
                                          "http {\n"
                                          "  access_log off;\n"
                                          "  sendfile on;\n"
                                          "  default_type application/octet-stream;\n"
                                          "  client_body_temp_path %1/body;\n"
                                          "  proxy_temp_path %1/proxy;\n"
                                          "  fastcgi_temp_path %1/fastcgi;\n"
                                          "  uwsgi_temp_path %1/uwsgi;\n"
                                          "  scgi_temp_path %1/scgi;\n"
                                          "  server {\n"
                                          "    listen 127.0.0.1:%2;\n"
                                          "    server_name localhost;\n"
                                          "    root %3;\n"
                                          "%4\n"
                                          "  }\n"
                                          "}\n")
                               .arg(prefix)
                               .arg(m_port)
                               .arg(QDir(rootFolder).absolutePath(), extraServerConfig,
                                    // Workers of a root master would drop to an account that cannot read the
                                    // test's private temporary folders.
                                    geteuid() == 0 ? QStringLiteral("user root;\n") : QString());
    QFile file(prefix + QStringLiteral("/nginx.conf"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(config.toUtf8());
    file.close();

    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(QStringLiteral("/usr/sbin/nginx"), {QStringLiteral("-p"), prefix, QStringLiteral("-c"),
                                                        prefix + QStringLiteral("/nginx.conf")});
    if (!m_process.waitForStarted(10000))
        return false;
    return waitForLocalPort(m_port);
}

void NginxServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl NginxServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port) + path);
}

QString NginxServer::errorLog() const
{
    QFile file(m_prefix.path() + QStringLiteral("/error.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString accessLogDirective(const QString &file)
{
    return QStringLiteral("access_log %1;\n").arg(file);
}

QList<QPair<int, qint64>> loggedAnswers(const QString &file, const QString &path)
{
    static const QRegularExpression line(QStringLiteral("\"GET (\\S+) HTTP/[\\d.]+\" (\\d+) (\\d+)"));
    QList<QPair<int, qint64>> answers;
    QFile log(file);
    if (!log.open(QIODevice::ReadOnly))
        return answers;
    for (const QByteArray &text : log.readAll().split('\n')) {
        const QRegularExpressionMatch match = line.match(QString::fromLatin1(text));
        if (match.hasMatch() && (path.isEmpty() || match.captured(1) == path))
            answers.append({match.captured(2).toInt(), match.captured(3).toLongLong()});
    }
    return answers;
}

qint64 loggedBytes(const QString &file, const QString &path)
{
    qint64 total = 0;
    for (const QPair<int, qint64> &answer : loggedAnswers(file, path))
        total += answer.second;
    return total;
}
