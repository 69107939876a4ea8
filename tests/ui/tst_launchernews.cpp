#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "tests/support/logcapture.h"
#include "tests/support/modalanswer.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/ui/newstestkit.h"
#include "ui/appearance.h"
#include "ui/counter.h"
#include "ui/feeditem.h"
#include "ui/launcher.h"
#include "ui/launcherheader.h"
#include "ui/tabs.h"
#include "update/autoupdate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int Items = 8;

// A picture for card i: a sky over a hill, in a colour of its own.
QByteArray picture(int i)
{
    QImage image(1200, 675, QImage::Format_RGB32);
    const QColor sky = QColor::fromHsv((i * 47) % 360, 120, 200);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 675);
    gradient.setColorAt(0, sky.lighter(140));
    gradient.setColorAt(1, sky.darker(160));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(sky.darker(260));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(300 + i * 80, 820), 700, 420);
    painter.end();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return data;
}

const QStringList Titles = {"Patch 1.2: the Deep Vaults open",      "Weekend event: double glimmer",
                            "Dev diary #4: how the caves are made", "Server maintenance on Tuesday",
                            "New guild halls and banners",          "Community art contest winners",
                            "Balance changes for miners",           "The Frostfall expedition begins"};

QByteArray feed(const QUrl &site)
{
    QString items;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 agesMinutes[Items] = {12,          95,          5 * 60,      26 * 60,
                                       3 * 24 * 60, 6 * 24 * 60, 9 * 24 * 60, 14 * 24 * 60};
    for (int i = 0; i < Items; ++i)
        items +=
            QStringLiteral("<item><title>%1</title><link>%2news/%3/</link><pubDate>%4</pubDate>"
                           "<description><![CDATA[<p>The deep changes again: new paths, new foes and "
                           "rewards for the brave. Read what part %3 brings to Glimmerdeep &hellip;</p>]]>"
                           "</description><content:encoded><![CDATA[<img src=\"%2pictures/%3.jpg\">]]>"
                           "</content:encoded></item>")
                .arg(Titles[i], site.toString())
                .arg(i)
                .arg(now.addSecs(-60 * agesMinutes[i]).toString(Qt::RFC2822Date));
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\" "
               "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\"><channel>%1</channel></rss>")
        .arg(items)
        .toUtf8();
}

Counter *newsBadge(Launcher &window)
{
    return window.findChild<LauncherHeader *>()->tabs()->counter(1);
}

QToolButton *newsTabButton(Launcher &window)
{
    return window.findChildren<QToolButton *>(QStringLiteral("tabbtn")).value(1);
}

QList<FeedItem *> cards(Launcher &window)
{
    QList<FeedItem *> list;
    auto *grid = qobject_cast<QGridLayout *>(window.findChild<QWidget *>("news_container")->layout());
    for (int i = 0; i < grid->count(); ++i)
        list.append(qobject_cast<FeedItem *>(grid->itemAt(i)->widget()));
    return list;
}

} // namespace

// The news tab inside the launcher window: the feed starts once the agreement is accepted,
// cards fill the grid, the badge counts unread cards, pictures load when the tab is shown,
// and closing the window ends the news threads even while a server stalls.
class LauncherNewsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void feedWaitsForTheAgreement();
    void fillsTheNewsTab_data();
    void fillsTheNewsTab();
    void closesWhileTheFeedStalls();

private:
    void useSite(const QUrl &site);
    void screenshot(Launcher &window, const QString &name);

    QTemporaryDir m_app;
    QTemporaryDir m_root;
    NginxServer m_nginx;
    LogCapture m_log;
    JsonSettings m_settings;
};

void LauncherNewsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    Paths::setApplicationFolder(m_app.path());
    launcherProduct = makeLauncherProduct();
    const QString root = m_root.path();
    QVERIFY(m_nginx.start(root, QStringLiteral("location = /feed/ { try_files /feed.xml =404; }")));
    // Everything up to date, so no retry prompt interrupts the window.
    const QJsonObject manifest{
        {launcherProduct.productId,
         QJsonObject{{"version", formatVersion(launcherProduct.version)}, {"content", QJsonArray()}}},
        {"gd7", QJsonObject{{"version", "1.0.0"}, {"content", QJsonArray()}}}};
    QVERIFY(writeFile(root + "/update.json", QJsonDocument(manifest).toJson()));
    QVERIFY(writeFile(root + "/feed.xml", feed(m_nginx.url())));
    for (int i = 0; i < Items; ++i)
        QVERIFY(writeFile(root + QStringLiteral("/pictures/%1.jpg").arg(i), picture(i)));
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
}

void LauncherNewsTest::init()
{
    QFile::remove(Paths::settingsPath());
    m_settings = JsonSettings();
    m_settings.setValue(SettingsKey::EulaAccepted, EulaAcceptedValue);
    m_settings.setValue(QStringLiteral("gd7.installed_version"), QStringLiteral("1.0.0"));
    gameProduct = makeGameProduct(&m_settings);
    useSite(m_nginx.url());
}

