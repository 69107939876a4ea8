#include "tests/ui/xdriver.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace xdriver {

namespace {

QString run(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QRect geometry(const QString &window)
{
    int x = 0, y = 0, width = 0, height = 0;
    for (const QString &line : run({"getwindowgeometry", "--shell", window}).split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X=")))
            x = value.toInt();
        else if (line.startsWith(QLatin1String("Y=")))
            y = value.toInt();
        else if (line.startsWith(QLatin1String("WIDTH=")))
            width = value.toInt();
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            height = value.toInt();
    }
    return QRect(x, y, width, height);
}

template<typename Match> QRect waitFor(const QString &name, int timeoutMs, Match match)
{
    QElapsedTimer timer;
    timer.start();
    do {
        for (const QRect &window : windows(name)) {
            if (match(window))
                return window;
        }
        QThread::msleep(100);
    } while (!timer.hasExpired(timeoutMs));
    return QRect();
}

// The box's button row: 10 from the bottom edge of the row, 10 more of the box's margin.
int buttonRowCentre(const QRect &box)
{
    return box.bottom() - 10 - 10 - 16;
}

} // namespace

QList<QRect> windows(const QString &name)
{
    QList<QRect> found;
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$');
    for (const QString &window :
         run({"search", "--onlyvisible", "--name", pattern}).split(QLatin1Char('\n'))) {
        if (!window.trimmed().isEmpty())
            found.append(geometry(window.trimmed()));
    }
    return found;
}

QRect waitForWindow(const QString &name, const QSize &size, int timeoutMs)
{
    return waitFor(name, timeoutMs, [size](const QRect &window) { return window.size() == size; });
}

QRect waitForBoxSmallerThan(const QString &name, const QSize &size, int timeoutMs)
{
    return waitFor(name, timeoutMs, [size](const QRect &window) {
        return window.width() < size.width() && window.height() < size.height();
    });
}

bool click(const QPoint &screenPosition)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), {"mousemove", "--sync", QString::number(screenPosition.x()),
                                           QString::number(screenPosition.y()), "click", "1"});
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

bool key(const QString &keyName, int times)
{
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")};
    for (int i = 0; i < times; ++i)
        arguments.append(keyName);
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

QColor pixel(const QPoint &screenPosition)
{
    QProcess tool;
    tool.start(QStringLiteral("import"),
               {"-window", "root", "-crop",
                QStringLiteral("1x1+%1+%2").arg(screenPosition.x()).arg(screenPosition.y()), "-depth", "8",
                "rgb:-"});
    if (!tool.waitForFinished(20000))
        return QColor();
    const QByteArray rgb = tool.readAllStandardOutput();
    return rgb.size() == 3 ? QColor(quint8(rgb[0]), quint8(rgb[1]), quint8(rgb[2])) : QColor();
}

bool waitForFocus(const QString &name, const QSize &size, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    do {
        const QString focused = run({"getwindowfocus"}).trimmed();
        if (!focused.isEmpty() && run({"getwindowname", focused}).trimmed() == name &&
            geometry(focused).size() == size)
            return true;
        QThread::msleep(100);
    } while (!timer.hasExpired(timeoutMs));
    return false;
}

bool waitForWindowGone(const QString &name, const QSize &size, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    auto present = [&] {
        for (const QRect &window : windows(name)) {
            if (window.size() == size)
                return true;
        }
        return false;
    };
    while (present()) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(100);
    }
    return true;
}

QPoint yesButtonOfQuestion(const QRect &box)
{
    return QPoint(box.center().x() - 10 - 62, buttonRowCentre(box));
}

QPoint noButtonOfQuestion(const QRect &box)
{
    return QPoint(box.center().x() + 10 + 62, buttonRowCentre(box));
}

} // namespace xdriver
