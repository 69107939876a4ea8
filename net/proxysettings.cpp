#include "net/proxysettings.h"

#include "app/programsettings.h"

namespace {

bool isProxyType(int type)
{
    return type == QNetworkProxy::Socks5Proxy || type == QNetworkProxy::HttpProxy;
}

} // namespace

ProxySettings ProxySettings::fromValue(const QVariant &stored)
{
    ProxySettings settings;
    const QVariantList entries = stored.toList();
    bool ok = false;
    const int type = entries.value(0).toInt(&ok);
    if (ok && isProxyType(type)) {
        settings.type = type;
        settings.typeStored = true;
    }
    settings.host = entries.value(1).toString();
    const uint port = entries.value(2).toUInt(&ok);
    if (ok && port >= 1 && port <= 65535) {
        settings.port = quint16(port);
        settings.portStored = true;
    }
    settings.user = entries.value(3).toString();
    settings.password = entries.value(4).toString();
    return settings;
}

QVariant ProxySettings::toValue() const
{
    return QVariantList{type, host, port, user, password};
}

ProxySettings ProxySettings::load(const IProgramSettings *settings, bool apply)
{
    const ProxySettings loaded = fromValue(settings->value(SettingsKey::Proxy));
    if (apply)
        loaded.apply();
    return loaded;
}

void ProxySettings::store(IProgramSettings *settings) const
{
    settings->setValue(SettingsKey::Proxy, toValue());
}

void ProxySettings::apply() const
{
    applyProxy(host, type, port, user, password);
}

void applyProxy(const QString &host, int type, quint16 port, const QString &user, const QString &password)
{
    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (!host.isEmpty()) {
        proxy.setType(QNetworkProxy::ProxyType(type));
        proxy.setHostName(host);
        proxy.setPort(port);
        if (!user.isEmpty()) {
            proxy.setUser(user);
            proxy.setPassword(password);
        }
    }
    QNetworkProxy::setApplicationProxy(proxy);
}