void LauncherNewsTest::useSite(const QUrl &site)
{
    const QString path = m_app.filePath(QStringLiteral("deployment.json"));
    const QJsonObject config{{"mirrors", QJsonArray{m_nginx.url("update.json").toString()}},
                             {"web_site_url", site.toString().chopped(1)}};
    QVERIFY(writeFile(path, QJsonDocument(config).toJson()));
    QVERIFY(DeploymentConfig::loadInstance(path));
}

void LauncherNewsTest::screenshot(Launcher &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("GD7_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

void LauncherNewsTest::feedWaitsForTheAgreement()
{
    QVERIFY(QResource::registerResource(QStringLiteral(EULA_RCC)));
    TestHttpServer site;
    QVERIFY(site.start());
    site.serveFile("/feed/", feed(site.url("/")));
    useSite(site.url("/"));
    m_settings.setValue(SettingsKey::EulaAccepted, 0);

    int requestsBeforeAnswer = -1;
    bool accepted = false;
    answerNextModal(this, [&](QWidget *modal) {
        // Long enough for a reader started with the window to have asked for the feed.
        QTest::qWait(500);
        requestsBeforeAnswer = site.requestCount("/feed/");
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>()) {
            if (button->text() == TR::tr("LicDlgBtnAccept")) {
                button->click();
                accepted = true;
            }
        }
    });
    Launcher window(&m_settings, false);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(accepted, 10000);
    QCOMPARE(requestsBeforeAnswer, 0);
    QTRY_COMPARE_WITH_TIMEOUT(site.requestCount("/feed/"), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(cards(window).size(), Items, 10000);
    QVERIFY(QResource::unregisterResource(QStringLiteral(EULA_RCC)));
}

void LauncherNewsTest::fillsTheNewsTab_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Russian") << "ru";
    QTest::newRow("German") << "de";
}

void LauncherNewsTest::fillsTheNewsTab()
{
    QFETCH(QString, language);
    if (!LanguageManager::instance().setLanguage(language))
        QSKIP("the bundle has no such language yet");
    UrlRecorder browser;
    Launcher window(&m_settings, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The feed arrives while the game tab shows.
    QTRY_COMPARE_WITH_TIMEOUT(cards(window).size(), Items, 10000);
    auto *grid = qobject_cast<QGridLayout *>(window.findChild<QWidget *>("news_container")->layout());
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(newsBadge(window)->count(), Items);
    QCOMPARE(newsBadge(window)->color(), QColor(255, 210, 0));
    for (const FeedItem *card : cards(window))
        QVERIFY(shownPicture(card).isNull());

    // Showing the tab starts the image loader.
    QTest::mouseClick(newsTabButton(window), Qt::LeftButton);
    QVERIFY(window.findChild<QScrollArea *>("news_scroll")->isVisible());
    const auto allPicturesShown = [&] {
        for (const FeedItem *card : cards(window)) {
            if (shownPicture(card).isNull())
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allPicturesShown(), 10000);

    const QList<FeedItem *> all = cards(window);
    QTest::mouseClick(all[1], Qt::LeftButton);
    QTest::mouseClick(all[3], Qt::LeftButton);
    QTest::mouseClick(all[3], Qt::LeftButton);
    QCOMPARE(browser.opened.size(), 3);
    QCOMPARE(browser.opened.first(), m_nginx.url("news/1/"));
    QCOMPARE(newsBadge(window)->count(), Items - 2);
    QTest::qWait(200);
    screenshot(window, QStringLiteral("news_") + language);
    // Scrolling the second row into view records it as seen, but the badge waits for the next start.
    QScrollBar *scroll = window.findChild<QScrollArea *>("news_scroll")->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    QTRY_VERIFY(m_settings.value(SettingsKey::ReadNews).toStringList().contains(all[7]->id()));
    QCOMPARE(newsBadge(window)->count(), Items - 2);
    screenshot(window, QStringLiteral("news_") + language + QStringLiteral("_scrolled"));
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
}

void LauncherNewsTest::closesWhileTheFeedStalls()
{
    TestHttpServer site;
    QVERIFY(site.start());
    const TestHttpServer::Response stalled = stalledResponse();
    site.serve("/feed/", stalled);
    useSite(site.url("/"));
    auto window = std::make_unique<Launcher>(&m_settings, false);
    window->show();
    QTRY_COMPARE_WITH_TIMEOUT(site.requestCount("/feed/"), 1, 10000);
    QTest::mouseClick(newsTabButton(*window), Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    window.reset();
    // Far below the server's stall: the window ended the threads instead of waiting them out.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(LauncherNewsTest)
#include "tst_launchernews.moc"
