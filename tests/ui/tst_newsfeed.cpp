#include "app/deploymentconfig.h"
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testhttpserver.h"
#include "tests/ui/newstestkit.h"
#include "ui/appearance.h"
#include "ui/newsfeed.h"
#include "ui/newsgrid.h"
#include "ui/newsheaderlabel.h"
#include "ui/newspicture.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray encoded(const QImage &image, const char *format, int quality = 95)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return data;
}

// Green in the middle, red in the outer bands of the long side: a picture fitted from its
// middle shows only green.
QImage bandedPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    if (size.width() > size.height())
        painter.fillRect(size.width() / 6, 0, size.width() * 2 / 3, size.height(), Qt::green);
    else
        painter.fillRect(0, size.height() / 3, size.width(), size.height() / 3, Qt::green);
    return image;
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > 190 && qRed(pixel) < 70 && qBlue(pixel) < 70;
}

QString item(const QString &title, const QString &pubDate, const QString &picture)
{
    return QStringLiteral(
               "<item><title>%1</title><link>http://127.0.0.1/news/%1/</link><pubDate>%2</pubDate>"
               "<description>About %1</description>"
               "<content:encoded><![CDATA[<p><img src=\"%3\" alt=\"\"></p>]]></content:encoded></item>")
        .arg(title, pubDate, picture);
}

QByteArray rss(const QStringList &items)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<rss version=\"2.0\" xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">"
                          "<channel><title>Glimmerdeep</title>%1</channel></rss>")
        .arg(items.join(QString()))
        .toUtf8();
}

QString titleOf(const FeedItem *card)
{
    return card->findChild<NewsHeaderLabel *>()->text();
}

FeedItem *cardTitled(const QList<FeedItem *> &cards, const QString &title)
{
    for (FeedItem *card : cards) {
        if (titleOf(card) == title)
            return card;
    }
    return nullptr;
}

} // namespace

// The feed reader and image loader threads against nginx on 127.0.0.1, with the cards they
// fill, and their shutdown while a server stalls.
class NewsFeedTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readsServedFeeds_data();
    void readsServedFeeds();
    void usesTheSiteFeed();
    void fitsPicturesIntoCards();
    void decodesPictures_data();
    void decodesPictures();
    void stopsWhileServersStall_data();
    void stopsWhileServersStall();

private:
    QStringList feedLines();
    // Runs a news tab over url until every card has been through the image loader.
    void runTab(NewsTab &tab, const QUrl &url, bool expectOk);

    QTemporaryDir m_root;
    QTemporaryDir m_app;
    NginxServer m_nginx;
    LogCapture m_log;
    JsonSettings m_settings;
    quint16 m_tlsPort = 0;
};

void NewsFeedTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
    Paths::setApplicationFolder(m_app.path());
    const QString root = m_root.path();
    // The same files over TLS too, with a self-signed certificate for 127.0.0.1 that the tests trust.
    m_tlsPort = freeLocalPort();
    const QString tls = QStringLiteral("listen 127.0.0.1:%1 ssl;\nssl_certificate %2/selfsigned.crt;\n"
                                       "ssl_certificate_key %2/selfsigned.key;\n")
                            .arg(m_tlsPort)
                            .arg(QStringLiteral(TEST_CERTIFICATES));
    QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    trusting.addCaCertificates(QStringLiteral(TEST_CERTIFICATES "/selfsigned.crt"));
    QSslConfiguration::setDefaultConfiguration(trusting);
    QVERIFY(
        m_nginx.start(root, QStringLiteral("location ~ ^/feeds/(\\w+)/$ { default_type application/rss+xml; "
                                           "try_files /feeds/$1.xml =404; }\n"
                                           "location = /feed/ { try_files /site-feed.xml =404; }\n") +
                                tls));
    const QString site = m_nginx.url().toString();
    for (const QString name : {"wordpress", "truncated", "atom"}) {
        QByteArray feed = readFile(QStringLiteral(TEST_FEEDS "/%1.xml").arg(name));
        feed.replace("http://127.0.0.1/", site.toUtf8());
        QVERIFY(writeFile(root + QStringLiteral("/feeds/%1.xml").arg(name), feed));
    }
    QVERIFY(writeFile(root + "/feeds/empty.xml", QByteArray()));
    QVERIFY(writeFile(root + "/feeds/huge.xml", rss(QVector<QString>(40000, item("x", "", "")).toList())));
    QVERIFY(writeFile(root + "/site-feed.xml", rss({item("site", "Tue, 05 Mar 2024 10:00:00 +0000", "")})));

    QVERIFY(writeFile(root + "/pictures/wide.jpg", encoded(bandedPicture({900, 300}), "JPEG")));
    QVERIFY(writeFile(root + "/pictures/tall.png", encoded(bandedPicture({300, 900}), "PNG")));
    QVERIFY(writeFile(root + "/pictures/exact.png", encoded(bandedPicture({504, 284}), "PNG")));
    QVERIFY(writeFile(root + "/pictures/broken.jpg", "<html>not a picture</html>"));
    QImage huge(8000, 8000, QImage::Format_Mono);
    huge.fill(0);
    QVERIFY(writeFile(root + "/pictures/huge.png", encoded(huge, "PNG", 0)));
    QVERIFY(writeFile(root + "/pictures/endless.jpg", QByteArray(NewsFeed::MaxPictureBytes + 1, 'x')));
    const QStringList pictures = {"wide.jpg",   "tall.png", "exact.png",
                                  "broken.jpg", "huge.png", "endless.jpg"};
    QStringList items;
    for (int i = 0; i < pictures.size(); ++i)
        items.append(item(pictures[i], QStringLiteral("Tue, 05 Mar 2024 %1:00:00 +0000").arg(10 + i),
                          site + QStringLiteral("pictures/") + pictures[i]));
    // An https picture is fetched over https: the same request in plain http to the TLS port fails.
    items.append(item("secure.jpg", "Tue, 05 Mar 2024 20:00:00 +0000",
                      QStringLiteral("https://127.0.0.1:%1/pictures/wide.jpg").arg(m_tlsPort)));
    QVERIFY(writeFile(root + "/feeds/pictures.xml", rss(items)));
}

