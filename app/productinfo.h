#pragma once

#include "app/version.h"

#include <QString>

class IProgramSettings;

// Names, ids and the current version of one of the two products the launcher manages.
struct ProductInfo
{
    QString companyName;
    QString productName;
    QString displayName;
    Version version;
    QString webSiteUrl;
    QString apiHost;
    QString productId;
    QString applicationId;
    QString executableName;
};

// Filled at start-up; the game's version follows every installed update.
extern ProductInfo launcherProduct;
extern ProductInfo gameProduct;

ProductInfo makeLauncherProduct();
ProductInfo makeGameProduct(const IProgramSettings *settings);

// The settings key that holds a product's installed version, "gd7.installed_version" for the game.
QString installedVersionKey(const QString &productId);
