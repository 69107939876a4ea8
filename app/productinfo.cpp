#include "app/productinfo.h"

#include "app/deploymentconfig.h"
#include "app/launcherversion.h"
#include "app/programsettings.h"

ProductInfo launcherProduct;
ProductInfo gameProduct;

namespace {

ProductInfo makeProduct(const QString &productId, const QString &executableName)
{
    const DeploymentConfig &config = DeploymentConfig::instance();
    ProductInfo info;
    info.companyName = QStringLiteral("Orvane");
    info.productName = QStringLiteral("Glimmerdeep");
    info.displayName = QStringLiteral("Glimmerdeep");
    info.webSiteUrl = config.webSiteUrl();
    info.apiHost = config.apiHost();
    info.productId = productId;
    info.applicationId = QStringLiteral("com.gd7play.") + productId;
    info.executableName = executableName;
    return info;
}

} // namespace

QString installedVersionKey(const QString &productId)
{
    return productId + QStringLiteral(".installed_version");
}

ProductInfo makeLauncherProduct()
{
    ProductInfo info = makeProduct(QStringLiteral("gd7_launcher_en"), QStringLiteral("GD7Launcher.exe"));
    info.version = launcherBuildVersion();
    return info;
}

ProductInfo makeGameProduct(const IProgramSettings *settings)
{
    ProductInfo info = makeProduct(QStringLiteral("gd7"), QStringLiteral("gd7.exe"));
    const QVariant installed = settings ? settings->value(installedVersionKey(info.productId)) : QVariant();
    info.version = installed.isValid() ? parseVersion(installed.toString()) : Version();
    return info;
}
