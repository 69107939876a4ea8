#include "tests/ui/launcherkit.h"

#include "app/productinfo.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

bool LauncherKit::start(const QString &extraServerConfig)
{
    if (!m_served.isValid() || !m_logs.isValid())
        return false;
    const QString accessLog =
        QStringLiteral("access_log %1;\n").arg(m_logs.filePath(QStringLiteral("access.log")));
    return m_nginx.start(m_served.path(), accessLog + extraServerConfig) && writeDeploymentConfig();
}

bool LauncherKit::writeDeploymentConfig() const
{
    const QString base = m_nginx.url().toString(QUrl::StripTrailingSlash);
    QJsonObject social;
    for (const char *name : {"home", "forum", "facebook", "youtube", "twitter", "discord", "instagram"})
        social.insert(QLatin1String(name), base + QStringLiteral("/social/") + QLatin1String(name));
    QJsonObject hosts;
    for (const char *role : {"W-home", "API-home", "CDN-a"})
        hosts.insert(QLatin1String(role), QStringLiteral("127.0.0.1"));
    const QJsonObject config{
        {"mirrors", QJsonArray{base + QStringLiteral("/mirror/update.json")}},
        {"web_site_url", base},
        {"api_host", QStringLiteral("127.0.0.1")},
        {"social", social},
        {"diagnostics", QJsonObject{{"hosts", hosts}, {"servers", QJsonArray{QStringLiteral("127.0.0.1")}}}}};
    return ReleaseKit::writeFile(deploymentConfigPath(), QJsonDocument(config).toJson());
}

QUrl LauncherKit::publishGame(const QString &folder, const QString &version, const ReleaseKit::Files &files)
{
    ReleaseKit kit(m_served.filePath(folder));
    kit.setBaseUrl(m_nginx.url(folder + QLatin1Char('/')));
    const QJsonObject game = kit.full(QStringLiteral("game-") + version, version, files, false);
    const QJsonObject launcher = ReleaseKit::product(formatVersion(makeLauncherProduct().version), {});
    if (game.isEmpty() || !kit.publishManifest(QJsonObject{{"gd7_launcher_en", launcher},
                                                           {"gd7", ReleaseKit::product(version, {game})}}))
        return QUrl();
    return kit.manifestUrl();
}

QStringList LauncherKit::requests() const
{
    QFile log(m_logs.filePath(QStringLiteral("access.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
