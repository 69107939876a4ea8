#include "app/languagemanager.h"
#include "ui/feedparser.h"
#include "ui/newstexts.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

#include <time.h>

namespace {

const QUrl FeedUrl(QStringLiteral("http://127.0.0.1/feed/"));

QByteArray feedFile(const QString &name)
{
    QFile file(QStringLiteral(TEST_FEEDS "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

struct Parsed
{
    QList<NewsRecord> items;
    bool ok = false;
    QString error;
};

Parsed parse(const QByteArray &document, int stopAfter = -1)
{
    Parsed parsed;
    QXmlStreamReader reader(document);
    parsed.ok = feedparser::parseFeed(
        reader, FeedUrl,
        [&](const NewsRecord &item) {
            parsed.items.append(item);
            return parsed.items.size() != stopAfter;
        },
        &parsed.error);
    return parsed;
}

QList<QUrl> urls(const QStringList &texts)
{
    QList<QUrl> list;
    for (const QString &text : texts)
        list.append(QUrl(text));
    return list;
}

} // namespace

// Reading feeds as publishing systems write them, and what a card makes of an item's texts.
class FeedParserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsPublishedFeed();
    void picksOnePictureOfSeveral();
    void keepsItemsBeforeAFault();
    void readsFeedsWithoutItems_data();
    void readsFeedsWithoutItems();
    void stopsWhenAsked();
    void findsPictures_data();
    void findsPictures();
    void datesAndIds_data();
    void datesAndIds();
    void stripsTags_data();
    void stripsTags();
};

void FeedParserTest::initTestCase()
{
    // A zone east of UTC, so that a local date differs from the UTC one near midnight.
    qputenv("TZ", "XYZ-9");
    tzset();
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
}

void FeedParserTest::readsPublishedFeed()
{
    const Parsed parsed = parse(feedFile(QStringLiteral("wordpress.xml")));
    QVERIFY2(parsed.ok, qPrintable(parsed.error));
    QCOMPARE(parsed.items.size(), 4);

    const NewsRecord &patch = parsed.items[0];
    QCOMPARE(patch.title, QStringLiteral("Patch 1.2 \u2013 \u201cFrostfall\u201d & the Deep Vaults"));
    QCOMPARE(patch.link, QUrl(QStringLiteral("http://127.0.0.1/news/patch-1-2/")));
    QCOMPARE(patch.pubDate, utc(2024, 3, 5, 10, 0));
    QVERIFY(patch.description.startsWith(QStringLiteral("<p>The vaults open at last &hellip; <b>new</b>")));

    const NewsRecord &weekend = parsed.items[1];
    QCOMPARE(weekend.title, QStringLiteral("<b>Weekend</b> event: double <i>glimmer</i>"));
    QCOMPARE(weekend.link,
             QUrl(QStringLiteral("http://127.0.0.1/news/weekend/?utm_source=rss&utm_medium=rss")));
    QCOMPARE(weekend.pubDate, utc(2024, 3, 4, 15, 30));
    QCOMPARE(weekend.description, QStringLiteral("Double glimmer &amp; shards all weekend "
                                                 "<a href=\"http://127.0.0.1/news/weekend/\">Read more</a>"));
    QCOMPARE(weekend.image, QUrl());

    // No date, a script link and pictures of which only the web one counts.
    const NewsRecord &maintenance = parsed.items[2];
    QVERIFY(!maintenance.pubDate.isValid());
    QCOMPARE(maintenance.link, QUrl(QStringLiteral("javascript:alert(1)")));
    QCOMPARE(maintenance.image, QUrl(QStringLiteral("http://127.0.0.1/pictures/maint.jpg?w=300&h=200")));

    const NewsRecord &diary = parsed.items[3];
    QCOMPARE(diary.pubDate, utc(2024, 3, 3, 14, 15));
    QCOMPARE(diary.link.scheme(), QStringLiteral("https"));
    QCOMPARE(diary.image, QUrl());
}

void FeedParserTest::picksOnePictureOfSeveral()
{
    const QList<QUrl> candidates =
        urls({"http://127.0.0.1/pictures/wide.jpg", "https://127.0.0.1/pictures/secure.png",
              "http://127.0.0.1/pictures/tall.png"});
    QSet<QUrl> seen;
    for (int run = 0; run < 60; ++run) {
        const QUrl image = parse(feedFile(QStringLiteral("wordpress.xml"))).items.value(0).image;
        QVERIFY2(candidates.contains(image), qPrintable(image.toString()));
        seen.insert(image);
    }
    // Chosen at random, and an https picture stays https.
    QVERIFY(seen.size() > 1);
    QVERIFY(seen.contains(candidates[1]));
}

void FeedParserTest::keepsItemsBeforeAFault()
{
    const Parsed parsed = parse(feedFile(QStringLiteral("truncated.xml")));
    QVERIFY(!parsed.ok);
    QCOMPARE(parsed.error, QStringLiteral("Premature end of document."));
    QCOMPARE(parsed.items.size(), 2);
    QCOMPARE(parsed.items[1].title, QStringLiteral("<b>Weekend</b> event: double <i>glimmer</i>"));

    // An element inside a title is not a feed we understand: the fault ends the parse there.
    const Parsed nested =
        parse("<rss><channel><item><title>a</title></item>"
              "<item><title>b<b>c</b></title></item><item><title>d</title></item></channel></rss>");
    QVERIFY(!nested.ok);
    QCOMPARE(nested.items.size(), 1);
}

void FeedParserTest::readsFeedsWithoutItems_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("atom") << feedFile(QStringLiteral("atom.xml"));
    QTest::newRow("empty channel") << QByteArray(
        "<rss version=\"2.0\"><channel><title>x</title></channel></rss>");
    QTest::newRow("items outside a channel") << QByteArray("<rss><item><title>stray</title></item></rss>");
}

void FeedParserTest::readsFeedsWithoutItems()
{
    QFETCH(QByteArray, document);
    const Parsed parsed = parse(document);
    QVERIFY2(parsed.ok, qPrintable(parsed.error));
    QCOMPARE(parsed.items.size(), 0);
}

void FeedParserTest::stopsWhenAsked()
{
    const Parsed parsed = parse(feedFile(QStringLiteral("wordpress.xml")), 2);
    QVERIFY(parsed.ok);
    QCOMPARE(parsed.items.size(), 2);
}

void FeedParserTest::findsPictures_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QList<QUrl>>("pictures");
    QTest::newRow("none") << "<p>text only</p>" << QList<QUrl>();
    QTest::newRow("quotes of both kinds, any case")
        << R"(<img src="http://a.test/1.jpg"><IMG alt='x' SRC='https://a.test/2.png'>)"
        << urls({"http://a.test/1.jpg", "https://a.test/2.png"});
    QTest::newRow("relative and protocol-relative")
        << R"(<img src="/up/1.jpg"><img src="//cdn.test/2.jpg">)"
        << urls({"http://127.0.0.1/up/1.jpg", "http://cdn.test/2.jpg"});
    QTest::newRow("other schemes dropped")
        << R"html(<img src="file:///etc/hosts"><img src="javascript:x()"><img src="ftp://a.test/1.jpg">)html"
        << QList<QUrl>();
    QTest::newRow("ampersands of the query")
        << R"(<img src="http://a.test/p.jpg?w=1&amp;h=2">)" << urls({"http://a.test/p.jpg?w=1&h=2"});
    QTest::newRow("empty source") << R"(<img src=""><img src="http://a.test/1.jpg">)"
                                  << urls({"http://a.test/1.jpg"});
}

