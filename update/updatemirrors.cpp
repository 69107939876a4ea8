#include "update/updatemirrors.h"

#include "app/deploymentconfig.h"

QList<QUrl> defaultUpdateMirrors()
{
    QList<QUrl> mirrors;
    for (const QString &mirror : DeploymentConfig::instance().mirrors())
        mirrors.append(QUrl(mirror, QUrl::TolerantMode));
    return mirrors;
}

MirrorPolicy metadataMirrorPolicy()
{
    return MirrorPolicy::twoPasses(2500, 15000);
}

MirrorPolicy contentMirrorPolicy()
{
    return MirrorPolicy::onePass(2500);
}
