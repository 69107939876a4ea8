#pragma once

#include "ui/newsrecord.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>

class IProgramSettings;
class NewsDate;
class NewsHeaderLabel;
class NewsImage;
class NewsText;
class SocialButton;
class QLabel;

namespace net {
class HttpConnection;
}

// One news card of the news tab: picture, title, text, date and visit icon. Opening the card
// shows its post in the browser; a card opened, or seen whole on screen, is remembered in
// "read_news" so it counts as read from then on (a card only seen still counts as unread
// until the next start, so the badge does not drop while the player scrolls).
class FeedItem : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(bool isRead READ isRead)
public:
    using SFeedItem = NewsRecord;

    FeedItem(const SFeedItem &item, IProgramSettings *settings, QWidget *parent = nullptr);

    bool isRead() const { return m_read; }
    QString id() const { return m_id; }

    // Runs on the image loader's thread: fetches and decodes the picture, which the card then
    // shows from the GUI thread. False when it could not be fetched or decoded (the card keeps
    // the style sheet's default picture).
    bool loadImage(net::HttpConnection &connection);
    // Adds the card's id to "read_news" and saves the settings, once per card and run.
    void markRead();
    // Shows the post in the browser (a press of the card, or Enter while it has the focus).
    void open();

    // What a screen reader says of the card: its title, then its text and date.
    QString title() const { return m_title; }
    QString summary() const;

signals:
    void readed();
    // The loaded picture is on screen (GUI thread).
    void pictureShown();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPicture(const QImage &picture);
    void fitPicture();
    void elideTexts();
    void restyle(QWidget *widget);

    IProgramSettings *m_settings;
    QString m_id;
    QUrl m_link;
    // Set before the card is queued for the image loader and never changed, so the loader
    // may read them.
    QUrl m_image;
    QSize m_pictureCover;
    QString m_title;
    QString m_description;
    QPixmap m_picture;
    bool m_read = false;
    bool m_viewed = false;

    NewsImage *m_imageLabel;
    NewsHeaderLabel *m_headerLabel;
    NewsText *m_textLabel;
    NewsDate *m_dateLabel;
    SocialButton *m_visitButton;
};
