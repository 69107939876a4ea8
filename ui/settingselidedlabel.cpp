#include "ui/settingselidedlabel.h"

#include <QAccessible>
#include <QPainter>
#include <QTextLayout>

SettingsElidedLabel::SettingsElidedLabel(QWidget *parent) : QFrame(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SettingsElidedLabel::setText(const QString &text)
{
    m_text = text;
    const QFontMetrics metrics = fontMetrics();
    // Room for one whole line and the elided one below it.
    setMinimumHeight(metrics.boundingRect(text).height() + metrics.lineSpacing());
    update();
    // The text is painted, not a label's: screen readers learn of a new one from this.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void SettingsElidedLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineSpacing = metrics.lineSpacing();
    // Explicit line breaks of the text end a line of the layout too.
    QString text = m_text;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    bool elided = false;
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        if (height() < y + 2 * lineSpacing) {
            const QString rest = text.mid(line.textStart()).replace(QChar::LineSeparator, QLatin1Char(' '));
            painter.drawText(QPoint(0, y + metrics.ascent()),
                             metrics.elidedText(rest, Qt::ElideRight, width()));
            elided = layout.createLine().isValid();
            break;
        }
        line.draw(&painter, QPoint(0, y));
        y += lineSpacing;
    }
    layout.endLayout();

    if (elided != m_elided) {
        m_elided = elided;
        emit elisionChanged(elided);
    }
}
