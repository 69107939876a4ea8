#include "ui/launcherscreens.h"

#include "app/logger.h"
#include "ui/launcherbackdrop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

namespace {

void logInfo(const QString &text)
{
    Logger::instance().info(text);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}

QString sizeText(const QSizeF &size)
{
    QString text;
    QTextStream(&text) << size.width() << 'x' << size.height();
    return text;
}

QScreen *screenOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->screen() : nullptr;
}

} // namespace

void LauncherScreens::setUp(const QWidget *window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    logInfo(QStringLiteral("Total screens: ") + QString::number(screens.size()));
    const QScreen *own = screenOf(window);
    for (QScreen *screen : screens) {
        logDetails(screen);
        logInfo(QStringLiteral("Primary screen: ") + yesNo(screen == QGuiApplication::primaryScreen()));
        if (own)
            logInfo(QStringLiteral("Widget screen: ") + yesNo(screen == own));
        else
            logInfo(QStringLiteral("Widget screen: NULL"));
        const double factor = backdrop::screenFactor(screen->geometry().height());
        m_factors.insert(screen, factor);
        QHighDpiScaling::setScreenFactor(screen, factor);
        logInfo(QStringLiteral("Screen factor: ") + QString::number(factor));
    }
}

bool LauncherScreens::follow(const QWidget *window)
{
    QScreen *current = screenOf(window);
    if (!current || current == m_screen)
        return false;
    m_screen = current;
    m_highDpi = m_factors.value(current, 1.0) > 1.0;
    return true;
}

void LauncherScreens::logDetails(const QScreen *screen)
{
    logInfo(QStringLiteral("Screen model: ") + screen->manufacturer() + QStringLiteral(" - ") +
            screen->model() + QStringLiteral(" - ") + screen->serialNumber());
    logInfo(QStringLiteral("Screen devicePixelRatio: ") + QString::number(screen->devicePixelRatio()));
    logInfo(QStringLiteral("Screen physicalDotsPerInch: ") + QString::number(screen->physicalDotsPerInch()));
    logInfo(QStringLiteral("Screen logicalDotsPerInch: ") + QString::number(screen->logicalDotsPerInch()));
    logInfo(QStringLiteral("Screen size: ") + sizeText(screen->geometry().size()));
    logInfo(QStringLiteral("Screen size physical: ") + sizeText(screen->physicalSize()));
    logInfo(QStringLiteral("Screen size virtual: ") + sizeText(screen->virtualGeometry().size()));
}
