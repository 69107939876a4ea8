#pragma once

#include "ui/newsrecord.h"

// What a news card shows and stores, as plain functions of the record.
namespace newstexts {

// "N minutes ago" up to the first hour, "N hours ago" up to a day, then the local date
// (dd/MM/yyyy). A date in the future (a clock set wrong) reads as 0 minutes ago; an item
// without a date shows no date.
QString dateText(const QDateTime &pubDate, const QDateTime &now);

// The key of an item's read state in "read_news": its date in milliseconds since the epoch,
// so the same post keeps its state when the feed is fetched again. An item without a date
// falls back to its link (empty, and then not stored, when it has neither).
QString itemId(const NewsRecord &item);

// The text with HTML tags removed; entities stay, for the rich-text label to render.
QString stripTags(const QString &html);

} // namespace newstexts
