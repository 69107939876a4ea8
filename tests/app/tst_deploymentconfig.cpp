#include "app/deploymentconfig.h"
#include "app/productinfo.h"

#include <QHostAddress>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class DeploymentConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void compiledInHostsAreReservedNames();
    void fileReplacesCompiledInValues();
    void rejectsMalformedFiles_data();
    void rejectsMalformedFiles();
};

// Only names and addresses reserved for documentation may ship as placeholders.
static bool isReserved(const QString &host)
{
    if (host.endsWith(QLatin1String(".example")) || host.endsWith(QLatin1String(".invalid")))
        return true;
    const QHostAddress address(host);
    return address.isInSubnet(QHostAddress(QStringLiteral("192.0.2.0")), 24) ||
           address.isInSubnet(QHostAddress(QStringLiteral("198.51.100.0")), 24);
}

void DeploymentConfigTest::compiledInHostsAreReservedNames()
{
    const DeploymentConfig &config = DeploymentConfig::instance();
    QCOMPARE(config.mirrors().size(), 5);
    for (const QString &mirror : config.mirrors())
        QVERIFY2(isReserved(QUrl(mirror).host()), qPrintable(mirror));
    QVERIFY(config.mirrors()[0].endsWith(QLatin1String("/gd7/update.json")));
    QVERIFY(config.mirrors()[4].endsWith(QLatin1String("/update.json")));
    QVERIFY(isReserved(QUrl(config.webSiteUrl()).host()));
    QVERIFY(isReserved(config.apiHost()));
    for (const char *name : {"home", "forum", "facebook", "youtube", "twitter", "discord", "instagram"})
        QVERIFY2(isReserved(QUrl(config.socialLink(QLatin1String(name))).host()), name);
    const QStringList roles{"W-home",    "W-intl",    "W-r1",     "W-r2",  "W-r3",  "W-r4", "API-home",
                            "API2-home", "API3-home", "API-intl", "CDN-a", "CDN-b", "CDN-c"};
    for (const QString &role : roles)
        QVERIFY2(isReserved(config.diagnosticsHost(role)), qPrintable(role));
    QCOMPARE(config.gameServers().size(), 5);
    for (const QString &server : config.gameServers())
        QVERIFY2(isReserved(server), qPrintable(server));
    QCOMPARE(makeLauncherProduct().webSiteUrl, config.webSiteUrl());
    // The placeholder deployment has no publisher: its launcher takes manifests unsigned.
    QVERIFY(config.manifestKeys().isEmpty());
    QVERIFY(!config.torrentLoopbackOnly());
}

void DeploymentConfigTest::fileReplacesCompiledInValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deployment.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        R"({"mirrors": ["http://127.0.0.1:8080/gd7/update.json"], "web_site_url": "http://127.0.0.1:8080",
                  "social": {"forum": "http://127.0.0.1:8080/forum"}, "bittorrent": {"loopback_only": true},
                  "manifest_keys": ["JRHQJ2bTQihGznu6H9EjPgtxVLntc/SW8taUdoKOzlU=",
                                    "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA="]})");
    file.close();
    QVERIFY(DeploymentConfig::loadInstance(path));
    const DeploymentConfig &config = DeploymentConfig::instance();
    QCOMPARE(config.mirrors(), QStringList{QStringLiteral("http://127.0.0.1:8080/gd7/update.json")});
    QCOMPARE(config.socialLink(QStringLiteral("forum")), QStringLiteral("http://127.0.0.1:8080/forum"));
    QCOMPARE(config.socialLink(QStringLiteral("twitch")), QString());
    QCOMPARE(config.diagnosticsHost(QStringLiteral("CDN-a")), QString());
    QVERIFY(config.torrentLoopbackOnly());
    QCOMPARE(config.manifestKeys(), (QStringList{"JRHQJ2bTQihGznu6H9EjPgtxVLntc/SW8taUdoKOzlU=",
                                                 "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA="}));
}

void DeploymentConfigTest::rejectsMalformedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << QByteArray("{mirrors");
    QTest::newRow("array") << QByteArray("[]");
    QTest::newRow("no mirrors") << QByteArray("{\"web_site_url\": \"http://127.0.0.1\"}");
    // A mistyped publisher key must not pass for one that simply never matches.
    QTest::newRow("manifest key too short")
        << QByteArray(R"({"mirrors": ["http://127.0.0.1/u.json"], "manifest_keys": ["AAAA"]})");
    QTest::newRow("manifest key not base64") << QByteArray(
        R"({"mirrors": ["http://127.0.0.1/u.json"], "manifest_keys": ["JRHQJ2bTQihGznu6H9EjPgtxVLntc/SW8taUdoKOzl*="]})");
    QTest::newRow("manifest key not a string")
        << QByteArray(R"({"mirrors": ["http://127.0.0.1/u.json"], "manifest_keys": [42]})");
}

void DeploymentConfigTest::rejectsMalformedFiles()
{
    QFETCH(QByteArray, content);
    DeploymentConfig config;
    QString error;
    QVERIFY(!DeploymentConfig::fromJson(content, config, &error));
    QVERIFY(!error.isEmpty());
    QTemporaryDir dir;
    QVERIFY(!DeploymentConfig::loadInstance(dir.filePath(QStringLiteral("missing.json"))));
}

QTEST_GUILESS_MAIN(DeploymentConfigTest)
#include "tst_deploymentconfig.moc"
