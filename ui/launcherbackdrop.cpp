#include "ui/launcherbackdrop.h"

#include "app/logger.h"

#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLinearGradient>
#include <QPixmap>
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
    m_current = createPictureLabel(m_currentPath, &m_currentEffect);
    m_next = createPictureLabel(QString(), &m_nextEffect);
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

QLabel *LauncherBackdrop::createPictureLabel(const QString &path, QGraphicsOpacityEffect **effect)
{
    auto *label = new QLabel(this);
    label->setScaledContents(true);
    if (!path.isEmpty())
        label->setPixmap(QPixmap(path));
    *effect = new QGraphicsOpacityEffect(label);
    (*effect)->setOpacity(1.0);
    label->setGraphicsEffect(*effect);
    return label;
}

// The lower quarter of each picture fades into the black behind it.
void LauncherBackdrop::setFadeMask(QGraphicsOpacityEffect *effect, int height)
{
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(0.75, Qt::white);
    gradient.setColorAt(1.0, Qt::transparent);
    effect->setOpacityMask(gradient);
}

int LauncherBackdrop::position() const
{
    return m_current->x();
}

void LauncherBackdrop::layoutAt(int position)
{
    const QPixmap picture = m_current->pixmap(Qt::ReturnByValue);
    const int h = m_window->height();
    const int w = backdrop::scaledWidth(picture.width(), picture.height(), h);
    const int x = backdrop::placeX(position, m_window->width(), w);
    // The container covers the whole window so that the black shows wherever no picture is.
    setGeometry(0, 0, m_window->width(), h);
    m_current->setGeometry(x, 0, w, h);
    m_next->setGeometry(x + w, 0, w, h);
    setFadeMask(m_currentEffect, h);
    setFadeMask(m_nextEffect, h);
    lower();
    emit changed();
}

void LauncherBackdrop::setOpacity(float opacity)
{
    m_opacity = opacity;
    m_currentEffect->setOpacity(opacity);
    m_nextEffect->setOpacity(opacity);
    emit changed();
}

void LauncherBackdrop::setPosition(int position)
{
    const QSize size = m_current->size();
    m_current->setGeometry(position, 0, size.width(), size.height());
    m_next->setGeometry(position + size.width(), 0, size.width(), size.height());
    emit changed();
}

// The next picture, unless it is already there.
void LauncherBackdrop::loadNextPicture()
{
    if (m_next->pixmap(Qt::ReturnByValue).isNull())
        m_next->setPixmap(QPixmap(m_nextPath));
}

void LauncherBackdrop::showNextBackground()
{
    Logger::instance().debug(QStringLiteral("showNextBackground"));
    loadNextPicture();
    m_positionAnimation->setStartValue(0);
    m_positionAnimation->setEndValue(-m_current->width());
    m_positionAnimation->start();
}

void LauncherBackdrop::_onBackgroundMoveComplete()
{
    std::swap(m_current, m_next);
    std::swap(m_currentEffect, m_nextEffect);
    m_currentPath = m_nextPath;
    const QSize size = m_current->size();
    m_next->setGeometry(size.width(), 0, size.width(), size.height());
    const QStringList pictures = listPictures();
    m_index = pictures.isEmpty() ? 0 : (m_index + 1) % pictures.size();
    m_nextPath = pictureAt(backdrop::nextIndex(m_index, pictures.size()));
    m_next->setPixmap(QPixmap(m_nextPath));
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
