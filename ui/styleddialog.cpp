#include "ui/styleddialog.h"

#include "app/tr.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/widgetblock.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace {
QWidget *firstTabStop(QWidget *window)
{
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return w;
    }
    return window;
}

// Between the window's edge and the pictures, and between the two pictures.
constexpr int SystemButtonMargin = 12;
// The 18-pixel pictures sit centred in larger targets (the style sheet's size); the targets
// reach into the margins so the pictures stay where they were.
constexpr int SystemGlyph = 18;
} // namespace

StyledDialog::StyledDialog(QWidget *parent)
    : LocalizedDialog(parent), m_close(new SystemButton(this)), m_fold(new SystemButton(this)),
      m_block(new WidgetBlock(this))
{
    m_close->setObjectName(QStringLiteral("close"));
    m_fold->setObjectName(QStringLiteral("fold"));
    for (SystemButton *button : {m_close, m_fold}) {
        button->setCursor(Qt::PointingHandCursor);
        // Never the dialog's default button: Enter reaches them only while they have the focus.
        button->setAutoDefault(false);
        // Reached by Tab, after the dialog's own controls; a click leaves the focus where it was.
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_close, &SystemButton::clicked, this, &StyledDialog::reject);
    connect(m_fold, &SystemButton::clicked, this, &StyledDialog::minimize);
    nameSystemButtons();
}

void StyledDialog::nameSystemButtons()
{
    m_close->setAccessibleName(TR::tr("WindowClose"));
    m_fold->setAccessibleName(TR::tr("WindowMinimize"));
}

void StyledDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameSystemButtons();
    LocalizedDialog::changeEvent(event);
}

void StyledDialog::showEvent(QShowEvent *event)
{
    // The window buttons come after the dialog's own controls, which exist only now.
    if (!m_systemButtonsLast) {
        m_systemButtonsLast = true;
        QWidget *last = previousInFocusChain();
        if (last != m_close && last != m_fold) {
            setTabOrder(last, m_fold);
            setTabOrder(m_fold, m_close);
        }
    }
    // Without a focused control (its window was not active), the parent's window gets it back.
    QWidget *focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() != this)
        m_opener = focus;
    else if (parentWidget() != nullptr)
        m_opener = parentWidget()->window();
    LocalizedDialog::showEvent(event);
}

void StyledDialog::hideEvent(QHideEvent *event)
{
    LocalizedDialog::hideEvent(event);
    QWidget *opener = m_opener;
    m_opener = nullptr;
    if (opener == nullptr || isMinimized())
        return;
    // Later, once the closing is over: a dialog that closes its own parent right after (a
    // message box the check dialog shows as it ends) leaves the focus to the parent's opener.
    QTimer::singleShot(0, opener, [opener] {
        QWidget *window = opener->window();
        const QWidget *modal = QApplication::activeModalWidget();
        if (!window->isVisible() || (modal != nullptr && modal != window))
            return;
        window->activateWindow();
        if (opener != window && opener->isVisible() && opener->isEnabled())
            opener->setFocus(Qt::OtherFocusReason);
        else if (window->focusWidget() == nullptr || !window->focusWidget()->isVisible())
            firstTabStop(window)->setFocus(Qt::TabFocusReason);
    });
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
    const int inset = std::max(0, (m_close->width() - SystemGlyph) / 2);
    const int edge = SystemButtonMargin - inset;
    m_close->move(width() - m_close->width() - edge, edge);
    m_fold->move(m_close->x() - m_fold->width() - SystemButtonMargin + 2 * inset, edge);
    m_close->raise();
    m_fold->raise();
}

void StyledDialog::minimize()
{
    showMinimized();
}
