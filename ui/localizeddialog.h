#pragma once

#include <QDialog>

// The base of every dialog: re-applies its texts when the interface language changes, so an
// open dialog follows a language picked in the settings at once.
class LocalizedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LocalizedDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

protected:
    // Sets every text the dialog shows; called on each language change.
    virtual void retranslate() {}
    void changeEvent(QEvent *event) override;
};
