#pragma once

#include <QMetaObject>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QPainter;
class QPropertyAnimation;

// The main window's backdrop: a black, full-window container behind everything, holding the
// current and the next background picture. Every 30 s the pictures slide left to the next one;
// on the news tab the backdrop fades out. After each change of picture, position or opacity it
// emits changed(), so the header can rebuild its blurred copy.
class LauncherBackdrop : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(int position READ position WRITE setPosition)
public:
    // The pictures are the files of picturesFolder in name order, starting at a random one.
    explicit LauncherBackdrop(QWidget *window,
                              const QString &picturesFolder = QStringLiteral(":/backgrounds/"));

    float opacity() const { return m_opacity; }
    int position() const;
    QString currentPicture() const { return m_currentPath; }
    QString nextPicture() const { return m_nextPath; }

    // Fits the pictures to the window's height and places them at x = position, kept within the
    // range that never shows black beside a picture wider than the window.
    void layoutAt(int position);
    // The news tab: fade to black, then hide.
    void fadeOut();
    // Any other tab: show again, fading in when it was (partly) faded.
    void showAgain();
    void startRotation() { m_timer.start(); }

signals:
    void changed();

public slots:
    void showNextBackground();
    void setOpacity(float opacity);
    void setPosition(int position);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void _onBackgroundMoveComplete();

private:
    QStringList listPictures() const;
    QString pictureAt(int index) const;
    void loadNextPicture();
    void paintPicture(QPainter &painter, const QPixmap &picture, const QRect &area) const;

    QWidget *m_window;
    QString m_folder;
    int m_index = 0;
    float m_opacity = 1.0f;
    int m_position = 0;
    QSize m_pictureSize;
    QString m_currentPath;
    QString m_nextPath;
    QPixmap m_current;
    QPixmap m_next;
    QPropertyAnimation *m_opacityAnimation;
    QPropertyAnimation *m_positionAnimation;
    QMetaObject::Connection m_hideWhenFaded;
    QTimer m_timer;
};

// The arithmetic of the backdrop and the screens, over plain values.
namespace backdrop {
// The picture's width when it is scaled to the window's height.
int scaledWidth(int pictureWidth, int pictureHeight, int windowHeight);
// Where a picture this wide is placed for a wanted x: centred when narrower than the window,
// otherwise shifted at most to either edge.
int placeX(int wanted, int windowWidth, int scaledWidth);
// The picture after index in a list of count pictures.
int nextIndex(int index, int count);
// The logo resource for a language; highDpi selects the 1.5x drawing.
QString logoResource(const QString &language, bool highDpi);
// The scale factor the launcher gives a screen of this height (large screens get 1.5).
double screenFactor(int screenHeight);
} // namespace backdrop
