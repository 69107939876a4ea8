#include "tests/patch/recoveryfixture.h"

#include "app/paths.h"
#include "app/productinfo.h"
#include "patch/filesha1.h"
#include "tests/patch/testfiles.h"

#include <QJsonDocument>

bool RecoveryFixture::start(const QString &extraServerConfig)
{
    gameProduct.productId = QStringLiteral("gd7");
    Paths::setApplicationFolder(m_app.path());
    return m_app.isValid() && m_web.isValid() && Paths::makePath(Paths::gameFolder()) &&
           Paths::makePath(webFile(QStringLiteral("recover"))) &&
           m_nginx.start(m_web.path(), extraServerConfig);
}

QString RecoveryFixture::gameFile(const QString &relative) const
{
    return Paths::joinPath(Paths::gameFolder(), relative);
}

QString RecoveryFixture::webFile(const QString &relative) const
{
    return Paths::joinPath(m_web.path(), relative);
}

QString RecoveryFixture::recoverFile(const QString &contentId, const QString &relative) const
{
    return webFile(QStringLiteral("recover/") + contentId + QLatin1Char('/') + relative);
}

QJsonObject RecoveryFixture::installFile(const QString &relative, const QByteArray &bytes)
{
    writeAll(gameFile(relative), bytes);
    return QJsonObject{{QStringLiteral("path"), relative},
                       {QStringLiteral("sha1"), fileSha1(gameFile(relative))},
                       {QStringLiteral("size"), bytes.size()}};
}

bool RecoveryFixture::publishPackage(const QString &contentId, const QJsonArray &entries)
{
    const QJsonObject package{{QStringLiteral("content"), entries}};
    return publishRaw(contentId, QJsonDocument(package).toJson());
}

bool RecoveryFixture::publishRaw(const QString &contentId, const QByteArray &packageBytes)
{
    return writeAll(recoverFile(contentId, Paths::packageListName()), packageBytes);
}

QJsonObject RecoveryFixture::content(const QString &id, const QString &versionTo) const
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("version_to"), versionTo},
                       {QStringLiteral("recover_http"), QJsonArray{recoverBase().toString()}}};
}

UpdateInfo RecoveryFixture::manifest(const QJsonArray &contents)
{
    const QJsonObject product{{QStringLiteral("version"), QStringLiteral("1.0.0")},
                              {QStringLiteral("content"), contents}};
    return UpdateInfo(QJsonObject{{QStringLiteral("gd7"), product}});
}
