// The proxy editor: what it loads, what it refuses, what it stores, and downloads through real
// proxies on 127.0.0.1 once its values are saved.
#include "app/jsonsettings.h"
#include "app/paths.h"
#include "app/tr.h"
#include "net/httpconnection.h"
#include "tests/support/proxyserver.h"
#include "tests/support/testhttpserver.h"
#include "ui/proxydialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(ProxyServer::Kind)

namespace {

// Key presses with any character, as a keyboard layout would send them.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class ProxyDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadsStoredValues_data();
    void loadsStoredValues();
    void okStoresAndAppliesWhatWasEntered();
    void badInputIsRefusedAndChangesNothing_data();
    void badInputIsRefusedAndChangesNothing();
    void downloadsThroughSavedProxy_data();
    void downloadsThroughSavedProxy();

private:
    template<typename T> T *child(ProxyDialog &dialog, const char *name)
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    // Types the values into the dialog's fields the way a player does and presses OK.
    void enter(ProxyDialog &dialog, bool http, const QString &host, const QString &port, const QString &user,
               const QString &password);
    QVariant storedProxy() const;

    QTemporaryDir m_app;
    QTranslator m_translator;
    TestHttpServer m_server;
};

void ProxyDialogTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(m_translator.load(QStringLiteral(":/Language/en/translation")));
    QCoreApplication::installTranslator(&m_translator);
    Paths::setApplicationFolder(m_app.path());
    QVERIFY(m_server.start());
    m_server.serveFile("/news.xml", QByteArray(300000, 'n'));
}

void ProxyDialogTest::init()
{
    QFile::remove(Paths::settingsPath());
    m_server.clearRequests();
}

void ProxyDialogTest::cleanup()
{
    applyProxy(QString(), 0, 0, QString(), QString());
}

QVariant ProxyDialogTest::storedProxy() const
{
    JsonSettings settings;
    return settings.load(Paths::settingsPath()) ? settings.value(QStringLiteral("proxy")) : QVariant();
}

void ProxyDialogTest::enter(ProxyDialog &dialog, bool http, const QString &host, const QString &port,
                            const QString &user, const QString &password)
{
    QTest::mouseClick(child<QRadioButton>(dialog, http ? "proxy_http" : "proxy_socks"), Qt::LeftButton);
    const QList<QPair<const char *, QString>> fields{
        {"proxy_host", host}, {"proxy_user", user}, {"proxy_password", password}};
    for (const auto &field : fields) {
        auto *edit = child<QLineEdit>(dialog, field.first);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, field.second);
    }
    auto *spin = child<QSpinBox>(dialog, "proxy_port");
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClicks(spin, port);
    QTest::mouseClick(child<QPushButton>(dialog, "proxy_ok"), Qt::LeftButton);
}

void ProxyDialogTest::loadsStoredValues_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("http");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("proxy");

    QTest::newRow("nothing stored") << QVariant() << false << "" << 1080 << ""
                                    << "2 :0 /";
    QTest::newRow("http with login") << QVariant(QVariantList{3, "127.0.0.1", 3128, "joe", "pw"}) << true
                                     << "127.0.0.1" << 3128 << "joe"
                                     << "3 127.0.0.1:3128 joe/pw";
    QTest::newRow("type 5 and port 70000 keep the controls")
        << QVariant(QVariantList{5, "proxy.local", 70000}) << false << "proxy.local" << 1080 << ""
        << "1 proxy.local:1080 /";
    QTest::newRow("user without host installs nothing")
        << QVariant(QVariantList{1, "", 1081, "joe", "pw"}) << false << "" << 1081 << "joe"
        << "2 :0 /";
}

void ProxyDialogTest::loadsStoredValues()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, http);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, user);
    QFETCH(QString, proxy);
    JsonSettings settings;
    if (stored.isValid())
        settings.setValue(QStringLiteral("proxy"), stored);
    ProxyDialog dialog(&settings);
    applyProxy(QStringLiteral("stale.example"), QNetworkProxy::HttpProxy, 1, QString(), QString());
    dialog.load(true);
    QCOMPARE(child<QRadioButton>(dialog, "proxy_http")->isChecked(), http);
    QCOMPARE(child<QRadioButton>(dialog, "proxy_socks")->isChecked(), !http);
    QCOMPARE(child<QLineEdit>(dialog, "proxy_host")->text(), host);
    QCOMPARE(child<QSpinBox>(dialog, "proxy_port")->value(), port);
    QCOMPARE(child<QLineEdit>(dialog, "proxy_user")->text(), user);
    QCOMPARE(child<QLineEdit>(dialog, "proxy_password")->echoMode(), QLineEdit::Password);
    const QNetworkProxy installed = QNetworkProxy::applicationProxy();
    QCOMPARE(QStringLiteral("%1 %2:%3 %4/%5")
                 .arg(installed.type())
                 .arg(installed.hostName())
                 .arg(installed.port())
                 .arg(installed.user(), installed.password()),
             proxy);
    // Loading for the editor only fills the fields.
    applyProxy(QString(), 0, 0, QString(), QString());
    dialog.load(false);
    QCOMPARE(QNetworkProxy::applicationProxy().type(), QNetworkProxy::NoProxy);
}

