#include "app/jsonsettings.h"
#include "net/proxysettings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A settings store in memory.
class MemorySettings : public IProgramSettings
{
public:
    void setValue(const QString &key, const QVariant &value) override { m_values.insert(key, value); }
    QVariant value(const QString &key) const override { return m_values.value(key); }
    // Nothing here is ever meant to reach a file.
    bool save(const QString &) const override { return false; }

private:
    QVariantMap m_values;
};

QString describe(const QNetworkProxy &proxy)
{
    return QStringLiteral("%1 %2:%3 %4/%5")
        .arg(proxy.type())
        .arg(proxy.hostName())
        .arg(proxy.port())
        .arg(proxy.user(), proxy.password());
}

} // namespace

// The stored proxy setting and the application proxy it installs.
class ProxySettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void loadsAndApplies_data();
    void loadsAndApplies();
    void loadsWithoutApplying();
    void storesWhatItLoads();
};

void ProxySettingsTest::loadsAndApplies_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<bool>("typeStored");
    QTest::addColumn<bool>("portStored");
    QTest::addColumn<QString>("installed");

    const QString none = QStringLiteral("2 :0 /");
    QTest::newRow("no key") << QVariant() << "1 :1080 /" << false << false << none;
    QTest::newRow("empty list") << QVariant(QVariantList()) << "1 :1080 /" << false << false << none;
    QTest::newRow("not a list") << QVariant("127.0.0.1") << "1 :1080 /" << false << false << none;
    QTest::newRow("http with login") << QVariant(QVariantList{3, "127.0.0.1", 3128, "joe", "pw"})
                                     << "3 127.0.0.1:3128 joe/pw" << true << true
                                     << "3 127.0.0.1:3128 joe/pw";
    QTest::newRow("socks as JSON numbers") << QVariant(QVariantList{1.0, "127.0.0.1", 1081.0, "", ""})
                                           << "1 127.0.0.1:1081 /" << true << true << "1 127.0.0.1:1081 /";
    QTest::newRow("numbers as text") << QVariant(QVariantList{"3", "127.0.0.1", "8080"})
                                     << "3 127.0.0.1:8080 /" << true << true << "3 127.0.0.1:8080 /";
    QTest::newRow("type 2 reads as socks") << QVariant(QVariantList{2, "127.0.0.1", 1080})
                                           << "1 127.0.0.1:1080 /" << false << true << "1 127.0.0.1:1080 /";
    QTest::newRow("type 5 reads as socks") << QVariant(QVariantList{5, "127.0.0.1", 1080})
                                           << "1 127.0.0.1:1080 /" << false << true << "1 127.0.0.1:1080 /";
    QTest::newRow("port 0") << QVariant(QVariantList{3, "127.0.0.1", 0}) << "3 127.0.0.1:1080 /" << true
                            << false << "3 127.0.0.1:1080 /";
    QTest::newRow("port 70000") << QVariant(QVariantList{3, "127.0.0.1", 70000}) << "3 127.0.0.1:1080 /"
                                << true << false << "3 127.0.0.1:1080 /";
    QTest::newRow("negative port") << QVariant(QVariantList{3, "127.0.0.1", -8080}) << "3 127.0.0.1:1080 /"
                                   << true << false << "3 127.0.0.1:1080 /";
    QTest::newRow("three entries") << QVariant(QVariantList{1, "127.0.0.1", 9050}) << "1 127.0.0.1:9050 /"
                                   << true << true << "1 127.0.0.1:9050 /";
    QTest::newRow("user without host")
        << QVariant(QVariantList{1, "", 1080, "joe", "pw"}) << "1 :1080 joe/pw" << true << true << none;
    QTest::newRow("password without user") << QVariant(QVariantList{3, "127.0.0.1", 3128, "", "pw"})
                                           << "3 127.0.0.1:3128 /pw" << true << true << "3 127.0.0.1:3128 /";
}

void ProxySettingsTest::loadsAndApplies()
{
    QFETCH(QVariant, stored);
    MemorySettings settings;
    if (stored.isValid())
        settings.setValue(SettingsKey::Proxy, stored);
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.2"), 1));

    const ProxySettings loaded = ProxySettings::load(&settings, true);
    QTEST(QStringLiteral("%1 %2:%3 %4/%5")
              .arg(loaded.type)
              .arg(loaded.host)
              .arg(loaded.port)
              .arg(loaded.user, loaded.password),
          "loaded");
    QTEST(loaded.typeStored, "typeStored");
    QTEST(loaded.portStored, "portStored");
    QTEST(describe(QNetworkProxy::applicationProxy()), "installed");
}

void ProxySettingsTest::loadsWithoutApplying()
{
    MemorySettings settings;
    settings.setValue(SettingsKey::Proxy, QVariantList{3, "127.0.0.1", 3128, "joe", "pw"});
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    QCOMPARE(ProxySettings::load(&settings, false).host, QStringLiteral("127.0.0.1"));
    QCOMPARE(QNetworkProxy::applicationProxy().type(), QNetworkProxy::NoProxy);
}

void ProxySettingsTest::storesWhatItLoads()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("GD7Launcher.conf"));
    ProxySettings edited;
    edited.type = QNetworkProxy::HttpProxy;
    edited.host = QStringLiteral("127.0.0.1");
    edited.port = 8118;
    edited.user = QStringLiteral("joe");
    edited.password = QStringLiteral("p ä:ss");
    JsonSettings written;
    edited.store(&written);
    QVERIFY(written.save(path));

    JsonSettings read;
    QVERIFY(read.load(path));
    QCOMPARE(read.value(SettingsKey::Proxy).toList().size(), 5);
    const ProxySettings loaded = ProxySettings::load(&read, true);
    QCOMPARE(describe(QNetworkProxy::applicationProxy()), QStringLiteral("3 127.0.0.1:8118 joe/p ä:ss"));
    QVERIFY(loaded.typeStored && loaded.portStored);
}

QTEST_GUILESS_MAIN(ProxySettingsTest)
#include "tst_proxysettings.moc"
