#include "app/deploymentconfig.h"

#include "app/logger.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString CompiledIn = QStringLiteral(":/config/deployment.json");

DeploymentConfig &current()
{
    static DeploymentConfig config;
    return config;
}

QStringList stringList(const QJsonValue &value)
{
    QStringList list;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &item : array)
        list.append(item.toString());
    return list;
}

// A manifest key is the base64 text of a raw 32-byte Ed25519 public key; a mistyped one must not
// pass for a key that simply never matches.
bool validManifestKey(const QString &key)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(key.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded && decoded.decoded.size() == 32;
}

bool readFile(const QString &path, QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return true;
}

bool loadInto(const QString &path, DeploymentConfig &config)
{
    QByteArray data;
    QString error;
    if (!readFile(path, data)) {
        error = QStringLiteral("cannot read the file");
    } else if (DeploymentConfig::fromJson(data, config, &error)) {
        return true;
    }
    Logger::instance().crit(QStringLiteral("Deployment config ") + path + QStringLiteral(" rejected: ") +
                            error);
    return false;
}

} // namespace

const DeploymentConfig &DeploymentConfig::instance()
{
    static const bool loaded = [] {
        const QString overridePath = qEnvironmentVariable("GD7_DEPLOYMENT_CONFIG");
        return (!overridePath.isEmpty() && loadInto(overridePath, current())) ||
               loadInto(CompiledIn, current());
    }();
    Q_UNUSED(loaded);
    return current();
}

bool DeploymentConfig::loadInstance(const QString &path)
{
    instance();
    return loadInto(path, current());
}

QString DeploymentConfig::socialLink(const QString &name) const
{
    return m_social.value(name).toString();
}

QString DeploymentConfig::diagnosticsHost(const QString &role) const
{
    return m_diagnosticsHosts.value(role).toString();
}

bool DeploymentConfig::fromJson(const QByteArray &json, DeploymentConfig &config, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                              : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    DeploymentConfig parsed;
    parsed.m_mirrors = stringList(root.value(QStringLiteral("mirrors")));
    parsed.m_webSiteUrl = root.value(QStringLiteral("web_site_url")).toString();
    parsed.m_apiHost = root.value(QStringLiteral("api_host")).toString();
    parsed.m_social = root.value(QStringLiteral("social")).toObject();
    const QJsonObject diagnostics = root.value(QStringLiteral("diagnostics")).toObject();
    parsed.m_diagnosticsHosts = diagnostics.value(QStringLiteral("hosts")).toObject();
    parsed.m_gameServers = stringList(diagnostics.value(QStringLiteral("servers")));
    const QJsonObject bittorrent = root.value(QStringLiteral("bittorrent")).toObject();
    parsed.m_torrentLoopbackOnly = bittorrent.value(QStringLiteral("loopback_only")).toBool();
    parsed.m_manifestKeys = stringList(root.value(QStringLiteral("manifest_keys")));
    for (const QString &key : qAsConst(parsed.m_manifestKeys)) {
        if (!validManifestKey(key)) {
            *error = QStringLiteral("manifest key is not a base64 Ed25519 public key: ") + key;
            return false;
        }
    }
    if (parsed.m_mirrors.isEmpty()) {
        *error = QStringLiteral("no update mirrors");
        return false;
    }
    config = parsed;
    return true;
}
