#pragma once

#include "ui/newsrecord.h"

#include <functional>

class QXmlStreamReader;

// Reading the maker's RSS feed, apart from any thread or widget.
namespace feedparser {

// Called for each complete item in document order; answering false ends the parse early.
using ItemHandler = std::function<bool(const NewsRecord &item)>;

// Walks an RSS 2.0 document and hands over every item of its channel. Picture links are
// resolved against feedUrl. Answers false when the document is malformed (items handed over
// before the fault stay handed over; errorText tells what was wrong); a document with no
// channel, such as an Atom feed, is well formed and simply has no items.
bool parseFeed(QXmlStreamReader &reader, const QUrl &feedUrl, const ItemHandler &onItem, QString *errorText);

// An RFC 822 date as feeds write it ("Tue, 05 Mar 2024 10:00:00 +0300"), as a UTC time.
// Numeric zones and the named ones of RFC 822 are applied; a missing or unknown zone counts
// as UTC. Invalid when the text is not such a date.
QDateTime parsePubDate(const QString &text);

// Every picture of an HTML text: the src of each img tag, resolved against base, with only
// http and https links kept (in order of appearance).
QList<QUrl> picturesInHtml(const QString &html, const QUrl &base);

} // namespace feedparser