void FeedParserTest::findsPictures()
{
    QFETCH(QString, html);
    QTEST(feedparser::picturesInHtml(html, FeedUrl), "pictures");
}

void FeedParserTest::datesAndIds_data()
{
    QTest::addColumn<QString>("pubDate");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("dateText");
    // Shown at 12:00 UTC on 5 March 2024, in a zone nine hours east of UTC.
    QTest::newRow("just now") << "Tue, 05 Mar 2024 12:00:00 +0000"
                              << "1709640000000"
                              << "0 minutes ago";
    QTest::newRow("one minute") << "Tue, 05 Mar 2024 11:59:00 +0000"
                                << "1709639940000"
                                << "1 minute ago";
    QTest::newRow("30 minutes") << "Tue, 05 Mar 2024 11:30:00 GMT"
                                << "1709638200000"
                                << "30 minutes ago";
    QTest::newRow("59 minutes") << "Tue, 05 Mar 2024 11:00:01 +0000"
                                << "1709636401000"
                                << "59 minutes ago";
    QTest::newRow("90 minutes") << "Tue, 05 Mar 2024 10:30:00 +0000"
                                << "1709634600000"
                                << "hour ago";
    QTest::newRow("two hours") << "Tue, 05 Mar 2024 10:00:00 +0000"
                               << "1709632800000"
                               << "2 hours ago";
    QTest::newRow("zone east") << "Tue, 05 Mar 2024 10:00:00 +0300"
                               << "1709622000000"
                               << "5 hours ago";
    QTest::newRow("zone west, named") << "Tue, 05 Mar 2024 01:00:00 EST"
                                      << "1709618400000"
                                      << "6 hours ago";
    QTest::newRow("a day") << "Mon, 04 Mar 2024 12:00:00 +0000"
                           << "1709553600000"
                           << "24 hours ago";
    QTest::newRow("25 hours: local date") << "Mon, 04 Mar 2024 11:00:00 +0000"
                                          << "1709550000000"
                                          << "04/03/2024";
    QTest::newRow("local date past midnight") << "Sun, 03 Mar 2024 20:00:00 +0000"
                                              << "1709496000000"
                                              << "04/03/2024";
    QTest::newRow("future") << "Tue, 05 Mar 2024 12:10:00 +0000"
                            << "1709640600000"
                            << "0 minutes ago";
    QTest::newRow("no weekday, one-digit day") << "5 Mar 2024 11:00:00 +0000"
                                               << "1709636400000"
                                               << "hour ago";
    QTest::newRow("no date") << ""
                             << ""
                             << "";
    QTest::newRow("not a date") << "yesterday"
                                << ""
                                << "";
    QTest::newRow("impossible day") << "Fri, 31 Feb 2024 10:00:00 +0000"
                                    << ""
                                    << "";
}

void FeedParserTest::datesAndIds()
{
    QFETCH(QString, pubDate);
    NewsRecord item;
    item.pubDate = feedparser::parsePubDate(pubDate);
    QTEST(newstexts::itemId(item), "id");
    QTEST(newstexts::dateText(item.pubDate, utc(2024, 3, 5, 12, 0)), "dateText");
}

void FeedParserTest::stripsTags_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("bold and entity") << "<b>Frost</b> &amp; <i>fire</i>"
                                     << "Frost &amp; fire";
    QTest::newRow("paragraphs and links") << "<p>Read <a href=\"http://a.test/\">more</a></p>\n<p>Bye</p>"
                                          << "Read more\nBye";
    QTest::newRow("plain") << "No tags"
                           << "No tags";
}

void FeedParserTest::stripsTags()
{
    QFETCH(QString, html);
    QTEST(newstexts::stripTags(html), "text");
}

QTEST_MAIN(FeedParserTest)
#include "tst_feedparser.moc"
