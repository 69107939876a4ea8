#include "ui/social.h"

#include "app/deploymentconfig.h"
#include "app/logger.h"

#include <QDesktopServices>

Social &Social::instance()
{
    static Social *social = new Social;
    return *social;
}

QString Social::link(const QString &page)
{
    const DeploymentConfig &config = DeploymentConfig::instance();
    const QString configured = config.socialLink(page);
    if (!configured.isEmpty() || config.webSiteUrl().isEmpty())
        return configured;
    // The maker's own pages follow from the web site when the deployment names none.
    if (page == QLatin1String("home"))
        return config.webSiteUrl();
    if (page == QLatin1String("forum"))
        return config.webSiteUrl() + QStringLiteral("/forum");
    return configured;
}

bool Social::isOpenable(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void Social::open(const QString &page)
{
    const QString target = link(page);
    if (target.isEmpty())
        return;
    const QUrl url(target);
    if (!isOpenable(url)) {
        Logger::instance().crit(QStringLiteral("refused to open link ") + target);
        return;
    }
    QDesktopServices::openUrl(url);
}

void Social::openHome()
{
    open(QStringLiteral("home"));
}
void Social::openForum()
{
    open(QStringLiteral("forum"));
}
void Social::openFB()
{
    open(QStringLiteral("facebook"));
}
void Social::openVK()
{
    open(QStringLiteral("vkontakte"));
}
void Social::openOK()
{
    open(QStringLiteral("ok"));
}
void Social::openYoutube()
{
    open(QStringLiteral("youtube"));
}
void Social::openTwitter()
{
    open(QStringLiteral("twitter"));
}
void Social::openDiscord()
{
    open(QStringLiteral("discord"));
}
void Social::openInstagram()
{
    open(QStringLiteral("instagram"));
}
void Social::openTwitch()
{
    open(QStringLiteral("twitch"));
}
void Social::openLine()
{
    open(QStringLiteral("line"));
}
