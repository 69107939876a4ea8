#include "ui/styleddialog.h"

#include "app/tr.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/widgetblock.h"

#include <QEvent>
#include <QMouseEvent>

namespace {
constexpr int SystemButtonMargin = 12;
} // namespace

StyledDialog::StyledDialog(QWidget *parent)
    : LocalizedDialog(parent), m_close(new SystemButton(this)), m_fold(new SystemButton(this)),
      m_block(new WidgetBlock(this))
{
    m_close->setObjectName(QStringLiteral("close"));
    m_fold->setObjectName(QStringLiteral("fold"));
    for (SystemButton *button : {m_close, m_fold}) {
        button->setCursor(Qt::PointingHandCursor);
        // Enter must reach the dialog's default button, never a window button.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_close, &SystemButton::clicked, this, &StyledDialog::reject);
    connect(m_fold, &SystemButton::clicked, this, &StyledDialog::minimize);
}

bool StyledDialog::needsCloseConfirmation(QString &)
{
    return false;
}

void StyledDialog::closeAction()
{
    QDialog::reject();
}

void StyledDialog::reject()
{
    QString question;
    if (!needsCloseConfirmation(question)) {
        closeAction();
        return;
    }
    if (question.isEmpty())
        question = TR::tr("ExitWarning");
    if (askYesNo(this, TR::tr("ProductName"), question))
        closeAction();
}

bool StyledDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowBlocked && isVisible())
        m_block->showBlock();
    else if (event->type() == QEvent::WindowUnblocked)
        m_block->hideBlock();
    return LocalizedDialog::event(event);
}

void StyledDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->pos();
        m_dragging = true;
    }
    LocalizedDialog::mousePressEvent(event);
}

void StyledDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(pos() + (event->pos() - m_pressPosition));
    LocalizedDialog::mouseMoveEvent(event);
}

void StyledDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    LocalizedDialog::mouseReleaseEvent(event);
}

void StyledDialog::resizeEvent(QResizeEvent *event)
{
    LocalizedDialog::resizeEvent(event);
    placeSystemButtons();
}

void StyledDialog::placeSystemButtons()
{
    // The buttons sit outside any layout; the style sheet decides their size.
    m_close->resize(m_close->sizeHint());
    m_fold->resize(m_fold->sizeHint());
    m_close->move(width() - m_close->width() - SystemButtonMargin, SystemButtonMargin);
    m_fold->move(m_close->x() - m_fold->width() - SystemButtonMargin, SystemButtonMargin);
    m_close->raise();
    m_fold->raise();
}

void StyledDialog::minimize()
{
    showMinimized();
}
