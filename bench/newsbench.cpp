// The news tab over a feed of 200 items, each with its own 1200x675 JPEG, from nginx on
// 127.0.0.1: the time until every card shows its picture, the GUI thread's longest stall while
// cards and pictures arrive (goal: none above 50 ms), and the resident memory with 200 cards.

#include "app/jsonsettings.h"
#include "tests/support/nginxserver.h"
#include "tests/ui/newstestkit.h"
#include "ui/appearance.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int Items = 200;
constexpr int TickMs = 2;

QTextStream out(stdout);

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// A photo-like picture: a gradient with noise, so it compresses like a real one.
QByteArray photo(int seed)
{
    QImage image(1200, 675, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(40));
            line[x] = qRgb((x / 5 + seed * 7 + noise) % 256, (y / 3 + noise) % 256, (x + y + seed) / 8 % 256);
        }
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return data;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    addApplicationFonts();
    app.setStyleSheet(loadStyleSheet());

    QTemporaryDir root;
    QDir().mkpath(root.filePath(QStringLiteral("pictures")));
    NginxServer nginx;
    if (!nginx.start(root.path())) {
        out << "nginx did not start\n";
        return 1;
    }
    QString items;
    qint64 pictureBytes = 0;
    for (int i = 0; i < Items; ++i) {
        const QByteArray picture = photo(i);
        pictureBytes += picture.size();
        writeFile(root.filePath(QStringLiteral("pictures/%1.jpg").arg(i)), picture);
        items += QStringLiteral(
                     "<item><title>News %1</title><link>http://127.0.0.1/news/%1/</link>"
                     "<pubDate>%2</pubDate><description>What happened in the deep, part %1.</description>"
                     "<content:encoded><![CDATA[<p><img src=\"%3\"></p>]]></content:encoded></item>")
                     .arg(i)
                     .arg(QDateTime::currentDateTimeUtc().addSecs(-600 * i).toString(Qt::RFC2822Date))
                     .arg(nginx.url(QStringLiteral("pictures/%1.jpg").arg(i)).toString());
    }
    writeFile(root.filePath(QStringLiteral("feed.xml")),
              QStringLiteral(
                  "<?xml version=\"1.0\"?><rss version=\"2.0\" "
                  "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\"><channel>%1</channel></rss>")
                  .arg(items)
                  .toUtf8());

    JsonSettings settings;
    NewsTab tab(&settings);
    tab.scroll.show();
    app.processEvents();
    const qint64 emptyKiB = residentKiB();

    int shown = 0;
    QElapsedTimer clock;
    qint64 cardsAt = -1;
    qint64 picturesAt = -1;
    QObject::connect(&tab.feed, &NewsFeed::insertNews, &tab.scroll, [&] {
        // Connected after the tab's own handler: the card of this item exists now.
        FeedItem *card = tab.cards.last();
        QObject::connect(card, &FeedItem::pictureShown, &tab.scroll, [&] {
            if (++shown == Items) {
                picturesAt = clock.elapsed();
                app.quit();
            }
        });
    });
    QObject::connect(&tab.feed, &NewsFeed::feedFinished, &tab.scroll, [&] { cardsAt = clock.elapsed(); });

    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(TickMs);
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed() / 1000;
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    QTimer::singleShot(120000, &app, &QApplication::quit);

    clock.start();
    ticker.start();
    tab.feed.startFeedReader(nginx.url(QStringLiteral("feed.xml")));
    tab.feed.startImageLoader();
    app.exec();
    ticker.stop();
    app.processEvents();

    out << "items: " << Items << ", pictures: " << pictureBytes / 1024 << " KiB in all\n";
    out << "all cards in the grid: " << cardsAt << " ms\n";
    out << "every card shows its picture: " << picturesAt << " ms (" << shown << " of " << Items << ")\n";
    out << "longest GUI thread stall: " << QString::number((longestGap - TickMs * 1000) / 1000.0, 'f', 1)
        << " ms (goal <= 50 ms)\n";
    out << "resident memory: empty tab " << emptyKiB / 1024 << " MiB, with " << tab.cards.size() << " cards "
        << residentKiB() / 1024 << " MiB\n";
    return shown == Items ? 0 : 1;
}
