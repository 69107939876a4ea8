#include "ui/launcherbackdrop.h"

#include "app/logger.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int RotationMs = 30000;
constexpr int SlideMs = 350;
// The next picture is only seen when the first slide starts: it is decoded once the window has
// been on screen a moment, so that the first frame does not wait for it.
constexpr int NextPictureDelayMs = 1000;
const QString FallbackPicture = QStringLiteral(":/splash");

} // namespace

namespace backdrop {

int scaledWidth(int pictureWidth, int pictureHeight, int windowHeight)
{
    const float ratio = pictureHeight == 0 ? 1.0f : float(pictureWidth) / float(pictureHeight);
    return int(float(windowHeight) * ratio);
}

int placeX(int wanted, int windowWidth, int scaledWidth)
{
    const int centred = (windowWidth - scaledWidth) / 2;
    return std::min(std::max(wanted, centred), std::abs(centred));
}

int nextIndex(int index, int count)
{
    return count > 0 ? (index + 1) % count : 0;
}

QString logoResource(const QString &language, bool highDpi)
{
    const bool russian = language == QLatin1String("ru") || language == QLatin1String("ru_RU");
    const QString name = russian ? QStringLiteral(":/logo") : QStringLiteral(":/logo_en");
    return highDpi ? name + QStringLiteral("@1.5x") : name;
}

double screenFactor(int screenHeight)
{
    return screenHeight >= 2160 ? 1.5 : 1.0;
}

} // namespace backdrop

LauncherBackdrop::LauncherBackdrop(QWidget *window, const QString &picturesFolder)
    : QWidget(window), m_window(window), m_folder(picturesFolder)
{
    setObjectName(QStringLiteral("backdrop"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, QColor(0, 0, 0));
    setPalette(black);

    const QStringList pictures = listPictures();
    if (!pictures.isEmpty())
        m_index = int(QRandomGenerator::global()->generate() % quint32(pictures.size()));
    m_currentPath = pictureAt(m_index);
    m_nextPath = pictureAt(backdrop::nextIndex(m_index, pictures.size()));
    m_current = QPixmap(m_currentPath);
    QTimer::singleShot(NextPictureDelayMs, this, &LauncherBackdrop::loadNextPicture);

    m_opacityAnimation = new QPropertyAnimation(this, "opacity", this);
    m_opacityAnimation->setEasingCurve(QEasingCurve::OutQuad);
    m_positionAnimation = new QPropertyAnimation(this, "position", this);
    m_positionAnimation->setDuration(SlideMs);
    m_positionAnimation->setEasingCurve(QEasingCurve::OutQuad);
    connect(m_positionAnimation, &QPropertyAnimation::finished, this,
            &LauncherBackdrop::_onBackgroundMoveComplete);

    m_timer.setInterval(RotationMs);
    connect(&m_timer, &QTimer::timeout, this, &LauncherBackdrop::showNextBackground);
}

QStringList LauncherBackdrop::listPictures() const
{
    // Files only: a folder on disk also lists "." and "..".
    return QDir(m_folder).entryList(QDir::Files);
}

QString LauncherBackdrop::pictureAt(int index) const
{
    const QStringList pictures = listPictures();
    if (pictures.isEmpty())
        return FallbackPicture;
    return QDir(m_folder).filePath(pictures.at(index % pictures.size()));
}

int LauncherBackdrop::position() const
{
    return m_position;
}

void LauncherBackdrop::layoutAt(int position)
{
    const int h = m_window->height();
    const int w = backdrop::scaledWidth(m_current.width(), m_current.height(), h);
    // The backdrop covers the whole window so that the black shows wherever no picture is.
    setGeometry(0, 0, m_window->width(), h);
    m_pictureSize = QSize(w, h);
    m_position = backdrop::placeX(position, m_window->width(), w);
    lower();
    update();
    emit changed();
}

void LauncherBackdrop::setOpacity(float opacity)
{
    m_opacity = opacity;
    update();
    emit changed();
}

void LauncherBackdrop::setPosition(int position)
{
    m_position = position;
    update();
    emit changed();
}

// The next picture, unless it is already there.
void LauncherBackdrop::loadNextPicture()
{
    if (m_next.isNull())
        m_next = QPixmap(m_nextPath);
}

// The pictures are painted here rather than by child widgets with opacity effects: widgets that
// overlap a child with a graphics effect are not reliably repainted over it.
void LauncherBackdrop::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect current(QPoint(m_position, 0), m_pictureSize);
    paintPicture(painter, m_current, current);
    paintPicture(painter, m_next, current.translated(m_pictureSize.width(), 0));
}

// A picture at the backdrop's opacity, its lower quarter fading into the black behind it.
void LauncherBackdrop::paintPicture(QPainter &painter, const QPixmap &picture, const QRect &area) const
{
    if (picture.isNull() || !area.intersects(rect()))
        return;
    painter.setOpacity(m_opacity);
    painter.drawPixmap(area, picture);
    painter.setOpacity(1.0);
    const int fadeTop = area.top() + area.height() * 3 / 4;
    QLinearGradient fade(0, fadeTop, 0, area.bottom() + 1);
    fade.setColorAt(0.0, Qt::transparent);
    fade.setColorAt(1.0, Qt::black);
    painter.fillRect(QRect(area.left(), fadeTop, area.width(), area.bottom() + 1 - fadeTop), fade);
}

void LauncherBackdrop::showNextBackground()
{
    Logger::instance().debug(QStringLiteral("showNextBackground"));
    loadNextPicture();
    m_positionAnimation->setStartValue(0);
    m_positionAnimation->setEndValue(-m_pictureSize.width());
    m_positionAnimation->start();
}

void LauncherBackdrop::_onBackgroundMoveComplete()
{
    std::swap(m_current, m_next);
    m_currentPath = m_nextPath;
    // The picture that slid in is now the current one, where the old one began.
    m_position += m_pictureSize.width();
    const QStringList pictures = listPictures();
    m_index = pictures.isEmpty() ? 0 : (m_index + 1) % pictures.size();
    m_nextPath = pictureAt(backdrop::nextIndex(m_index, pictures.size()));
    m_next = QPixmap(m_nextPath);
    update();
    emit changed();
}

void LauncherBackdrop::fadeOut()
{
    m_opacityAnimation->stop();
    m_opacityAnimation->setStartValue(m_opacity);
    m_opacityAnimation->setEndValue(0.0f);
    disconnect(m_hideWhenFaded);
    m_hideWhenFaded = connect(m_opacityAnimation, &QPropertyAnimation::finished, this, &QWidget::hide);
    m_opacityAnimation->start();
}

void LauncherBackdrop::showAgain()
{
    show();
    // A fade-out still under way must not hide the backdrop once it ends, even one that has not
    // lowered the opacity yet.
    disconnect(m_hideWhenFaded);
    m_opacityAnimation->stop();
    if (m_opacity >= 1.0f)
        return;
    m_opacityAnimation->setStartValue(m_opacity);
    m_opacityAnimation->setEndValue(1.0f);
    m_opacityAnimation->start();
}
