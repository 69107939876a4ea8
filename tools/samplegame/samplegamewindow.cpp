#include "samplegamewindow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

SampleGameWindow::SampleGameWindow(const QString &version, const QStringList &arguments, QWidget *parent)
    : QWidget(parent), m_version(version), m_arguments(arguments)
{
    setWindowTitle(QStringLiteral("Glimmerdeep"));
    setFixedSize(960, 540);
}

void SampleGameWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient depth(0, 0, 0, height());
    depth.setColorAt(0, QColor(12, 22, 38));
    depth.setColorAt(1, QColor(4, 6, 10));
    painter.fillRect(rect(), depth);

    QRadialGradient glow(QPointF(width() * 0.5, height() * 0.42), width() * 0.45);
    glow.setColorAt(0, QColor(90, 200, 210, 90));
    glow.setColorAt(1, QColor(90, 200, 210, 0));
    painter.fillRect(rect(), glow);

    QFont title(QStringLiteral("Open Sans"), 48, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(241, 232, 217));
    painter.drawText(QRect(0, 120, width(), 90), Qt::AlignCenter, QStringLiteral("Glimmerdeep"));

    QFont line(QStringLiteral("Open Sans"), 16);
    painter.setFont(line);
    painter.setPen(QColor(200, 214, 63));
    painter.drawText(QRect(0, 230, width(), 40), Qt::AlignCenter,
                     QStringLiteral("Version %1").arg(m_version));
    painter.setPen(QColor(206, 204, 204));
    const QString shown =
        m_arguments.isEmpty() ? QStringLiteral("(no arguments)") : m_arguments.join(QLatin1Char(' '));
    painter.drawText(QRect(40, 290, width() - 80, 80), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Started with: %1").arg(shown));
}
