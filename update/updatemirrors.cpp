#include "update/updatemirrors.h"

#include "app/deploymentconfig.h"

QList<QUrl> defaultUpdateMirrors()
{
    QList<QUrl> mirrors;
    for (const QString &mirror : DeploymentConfig::instance().mirrors())
        mirrors.append(QUrl(mirror, QUrl::TolerantMode));
    return mirrors;
}