void NewsFeedTest::init()
{
    m_log.takeLines();
    // Cards seen in one case would count as read in the next.
    QFile::remove(Paths::settingsPath());
    m_settings = JsonSettings();
}

QStringList NewsFeedTest::feedLines()
{
    QStringList lines;
    for (const QString &line : m_log.takeLines()) {
        if (line.contains(QStringLiteral("rss"), Qt::CaseInsensitive) ||
            line.contains(QStringLiteral("too large")))
            lines.append(line);
    }
    return lines;
}

void NewsFeedTest::runTab(NewsTab &tab, const QUrl &url, bool expectOk)
{
    QSignalSpy finished(&tab.feed, &NewsFeed::feedFinished);
    tab.scroll.show();
    tab.feed.startFeedReader(url);
    tab.feed.startImageLoader();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().first().toBool(), expectOk);
    QTRY_VERIFY_WITH_TIMEOUT(!tab.feed.hasImageWork(), 20000);
    // Pictures reach their cards through the GUI thread's queue.
    QCoreApplication::processEvents();
}

void NewsFeedTest::readsServedFeeds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("crit");
    const QString patch = QStringLiteral("Patch 1.2 \u2013 \u201cFrostfall\u201d & the Deep Vaults");
    const QString weekend = QStringLiteral("Weekend event: double glimmer");
    QTest::newRow("published feed") << "feeds/wordpress/"
                                    << QStringList({patch, weekend, "Server maintenance", "Dev diary #4"})
                                    << true << QString();
    QTest::newRow("cut mid-item") << "feeds/truncated/" << QStringList({patch, weekend}) << false
                                  << "crit Rss from %1 has incorrect xml: Premature end of document.";
    QTest::newRow("atom") << "feeds/atom/" << QStringList() << true << QString();
    QTest::newRow("empty body") << "feeds/empty/" << QStringList() << false
                                << "crit download site rss feed fail: %1";
    QTest::newRow("404") << "feeds/missing/" << QStringList() << false
                         << "crit download site rss feed fail: %1";
    QTest::newRow("endless body") << "feeds/huge/" << QStringList() << false
                                  << "crit download site rss feed fail: %1";
}

void NewsFeedTest::readsServedFeeds()
{
    QFETCH(QString, path);
    QFETCH(QString, crit);
    const QUrl url = m_nginx.url(path);
    NewsTab tab(&m_settings);
    QFETCH(bool, ok);
    runTab(tab, url, ok);
    QStringList titles;
    for (const FeedItem *card : tab.cards)
        titles.append(titleOf(card));
    QTEST(titles, "titles");
    QCOMPARE(newsgrid::unreadCount(tab.grid), titles.size());
    QStringList expected = {"info download site rss feed..."};
    if (ok || path.contains("truncated"))
        expected.append("info download site rss feed success.");
    if (!crit.isEmpty())
        expected.append(crit.arg(url.toString()));
    if (path.contains("huge"))
        expected.insert(1, QStringLiteral("crit http answer too large: %1 (more than %2 bytes)")
                               .arg(url.toString())
                               .arg(NewsFeed::MaxFeedBytes));
    QCOMPARE(feedLines(), expected);
}

void NewsFeedTest::usesTheSiteFeed()
{
    QTemporaryDir folder;
    const QString config = folder.filePath("deployment.json");
    QVERIFY(writeFile(config, QStringLiteral(R"({"mirrors": ["%1update.json"], "web_site_url": "%2"})")
                                  .arg(m_nginx.url().toString(), m_nginx.url().toString().chopped(1))
                                  .toUtf8()));
    QVERIFY(DeploymentConfig::loadInstance(config));
    QCOMPARE(NewsFeed::defaultFeedUrl(), m_nginx.url("feed/"));
    NewsTab tab(&m_settings);
    runTab(tab, NewsFeed::defaultFeedUrl(), true);
    QCOMPARE(tab.cards.size(), 1);
    QCOMPARE(titleOf(tab.cards[0]), QStringLiteral("site"));
}

