#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "tests/ui/newstestkit.h"
#include "ui/appearance.h"
#include "ui/feeditem.h"
#include "ui/newsdate.h"
#include "ui/newsgrid.h"
#include "ui/newsheaderlabel.h"
#include "ui/newstext.h"
#include "ui/socialbutton.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

FeedItem::SFeedItem record(const QString &title, const QDateTime &pubDate, const QString &link)
{
    FeedItem::SFeedItem item;
    item.title = title;
    item.pubDate = pubDate;
    item.link = QUrl(link);
    item.description = QStringLiteral("About ") + title;
    return item;
}

const QDateTime March5 = QDateTime(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC);
const QDateTime March4 = QDateTime(QDate(2024, 3, 4), QTime(10, 0), Qt::UTC);

} // namespace

// A news card's read state across runs over one settings file, its opening through the
// browser (captured), its texts and its hover look.
class FeedItemTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void opensWebLinksOnly_data();
    void opensWebLinksOnly();
    void openingStoresOnceAndLowersBadgeOnce();
    void seenCardCountsFromNextStart();
    void itemsWithOneDateShareState();
    void showsStrippedAndElidedTexts();
    void hoverSwitchesVisitIcon();

private:
    // The "read_news" list as the file on disk holds it.
    QStringList storedIds() const;
    // A fresh run: the settings as the next start loads them.
    void restart() { QVERIFY(m_settings.load(Paths::settingsPath())); }

    QTemporaryDir m_app;
    JsonSettings m_settings;
};

void FeedItemTest::initTestCase()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
    Paths::setApplicationFolder(m_app.path());
}

void FeedItemTest::init()
{
    QFile::remove(Paths::settingsPath());
    m_settings = JsonSettings();
}

QStringList FeedItemTest::storedIds() const
{
    QFile file(Paths::settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList ids;
    for (const QJsonValue &value :
         QJsonDocument::fromJson(file.readAll()).object().value("read_news").toArray())
        ids.append(value.toString());
    return ids;
}

void FeedItemTest::opensWebLinksOnly_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opens");
    QTest::newRow("http") << "http://127.0.0.1/news/1/" << true;
    QTest::newRow("https") << "https://127.0.0.1/news/1/" << true;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("custom handler") << "steam://run/1" << false;
    QTest::newRow("empty") << "" << false;
}

void FeedItemTest::opensWebLinksOnly()
{
    QFETCH(QString, link);
    QFETCH(bool, opens);
    UrlRecorder browser;
    FeedItem card(record("Patch", March5, link), &m_settings);
    card.show();
    QSignalSpy readed(&card, &FeedItem::readed);
    QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(126, 60));
    QCOMPARE(browser.opened, opens ? QList<QUrl>{QUrl(link)} : QList<QUrl>());
    QCOMPARE(card.isRead(), opens);
    QCOMPARE(readed.count(), opens ? 1 : 0);
    QCOMPARE(storedIds(), opens ? QStringList("1709632800000") : QStringList());
    // The visit icon opens the same post.
    QTest::mouseClick(card.findChild<SocialButton *>("visit"), Qt::LeftButton);
    QCOMPARE(browser.opened.size(), opens ? 2 : 0);
}

void FeedItemTest::openingStoresOnceAndLowersBadgeOnce()
{
    UrlRecorder browser;
    NewsTab tab(&m_settings);
    QList<FeedItem *> cards;
    for (int i = 0; i < 5; ++i)
        cards.append(newsgrid::appendCard(tab.grid, tab.container, 1184,
                                          record(QString::number(i), March5.addSecs(-3600 * i),
                                                 QStringLiteral("http://127.0.0.1/news/%1/").arg(i)),
                                          &m_settings));
    tab.scroll.show();
    // Five cards: a full row and one more; the container holds both rows.
    QCOMPARE(tab.grid->rowCount(), 2);
    QCOMPARE(tab.container->minimumSize(), QSize(1184, 2 * cards[0]->sizeHint().height()));
    QCOMPARE(newsgrid::unreadCount(tab.grid), 5);

    QSignalSpy readed(cards[4], &FeedItem::readed);
    const auto textColour = [](const QWidget *label) { return label->palette().color(QPalette::WindowText); };
    auto *date = cards[4]->findChild<NewsDate *>();
    const QColor unreadDate = textColour(date);
    tab.scroll.ensureWidgetVisible(cards[4]);
    QTest::mouseClick(cards[4], Qt::LeftButton);
    QTest::mouseClick(cards[4], Qt::LeftButton);
    QCOMPARE(browser.opened.size(), 2);
    QCOMPARE(readed.count(), 1);
    QCOMPARE(newsgrid::unreadCount(tab.grid), 4);
    QCOMPARE(storedIds().filter(cards[4]->id()).size(), 1);
    // Read cards are greyed by the style sheet; the others keep their colours.
    QCOMPARE(textColour(date), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(textColour(cards[4]->findChild<NewsHeaderLabel *>()), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(textColour(cards[3]->findChild<NewsDate *>()), unreadDate);
    QVERIFY(unreadDate != QColor(0xc0, 0xc0, 0xc0));
}

void FeedItemTest::seenCardCountsFromNextStart()
{
    const FeedItem::SFeedItem item = record("Seen", March5, "http://127.0.0.1/news/seen/");
    {
        NewsTab tab(&m_settings);
        // A first row of four cards, the card in question alone in the second.
        for (int i = 0; i < 4; ++i)
            newsgrid::appendCard(tab.grid, tab.container, 1184,
                                 record(QString::number(i), March4.addSecs(i), ""), &m_settings);
        FeedItem *card = newsgrid::appendCard(tab.grid, tab.container, 1184, item, &m_settings);
        // Only about half of the second row shows at first.
        tab.scroll.resize(1184, card->sizeHint().height() * 3 / 2);
        tab.scroll.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab.scroll));
        QCoreApplication::processEvents();
        QVERIFY(!storedIds().contains(card->id()));
        tab.scroll.verticalScrollBar()->setValue(tab.scroll.verticalScrollBar()->maximum());
        QTRY_VERIFY(storedIds().contains(card->id()));
        // Seen is not read yet: the badge stays until the next start.
        QVERIFY(!card->isRead());
        QCOMPARE(newsgrid::unreadCount(tab.grid), 5);
    }
    restart();
    FeedItem again(item, &m_settings);
    QVERIFY(again.isRead());
    QCOMPARE(storedIds().filter(again.id()).size(), 1);
}

