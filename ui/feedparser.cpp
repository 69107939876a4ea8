#include "ui/feedparser.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <optional>

namespace feedparser {

namespace {

const QString ContentNamespace = QStringLiteral("http://purl.org/rss/1.0/modules/content/");

int monthNumber(const QString &name)
{
    static const QStringList months = {"jan", "feb", "mar", "apr", "may", "jun",
                                       "jul", "aug", "sep", "oct", "nov", "dec"};
    return months.indexOf(name.toLower()) + 1;
}

// Seconds east of UTC for an RFC 822 zone; unknown zones (military letters, typos) count as UTC.
int zoneOffsetSeconds(const QString &zone)
{
    if (zone.size() == 5 && (zone[0] == QLatin1Char('+') || zone[0] == QLatin1Char('-'))) {
        const int hours = zone.midRef(1, 2).toInt();
        const int minutes = zone.midRef(3, 2).toInt();
        const int seconds = hours * 3600 + minutes * 60;
        return zone[0] == QLatin1Char('-') ? -seconds : seconds;
    }
    static const QHash<QString, int> namedHours = {{"EST", -5}, {"EDT", -4}, {"CST", -6}, {"CDT", -5},
                                                   {"MST", -7}, {"MDT", -6}, {"PST", -8}, {"PDT", -7}};
    return namedHours.value(zone.toUpper(), 0) * 3600;
}

QUrl choosePicture(const QList<QUrl> &pictures)
{
    if (pictures.isEmpty())
        return QUrl();
    // Several pictures in one post: any of them represents it, and a different one each start
    // keeps the tab from looking the same every day.
    return pictures.at(int(QRandomGenerator::global()->bounded(quint32(pictures.size()))));
}

} // namespace

QDateTime parsePubDate(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:[A-Za-z]{3},\s*)?(\d{1,2})\s+([A-Za-z]{3})\s+(\d{2}|\d{4})\s+)"
                       R"((\d{1,2}):(\d{2})(?::(\d{2}))?(?:\s+([+-]\d{4}|[A-Za-z]{1,3}))?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDateTime();
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, monthNumber(match.captured(2)), match.captured(1).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC).addSecs(-zoneOffsetSeconds(match.captured(7)));
}

QList<QUrl> picturesInHtml(const QString &html, const QUrl &base)
{
    static const QRegularExpression imgSource(QStringLiteral(R"(<img[^>]+src=['"]([^'"]+)['"])"),
                                              QRegularExpression::CaseInsensitiveOption);
    QList<QUrl> pictures;
    auto matches = imgSource.globalMatch(html);
    while (matches.hasNext()) {
        // Attribute values are HTML: an ampersand in a query arrives as "&amp;".
        QString source = matches.next().captured(1).trimmed();
        source.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        const QUrl url = base.resolved(QUrl(source));
        // Only web pictures: file:, data: and other schemes are never fetched.
        if (url.isValid() &&
            (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
            pictures.append(url);
    }
    return pictures;
}

bool parseFeed(QXmlStreamReader &reader, const QUrl &feedUrl, const ItemHandler &onItem, QString *errorText)
{
    bool inChannel = false;
    std::optional<NewsRecord> item;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (reader.name() == QLatin1String("channel"))
                inChannel = false;
            else if (reader.name() == QLatin1String("item") && item) {
                if (!onItem(*item))
                    return true;
                item.reset();
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = reader.name();
        if (name == QLatin1String("channel")) {
            inChannel = true;
        } else if (!inChannel) {
            continue;
        } else if (name == QLatin1String("item")) {
            if (!item)
                item.emplace();
        } else if (!item) {
            continue;
        } else if (name == QLatin1String("title")) {
            item->title = reader.readElementText();
        } else if (name == QLatin1String("link")) {
            item->link = QUrl(reader.readElementText().trimmed());
        } else if (name == QLatin1String("pubDate")) {
            item->pubDate = parsePubDate(reader.readElementText());
        } else if (name == QLatin1String("description")) {
            item->description = reader.readElementText();
        } else if (reader.namespaceUri() == ContentNamespace || name == QLatin1String("encoded")) {
            item->image = choosePicture(picturesInHtml(reader.readElementText(), feedUrl));
        }
    }
    if (reader.hasError()) {
        if (errorText)
            *errorText = reader.errorString();
        return false;
    }
    return true;
}

} // namespace feedparser
