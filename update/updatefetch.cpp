#include "update/updatefetch.h"

#include "app/logger.h"
#include "net/httpconnection.h"
#include "net/jsondecode.h"

#include <QDir>
#include <QJsonObject>
#include <QTextStream>

namespace {

const int manifestTimeouts[] = {2500, 15000};
const int contentTimeout = 2500;

QString numbered(int index, const char *text, const QString &detail)
{
    QString line;
    QTextStream(&line) << "[" << index << "] " << text << detail;
    return line;
}

} // namespace

int fetchUpdateInfo(const QList<QUrl> &mirrors, UpdateInfo *info, const std::atomic<bool> *stop)
{
    int result = 10;
    for (int timeout : manifestTimeouts) {
        for (int j = 0; j < mirrors.size(); ++j) {
            if (stop && stop->load())
                return 2;
            const QUrl &url = mirrors[j];
            std::shared_ptr<net::HttpConnection> connection = net::HttpConnection::create(false);
            connection->setTransferTimeout(timeout);
            connection->setCancelFlag(stop);
            Logger::instance().info(numbered(j, "download update info: ", url.host(QUrl::FullyDecoded)));
            QByteArray body;
            if (!connection->get(url, &body)) {
                Logger::instance().crit(numbered(j, "download update info fail: ", url.toString()));
                result = 2;
                continue;
            }
            Logger::instance().info(numbered(j, "download update info success.", QString()));
            QJsonObject document;
            if (decodeJsonObject(body, &document) && info->setJson(document)) {
                Logger::instance().info(numbered(j, "parsing update info success.", QString()));
                return 0;
            }
            Logger::instance().crit(numbered(j, "parsing update info fail: ", url.toString()));
            result = 3;
        }
    }
    return result;
}

bool downloadHttpContent(const UpdateContent &content, const QString &folder, net::IHttpProgress *progress,
                         const std::atomic<bool> *stop, QString *archivePath)
{
    const QString name = content.name();
    Logger::instance().info(QStringLiteral("download update with http: ") + name);
    std::shared_ptr<net::HttpConnection> connection = net::HttpConnection::create(true);
    connection->setProgressListener(progress);
    connection->setCancelFlag(stop);
    connection->setTransferTimeout(contentTimeout);
    if (!QDir().mkpath(folder)) {
        Logger::instance().crit(QStringLiteral("failed to create dir: ") + folder);
        return false;
    }
    const QString target = QDir(folder).filePath(name);
    Logger::instance().info(numbered(0, "http started: ", name));
    if (!connection->download(content.http().constFirst(), target)) {
        Logger::instance().info(numbered(0, "http failed: ", name));
        return false;
    }
    Logger::instance().info(numbered(0, "http complete: ", name));
    *archivePath = target;
    return true;
}
