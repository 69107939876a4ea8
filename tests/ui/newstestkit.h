#pragma once

#include "tests/support/testhttpserver.h"
#include "ui/newsfeed.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QList>
#include <QObject>
#include <QScrollArea>
#include <QUrl>

class IProgramSettings;

// Stands in for the browser: registered for the schemes a card could open, it records every
// link handed to QDesktopServices, so no browser starts in a test.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// The news tab as the main window builds it: a scroll area over a grid of cards, fed by a
// NewsFeed whose items become cards that queue for their pictures.
class NewsTab
{
public:
    explicit NewsTab(IProgramSettings *settings);

    QList<FeedItem *> cards;
    QScrollArea scroll;
    QWidget *container;
    QGridLayout *grid;
    // Last, so it goes first and its threads end before the cards do.
    NewsFeed feed;
};

// The card's picture as a player sees it (null when it shows the style's default picture).
QImage shownPicture(const FeedItem *card);
// Writes a file, making its folder first.
bool writeFile(const QString &path, const QByteArray &data);
// An answer that keeps the client waiting for a minute before anything arrives: far longer than
// any test waits, so a test that ends sooner shows the client was stopped.
TestHttpServer::Response stalledResponse();
