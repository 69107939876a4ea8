#pragma once

#include "ui/styleddialog.h"

class QLabel;
class QPushButton;
class QTextEdit;

// The end-user agreement, with ACCEPT and REJECT. In accept mode closing it any other way than
// ACCEPT asks whether to leave the program.
class EulaDialog : public StyledDialog
{
    Q_OBJECT
public:
    EulaDialog(QWidget *parent, const QString &text, bool acceptMode);

    QPushButton *acceptButton() const { return m_accept; }
    QPushButton *rejectButton() const { return m_reject; }

protected:
    bool needsCloseConfirmation(QString &question) override;
    void retranslate() override;

private:
    QLabel *m_title;
    QTextEdit *m_document = nullptr;
    QPushButton *m_accept;
    QPushButton *m_reject;
    bool m_acceptMode;
};

// The agreement document under a resource prefix (":/eula/"): always the English one, whatever
// the interface language. Empty when it cannot be read.
QString loadDocument(const QString &prefix);

// Shows the agreement in accept mode; true only when the player accepted it. A missing
// document is reported and counts as refused.
bool showEulaDialog(QWidget *parent);
