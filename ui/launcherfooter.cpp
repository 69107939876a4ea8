#include "ui/launcherfooter.h"

#include "app/tr.h"
#include "platform/taskbarprogress.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedLayout>
#include <QWindow>

namespace {
constexpr int ProgressSteps = 1000000;
constexpr int TextStretch = 132;
} // namespace

LauncherFooter::LauncherFooter(QWidget *parent)
    : QFrame(parent), m_taskbar(new platform::TaskbarProgress(this)), m_bar(new QProgressBar(this)),
      m_detail(new QLabel(this)), m_status(new QLabel(this)), m_pause(new QPushButton(this)),
      m_resume(new QPushButton(this))
{
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_detail->setObjectName(QStringLiteral("progress"));
    m_detail->setAlignment(Qt::AlignCenter);
    m_status->setObjectName(QStringLiteral("status"));
    m_pause->setObjectName(QStringLiteral("pause"));
    m_resume->setObjectName(QStringLiteral("resume"));
    for (QPushButton *button : {m_pause, m_resume})
        button->setCursor(Qt::PointingHandCursor);
    connect(m_pause, &QPushButton::clicked, this, &LauncherFooter::pause);
    connect(m_resume, &QPushButton::clicked, this, &LauncherFooter::resume);

    m_textArea = createTextArea();
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch();
    column->addWidget(m_textArea);
    column->addWidget(m_bar);

    m_taskbar->setRange(0, 0);
    m_taskbar->setPaused(false);
    nameControls();
}

void LauncherFooter::nameControls()
{
    m_pause->setAccessibleName(TR::tr("DownloadPause"));
    m_resume->setAccessibleName(TR::tr("DownloadResume"));
    m_bar->setAccessibleName(TR::tr("UpdateProgress"));
}

void LauncherFooter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameControls();
    QFrame::changeEvent(event);
}

void LauncherFooter::announce(const QString &text)
{
    // Setting a new name is what screen readers are told of.
    if (text != accessibleName())
        setAccessibleName(text);
}

QWidget *LauncherFooter::createTextArea()
{
    auto *area = new QWidget(this);
    m_pauseControls = new QWidget(area);
    m_pauseStack = new QStackedLayout(m_pauseControls);
    m_pauseStack->addWidget(m_pause);
    m_pauseStack->addWidget(m_resume);
    m_pauseStack->setCurrentWidget(m_pause);
    // As wide as a button, so the row's stretches keep the controls beside the status.
    m_pauseControls->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pauseControls->hide();

    auto *statusRow = new QHBoxLayout;
    // 12 pixels from the 22-pixel pause picture, which sits centred in a larger target.
    statusRow->setSpacing(10);
    statusRow->addStretch();
    statusRow->addWidget(m_pauseControls);
    statusRow->addWidget(m_status);
    statusRow->addStretch();

    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addSpacing(20);
    column->addLayout(statusRow, TextStretch);
    column->addSpacing(14);
    column->addWidget(m_detail, TextStretch);
    column->addSpacing(28);
    return area;
}

void LauncherFooter::setProgressVisible(bool visible)
{
    if (visible == m_progressVisible)
        return;
    m_progressVisible = visible;
    m_taskbar->setVisible(visible);
    m_bar->setVisible(visible);
    m_status->setVisible(visible);
    m_detail->setVisible(visible);
    if (visible)
        adjustSize();
}

void LauncherFooter::setPauseVisible(bool visible)
{
    if (visible == m_pauseVisible)
        return;
    m_pauseVisible = visible;
    m_pauseControls->setVisible(visible);
}

void LauncherFooter::setIndeterminate(bool indeterminate)
{
    if (indeterminate == m_indeterminate)
        return;
    m_indeterminate = indeterminate;
    const int maximum = indeterminate ? 0 : ProgressSteps;
    m_bar->setRange(0, maximum);
    m_taskbar->setRange(0, maximum);
}

void LauncherFooter::setPaused(bool paused)
{
    // A pause the player cannot see (no pause controls) would leave no way to resume.
    if (paused && !m_pauseVisible)
        return;
    // The button that is shown instead keeps the focus where the player had it.
    const bool focused = m_pause->hasFocus() || m_resume->hasFocus();
    QPushButton *shown = paused ? m_resume : m_pause;
    m_pauseStack->setCurrentWidget(shown);
    if (focused)
        shown->setFocus(Qt::OtherFocusReason);
    m_taskbar->setPaused(paused);
    announce(paused ? TR::tr("DownloadPaused") : m_status->text());
}

void LauncherFooter::setNewsMode(bool news)
{
    m_textArea->setVisible(!news);
    setAttribute(Qt::WA_TransparentForMouseEvents, news);
}

void LauncherFooter::setStatus(const QString &status, const QString &detail)
{
    m_status->setText(status);
    m_detail->setText(detail);
    QString words = status;
    words.remove(QRegularExpression(QStringLiteral("[\\d.,%]")));
    if (words != m_statusWords) {
        m_statusWords = words;
        announce(status);
    }
}

void LauncherFooter::setProgressValue(int value)
{
    m_bar->setValue(value);
    m_taskbar->setValue(value);
}

void LauncherFooter::setTaskbarWindow(QWindow *window)
{
    if (window == m_window)
        return;
    m_window = window;
    m_taskbar->attachWindow(window != nullptr ? window->winId() : 0);
}
