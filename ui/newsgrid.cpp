#include "ui/newsgrid.h"

#include <QGridLayout>

namespace newsgrid {

FeedItem *appendCard(QGridLayout *grid, QWidget *container, int width, const FeedItem::SFeedItem &item,
                     IProgramSettings *settings)
{
    const int index = grid->count();
    auto *card = new FeedItem(item, settings, container);
    grid->addWidget(card, index / Columns, index % Columns);
    // Shown now rather than by the layout's deferred call, which would show every card that
    // arrived meanwhile in one go.
    card->show();
    container->setMinimumSize(width, card->sizeHint().height() * (index / Columns + 1));
    return card;
}

int unreadCount(const QGridLayout *grid)
{
    int unread = 0;
    for (int i = 0; i < grid->count(); ++i) {
        const auto *card = qobject_cast<const FeedItem *>(grid->itemAt(i)->widget());
        if (card && !card->isRead())
            ++unread;
    }
    return unread;
}

} // namespace newsgrid
