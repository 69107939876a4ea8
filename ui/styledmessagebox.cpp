#include "ui/styledmessagebox.h"

#include "app/tr.h"
#include "ui/basebutton.h"
#include "ui/systembutton.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <numeric>

namespace {
constexpr int DialogSideMargins = 40;
constexpr int ButtonAllowance = 20;
constexpr int TitleAllowance = 24;

int availableScreenWidth(const QWidget *parent)
{
    const QScreen *screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().width() : 1024;
}
} // namespace

namespace messagebox {

int maximumBodyWidth(int availableWidth)
{
    return availableWidth > 1024 ? std::min(availableWidth - 480, 1000) : availableWidth;
}

int targetBodyWidth(int availableWidth)
{
    return std::min(availableWidth / 2, 500);
}

bool wrapsBody(int availableWidth, int naturalWidth)
{
    return naturalWidth > targetBodyWidth(availableWidth);
}

int bodyWidth(int availableWidth, int naturalWidth, int wrappedHintWidth)
{
    if (!wrapsBody(availableWidth, naturalWidth))
        return naturalWidth;
    return std::min(std::max(targetBodyWidth(availableWidth), wrappedHintWidth),
                    maximumBodyWidth(availableWidth));
}

int bodyWidthWithButtons(int bodyWidth, const QList<int> &buttonHintWidths)
{
    const int row = std::accumulate(buttonHintWidths.begin(), buttonHintWidths.end(), 0) +
                    ButtonAllowance * buttonHintWidths.size();
    return std::max(bodyWidth, row);
}

int titleWidth(int labelWidth, int foldWidth, int closeWidth)
{
    return labelWidth - foldWidth - closeWidth - TitleAllowance;
}

} // namespace messagebox

StyledMessageBox::StyledMessageBox(const QString &title, const QString &text, int buttons, QWidget *parent)
    : StyledDialog(parent), m_title(title), m_titleLabel(new QLabel(this)),
      m_bodyLabel(new QLabel(text, this))
{
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_titleLabel->setObjectName(QStringLiteral("title"));
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_bodyLabel->setObjectName(QStringLiteral("body"));
    m_bodyLabel->setAlignment(Qt::AlignCenter);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 12, 20, 10);
    column->setSpacing(10);
    column->addWidget(m_titleLabel);
    column->addSpacing(10);
    column->addWidget(m_bodyLabel, 0, Qt::AlignHCenter);

    if (buttons & Ok)
        addButton(Ok, TR::tr("DlgBtnOK"));
    if (buttons & Yes)
        addButton(Yes, TR::tr("BtnYes"));
    if (buttons & No)
        addButton(No, TR::tr("BtnNo"));
    auto *row = new QHBoxLayout;
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(20);
    row->addStretch();
    for (QPushButton *button : qAsConst(m_buttonOrder))
        row->addWidget(button);
    row->addStretch();
    column->addLayout(row);

    fitBodyToScreenWidth(availableScreenWidth(parent));
    elideTitle();
}

void StyledMessageBox::addButton(int code, const QString &text)
{
    auto *button = new BaseButton(text, this);
    // Enter always presses the default button, whichever button holds the focus.
    button->setAutoDefault(false);
    if (code == Ok || code == No) {
        button->setDefault(true);
        button->setFocus();
    }
    connect(button, &QPushButton::clicked, this, &StyledMessageBox::onButtonClicked);
    m_buttons.insert(code, button);
    m_buttonOrder.append(button);
}

void StyledMessageBox::fitBodyToScreenWidth(int availableWidth)
{
    m_bodyLabel->setWordWrap(false);
    const int natural = m_bodyLabel->sizeHint().width();
    int wrapped = natural;
    if (messagebox::wrapsBody(availableWidth, natural)) {
        m_bodyLabel->setWordWrap(true);
        wrapped = m_bodyLabel->sizeHint().width();
    }
    m_bodyWidth = messagebox::bodyWidth(availableWidth, natural, wrapped);
    applyBodyWidth(m_bodyWidth);
}

void StyledMessageBox::applyBodyWidth(int width)
{
    m_bodyLabel->setFixedWidth(width);
    setFixedWidth(width + DialogSideMargins);
}

int StyledMessageBox::exec()
{
    QList<int> hints;
    for (const QPushButton *button : qAsConst(m_buttonOrder))
        hints.append(button->sizeHint().width());
    m_bodyWidth = messagebox::bodyWidthWithButtons(m_bodyWidth, hints);
    applyBodyWidth(m_bodyWidth);
    elideTitle();
    return StyledDialog::exec();
}

void StyledMessageBox::onButtonClicked()
{
    const auto *clicked = qobject_cast<QPushButton *>(sender());
    const int code = m_buttons.key(const_cast<QPushButton *>(clicked), 0);
    if (code != 0)
        done(code);
}

void StyledMessageBox::resizeEvent(QResizeEvent *event)
{
    StyledDialog::resizeEvent(event);
    elideTitle();
}

void StyledMessageBox::elideTitle()
{
    const int width =
        messagebox::titleWidth(m_titleLabel->width(), foldButton()->width(), closeButton()->width());
    m_titleLabel->setText(
        m_titleLabel->fontMetrics().elidedText(m_title, Qt::ElideRight, std::max(width, 0)));
}

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new StyledMessageBox(title, text, StyledMessageBox::Ok, parent);
    box->exec();
    box->deleteLater();
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text, const QString &yesText,
              const QString &noText)
{
    auto *box = new StyledMessageBox(title, text, StyledMessageBox::Yes | StyledMessageBox::No, parent);
    if (!yesText.isEmpty())
        box->button(StyledMessageBox::Yes)->setText(yesText);
    if (!noText.isEmpty())
        box->button(StyledMessageBox::No)->setText(noText);
    const bool yes = box->exec() == StyledMessageBox::Yes;
    box->deleteLater();
    return yes;
}