void ProxyDialogTest::okStoresAndAppliesWhatWasEntered()
{
    JsonSettings settings;
    ProxyDialog dialog(&settings);
    dialog.load(false);
    dialog.show();
    enter(dialog, true, QStringLiteral("127.0.0.1"), QStringLiteral("8118"), QString::fromUtf8("jöe"),
          QStringLiteral("p a;ss"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QVariantList expected{3, QStringLiteral("127.0.0.1"), 8118, QString::fromUtf8("jöe"),
                                QStringLiteral("p a;ss")};
    QCOMPARE(storedProxy().toList(), expected);
    const QNetworkProxy installed = QNetworkProxy::applicationProxy();
    QCOMPARE(installed.type(), QNetworkProxy::HttpProxy);
    QCOMPARE(installed.port(), quint16(8118));
    QCOMPARE(installed.user(), QString::fromUtf8("jöe"));

    // A fresh editor over the saved file shows the same values.
    JsonSettings reloaded;
    QVERIFY(reloaded.load(Paths::settingsPath()));
    ProxyDialog again(&reloaded);
    again.load(false);
    QVERIFY(child<QRadioButton>(again, "proxy_http")->isChecked());
    QCOMPARE(child<QSpinBox>(again, "proxy_port")->value(), 8118);
    QCOMPARE(child<QLineEdit>(again, "proxy_password")->text(), QStringLiteral("p a;ss"));

    // Clearing the host turns the proxy off.
    again.show();
    enter(again, false, QString(), QStringLiteral("8118"), QString(), QString());
    QVERIFY(!again.isVisible());
    QCOMPARE(QNetworkProxy::applicationProxy().type(), QNetworkProxy::NoProxy);
    QCOMPARE(storedProxy().toList().value(1).toString(), QString());
}

void ProxyDialogTest::badInputIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("message");

    QTest::newRow("port 0") << "127.0.0.1"
                            << "0"
                            << ""
                            << "The port must be a number from 1 to 65535.";
    QTest::newRow("port 70000") << "127.0.0.1"
                                << "70000"
                                << "joe"
                                << "The port must be a number from 1 to 65535.";
    QTest::newRow("user without host")
        << ""
        << "1080"
        << "joe"
        << "Enter the proxy host, or clear the login to connect without a proxy.";
    QTest::newRow("address instead of host")
        << "http://127.0.0.1/"
        << "8080"
        << ""
        << "The proxy host must be a name or an address, without blanks or slashes.";
    QTest::newRow("blank in host")
        << "proxy host"
        << "8080"
        << ""
        << "The proxy host must be a name or an address, without blanks or slashes.";
}

void ProxyDialogTest::badInputIsRefusedAndChangesNothing()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, user);
    QFETCH(QString, message);
    JsonSettings settings;
    const QVariantList before{1, QStringLiteral("127.0.0.2"), 1081, QString(), QString()};
    settings.setValue(QStringLiteral("proxy"), before);
    QVERIFY(settings.save(Paths::settingsPath()));
    const QByteArray fileBefore = [] {
        QFile f(Paths::settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ProxyDialog dialog(&settings);
    dialog.load(true);
    dialog.show();
    enter(dialog, true, host, port, user, QStringLiteral("pw"));

    QVERIFY(dialog.isVisible());
    auto *error = child<QLabel>(dialog, "wizard_label_error");
    QVERIFY(error->isVisible());
    QCOMPARE(error->text(), message);
    QCOMPARE(settings.value(QStringLiteral("proxy")).toList(), before);
    QFile file(Paths::settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), fileBefore);
    QCOMPARE(QNetworkProxy::applicationProxy().hostName(), QStringLiteral("127.0.0.2"));
    // Editing again clears the complaint.
    QTest::keyClicks(child<QLineEdit>(dialog, "proxy_host"), QStringLiteral("x"));
    QVERIFY(!error->isVisible());
}

void ProxyDialogTest::downloadsThroughSavedProxy_data()
{
    QTest::addColumn<ProxyServer::Kind>("kind");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");

    QTest::newRow("tinyproxy") << ProxyServer::Http << "s3cret" << true;
    QTest::newRow("microsocks with password") << ProxyServer::Socks5 << "s3cret" << true;
    QTest::newRow("microsocks wrong password") << ProxyServer::Socks5 << "guess" << false;
    QTest::newRow("tinyproxy wrong password") << ProxyServer::Http << "guess" << false;
}

void ProxyDialogTest::downloadsThroughSavedProxy()
{
    QFETCH(ProxyServer::Kind, kind);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    ProxyServer proxy;
    QVERIFY(proxy.start(kind, QStringLiteral("joe"), QStringLiteral("s3cret")));
    JsonSettings settings;
    ProxyDialog dialog(&settings);
    dialog.show();
    enter(dialog, kind == ProxyServer::Http, QStringLiteral("127.0.0.1"), QString::number(proxy.port()),
          QStringLiteral("joe"), password);
    QVERIFY(!dialog.isVisible());

    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("news.xml"));
    QCOMPARE(net::HttpConnection::create(true)->download(m_server.url("/news.xml"), target), ok);
    QCOMPARE(QFileInfo(target).size(), ok ? 300000 : 0);
    // Nothing went around the proxy: a refused login never reaches the server.
    QCOMPARE(m_server.requests().size(), ok ? 1 : 0);
    if (ok && kind == ProxyServer::Http)
        QVERIFY(m_server.requests().first().headers.value("via").contains("tinyproxy"));
}

QTEST_MAIN(ProxyDialogTest)
#include "tst_proxydialog.moc"
