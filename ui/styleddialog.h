#pragma once

#include "ui/localizeddialog.h"

#include <QPoint>
#include <QPointer>

class SystemButton;
class WidgetBlock;

// The frameless dark dialog every launcher window is built on: its own close and minimise
// buttons, dragging by any empty area, a dimming overlay while a child dialog is open, and a
// close confirmation each dialog can ask for. Subclasses set Qt::Dialog | FramelessWindowHint.
class StyledDialog : public LocalizedDialog
{
    Q_OBJECT
public:
    explicit StyledDialog(QWidget *parent = nullptr);

    SystemButton *closeButton() const { return m_close; }
    SystemButton *foldButton() const { return m_fold; }
    WidgetBlock *blockOverlay() const { return m_block; }

public slots:
    // The close button, Escape and the system close all come here.
    void reject() override;

protected:
    // Whether closing must be confirmed; may fill in the question (empty: the exit warning).
    virtual bool needsCloseConfirmation(QString &question);
    // What a confirmed close does.
    virtual void closeAction();

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The control that had the focus when the dialog opened gets it back when it closes.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    void placeSystemButtons();

private slots:
    void minimize();

private:
    void nameSystemButtons();

    SystemButton *m_close;
    SystemButton *m_fold;
    WidgetBlock *m_block;
    QPointer<QWidget> m_opener;
    bool m_systemButtonsLast = false;
    QPoint m_pressPosition;
    bool m_dragging = false;
};