void FeedItemTest::itemsWithOneDateShareState()
{
    UrlRecorder browser;
    FeedItem first(record("First", March5, "http://127.0.0.1/news/a/"), &m_settings);
    FeedItem second(record("Second", March5, "http://127.0.0.1/news/b/"), &m_settings);
    QCOMPARE(first.id(), second.id());
    first.show();
    QTest::mouseClick(&first, Qt::LeftButton);
    restart();
    QVERIFY(FeedItem(record("Second", March5, "http://127.0.0.1/news/b/"), &m_settings).isRead());
    QVERIFY(!FeedItem(record("Other", March4, "http://127.0.0.1/news/c/"), &m_settings).isRead());
    // Without dates, cards are told apart by their links.
    QVERIFY(FeedItem(record("x", QDateTime(), "http://127.0.0.1/news/x/"), &m_settings).id() !=
            FeedItem(record("y", QDateTime(), "http://127.0.0.1/news/y/"), &m_settings).id());
}

void FeedItemTest::showsStrippedAndElidedTexts()
{
    FeedItem::SFeedItem item = record("<b>Frost</b> &amp; fire", March5, "http://127.0.0.1/");
    item.description = QStringLiteral("<p>") + QStringLiteral("Deep caves and bright shards. ").repeated(40) +
                       QStringLiteral("</p>");
    FeedItem card(item, &m_settings);
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    auto *header = card.findChild<NewsHeaderLabel *>();
    QCOMPARE(header->text(), QStringLiteral("Frost &amp; fire"));
    QVERIFY(header->toolTip().isEmpty());
    auto *text = card.findChild<NewsText *>();
    QVERIFY(text->text().startsWith(QStringLiteral("Deep caves and bright shards.")));
    QVERIFY2(text->text().endsWith(QChar(0x2026)), qPrintable(text->text()));
    // What is left fits the label.
    const QRect needed =
        text->fontMetrics().boundingRect(text->contentsRect(), Qt::TextWordWrap, text->text());
    QVERIFY(needed.height() <= text->contentsRect().height());

    FeedItem::SFeedItem longTitle = item;
    longTitle.title = QStringLiteral("A very long title about the deep vaults and the frost ").repeated(6);
    FeedItem titled(longTitle, &m_settings);
    titled.show();
    QVERIFY(QTest::qWaitForWindowExposed(&titled));
    auto *titleLabel = titled.findChild<NewsHeaderLabel *>();
    QVERIFY(titleLabel->text().endsWith(QChar(0x2026)));
    QCOMPARE(titleLabel->toolTip(), longTitle.title);
}

void FeedItemTest::hoverSwitchesVisitIcon()
{
    FeedItem card(record("Hover", March5, "http://127.0.0.1/"), &m_settings);
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    auto *visit = card.findChild<SocialButton *>("visit");
    QVERIFY(visit);
    const QImage normal = visit->grab().toImage();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&card, &enter);
    const QImage hovered = visit->grab().toImage();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&card, &leave);
    // The icon the style sheet gives a hovered card differs from the normal one.
    QVERIFY(!normal.isNull());
    QVERIFY(hovered != normal);
    QCOMPARE(visit->grab().toImage(), normal);
}

QTEST_MAIN(FeedItemTest)
#include "tst_feeditem.moc"
