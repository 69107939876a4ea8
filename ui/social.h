#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

// The game's pages on the maker's web site and on social networks, opened in the system
// browser. Links come from the deployment configuration; an empty link opens nothing.
class Social : public QObject
{
    Q_OBJECT
public:
    static Social &instance();

    // The link of a page by its name ("home", "forum", "facebook", ...); empty when it has none.
    static QString link(const QString &page);
    // Only web pages are handed to the system: a link to a file or a program never is.
    static bool isOpenable(const QUrl &url);

public slots:
    void openHome();
    void openForum();
    void openFB();
    void openVK();
    void openOK();
    void openYoutube();
    void openTwitter();
    void openDiscord();
    void openInstagram();
    void openTwitch();
    void openLine();

private:
    Social() = default;
    void open(const QString &page);
};
