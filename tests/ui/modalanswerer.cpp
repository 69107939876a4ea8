#include "tests/ui/modalanswerer.h"

#include "ui/styledmessagebox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

ModalAnswerer::ModalAnswerer()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::poll()
{
    auto *box = qobject_cast<StyledMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || m_answers.isEmpty())
        return;
    if (box != m_current) {
        m_current = box;
        // The body is the label that does not repeat the title.
        QString body;
        for (QLabel *label : box->findChildren<QLabel *>()) {
            if (!label->text().isEmpty() && label->text() != box->windowTitle() &&
                !label->text().contains(QChar(0x2026)))
                body = label->text();
        }
        texts.append(body);
        QStringList names;
        for (int code : {StyledMessageBox::Ok, StyledMessageBox::Yes, StyledMessageBox::No}) {
            if (QPushButton *button = box->button(code))
                names.append(button->text());
        }
        buttons.append(names.join(QLatin1Char('|')));
    }
    QPushButton *button = box->button(m_answers.first());
    if (!button)
        return;
    m_answers.removeFirst();
    const QString text = texts.last();
    button->click();
    emit answered(text);
}
