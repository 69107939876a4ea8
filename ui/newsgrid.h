#pragma once

#include "ui/feeditem.h"

class QGridLayout;

// The news tab's grid of cards, four to a row, as the main window fills it.
namespace newsgrid {

constexpr int Columns = 4;

// Builds the card for item over container and adds it after the cards already there; the
// container grows to hold every row (width fixed to the window's).
FeedItem *appendCard(QGridLayout *grid, QWidget *container, int width, const FeedItem::SFeedItem &item,
                     IProgramSettings *settings);

// The cards of the grid that are not read.
int unreadCount(const QGridLayout *grid);

} // namespace newsgrid
