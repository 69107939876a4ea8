#include "tests/support/proxyserver.h"

#include "tests/support/nginxserver.h"

#include <QFile>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

ProxyServer::~ProxyServer()
{
    stop();
}

bool ProxyServer::start(Kind kind, const QString &user, const QString &password)
{
    if (!m_folder.isValid())
        return false;
    m_port = freeLocalPort();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    const bool started = kind == Http ? startTinyproxy(user, password) : startMicrosocks(user, password);
    return started && m_process.waitForStarted(10000) && waitForLocalPort(m_port);
}

bool ProxyServer::startTinyproxy(const QString &user, const QString &password)
{
    // The filter admits the loopback address alone: any other target is refused, not contacted.
    const QString filter = m_folder.filePath(QStringLiteral("filter"));
    QByteArray config = "Port " + QByteArray::number(m_port) +
                        "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nLogLevel Error\n"
                        "FilterDefaultDeny Yes\nFilter \"" +
                        filter.toUtf8() + "\"\n";
    if (!user.isEmpty())
        config += "BasicAuth " + user.toUtf8() + ' ' + password.toUtf8() + '\n';
    const QString configPath = m_folder.filePath(QStringLiteral("tinyproxy.conf"));
    if (!writeFile(filter, "^127\\.0\\.0\\.1$\n") || !writeFile(configPath, config))
        return false;
    m_process.start(QStringLiteral("tinyproxy"), {QStringLiteral("-d"), QStringLiteral("-c"), configPath});
    return true;
}

bool ProxyServer::startMicrosocks(const QString &user, const QString &password)
{
    // Outgoing connections bound to the loopback address cannot reach any other host.
    QStringList arguments{QStringLiteral("-i"),    QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                          QString::number(m_port), QStringLiteral("-b"),        QStringLiteral("127.0.0.1")};
    if (!user.isEmpty())
        arguments << QStringLiteral("-u") << user << QStringLiteral("-P") << password;
    m_process.start(QStringLiteral("microsocks"), arguments);
    return true;
}

void ProxyServer::stop()
{
    // Neither proxy keeps anything worth a graceful shutdown.
    m_process.kill();
    m_process.waitForFinished(5000);
}
