#include "ui/localizeddialog.h"

#include <QEvent>

LocalizedDialog::LocalizedDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void LocalizedDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
