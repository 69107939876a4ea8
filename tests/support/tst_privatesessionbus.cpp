#include "tests/support/privatesessionbus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

class PrivateSessionBusTest : public QObject
{
    Q_OBJECT
private slots:
    void peersMeetOnTheBusAndTheEnvironmentIsRestored();
};

void PrivateSessionBusTest::peersMeetOnTheBusAndTheEnvironmentIsRestored()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    {
        PrivateSessionBus bus;
        QVERIFY(bus.start());
        QVERIFY(bus.address().startsWith(QStringLiteral("unix:")));
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), bus.address().toUtf8());

        QDBusConnection owner = QDBusConnection::connectToBus(bus.address(), QStringLiteral("owner"));
        QDBusConnection watcher = QDBusConnection::connectToBus(bus.address(), QStringLiteral("watcher"));
        QVERIFY(owner.isConnected());
        QVERIFY(watcher.isConnected());
        const QString name = QStringLiteral("org.gd7launcher.Test");
        QVERIFY(!watcher.interface()->isServiceRegistered(name).value());
        QVERIFY(owner.registerService(name));
        QVERIFY(watcher.interface()->isServiceRegistered(name).value());

        bus.stop();
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("unix:path=/nonexistent/bus"));
        QTRY_VERIFY(!QDBusConnection(QStringLiteral("watcher")).isConnected());
        QDBusConnection::disconnectFromBus(QStringLiteral("owner"));
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
    }
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

QTEST_MAIN(PrivateSessionBusTest)
#include "tst_privatesessionbus.moc"