void NewsFeedTest::fitsPicturesIntoCards()
{
    NewsTab tab(&m_settings);
    runTab(tab, m_nginx.url("feeds/pictures/"), true);
    QCOMPARE(tab.cards.size(), 7);
    const QSize area(252, 142);
    for (const QString fitted : {"wide.jpg", "tall.png", "secure.jpg"}) {
        const FeedItem *card = cardTitled(tab.cards, fitted);
        QVERIFY(card);
        const QImage picture = shownPicture(card);
        QCOMPARE(picture.size(), area);
        // Corners, edge middles and centre: only the green middle of the picture is shown.
        for (const QPoint &point :
             {QPoint(0, 0), QPoint(251, 0), QPoint(0, 141), QPoint(251, 141), QPoint(126, 0),
              QPoint(126, 141), QPoint(0, 71), QPoint(251, 71), QPoint(126, 71)})
            QVERIFY2(isGreen(picture.pixel(point)),
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(fitted).arg(point.x()).arg(point.y())));
    }
    // The same shape as the card: shown whole, red bands included.
    const QImage exact = shownPicture(cardTitled(tab.cards, "exact.png"));
    QCOMPARE(exact.size(), area);
    QVERIFY(!isGreen(exact.pixel(0, 71)) && !isGreen(exact.pixel(251, 71)));
    QVERIFY(isGreen(exact.pixel(126, 71)) && isGreen(exact.pixel(126, 0)));
    for (const QString refused : {"broken.jpg", "huge.png", "endless.jpg"})
        QVERIFY2(shownPicture(cardTitled(tab.cards, refused)).isNull(), qPrintable(refused));
    const QStringList lines = m_log.takeLines();
    const QString pictures = m_nginx.url("pictures/").toString();
    QVERIFY2(
        lines.contains(QStringLiteral("crit news picture refused: %1huge.png: picture too large: 8000x8000")
                           .arg(pictures)),
        qPrintable(lines.join('\n')));
    QVERIFY(lines.contains(QStringLiteral("crit http answer too large: %1endless.jpg (more than %2 bytes)")
                               .arg(pictures)
                               .arg(NewsFeed::MaxPictureBytes)));
    QVERIFY(lines.filter(QStringLiteral("news picture refused: %1broken.jpg: not a picture").arg(pictures))
                .size() == 1);
}

void NewsFeedTest::decodesPictures_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("cover");
    QTest::addColumn<QSize>("decoded");
    QTest::addColumn<QString>("refusal");
    const QByteArray photo = encoded(bandedPicture({1200, 675}), "JPEG");
    QTest::newRow("large, to the card") << photo << QSize(252, 142) << QSize(252, 142) << QString();
    QTest::newRow("wider card") << photo << QSize(400, 142) << QSize(400, 225) << QString();
    QTest::newRow("no card size yet") << photo << QSize(0, 0) << QSize(1200, 675) << QString();
    QTest::newRow("no cover") << photo << QSize() << QSize(1200, 675) << QString();
    QTest::newRow("smaller than the card")
        << encoded(bandedPicture({100, 50}), "PNG") << QSize(252, 142) << QSize(100, 50) << QString();
    QImage huge(5000, 4000, QImage::Format_Mono);
    huge.fill(0);
    QTest::newRow("too many pixels") << encoded(huge, "PNG", 0) << QSize(252, 142) << QSize(0, 0)
                                     << "picture too large: 5000x4000";
    QTest::newRow("not a picture") << QByteArray("<html>") << QSize(252, 142) << QSize(0, 0)
                                   << "not a picture: Unsupported image format";
    QTest::newRow("cut short") << photo.left(photo.size() / 3) << QSize(252, 142) << QSize(252, 142)
                               << QString();
}

void NewsFeedTest::decodesPictures()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, cover);
    QString refusal;
    const QImage image = newspicture::decode(data, cover, &refusal);
    QTEST(image.size(), "decoded");
    QTEST(refusal, "refusal");
}

void NewsFeedTest::stopsWhileServersStall_data()
{
    QTest::addColumn<bool>("pictureStalls");
    QTest::newRow("feed stalls") << false;
    QTest::newRow("picture stalls") << true;
}

void NewsFeedTest::stopsWhileServersStall()
{
    QFETCH(bool, pictureStalls);
    TestHttpServer server;
    QVERIFY(server.start());
    const TestHttpServer::Response stalled = stalledResponse();
    server.serve("/stall.jpg", stalled);
    if (pictureStalls)
        server.serveFile("/feed/", rss({item("slow", "", server.url("/stall.jpg").toString())}));
    else
        server.serve("/feed/", stalled);

    QElapsedTimer timer;
    {
        auto tab = std::make_unique<NewsTab>(&m_settings);
        tab->feed.startFeedReader(server.url("/feed/"));
        tab->feed.startImageLoader();
        const QByteArray waitedFor = pictureStalls ? "/stall.jpg" : "/feed/";
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(waitedFor), 1, 20000);
        timer.start();
    }
    // Far below the server's stall: the threads were stopped, not left to time out.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(feedLines().filter("crit"), QStringList());
}

QTEST_MAIN(NewsFeedTest)
#include "tst_newsfeed.moc"
