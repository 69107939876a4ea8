#include "ui/taskprogressdialog.h"

#include "app/tr.h"
#include "ui/basebutton.h"
#include "ui/settingselidedlabel.h"

#include <QProgressBar>
#include <QVBoxLayout>

TaskProgressDialog::TaskProgressDialog(Qt::Alignment cancelAlignment, QWidget *parent)
    : StyledDialog(parent), m_title(new SettingsElidedLabel(this)), m_progress(new QProgressBar(this)),
      m_status(new SettingsElidedLabel(this)), m_cancel(new BaseButton(QString(), this))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_title->setObjectName(QStringLiteral("title"));
    m_status->setObjectName(QStringLiteral("status"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_progress->setTextVisible(false);
    m_cancel->setCursor(Qt::PointingHandCursor);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 20);
    layout->setSpacing(10);
    layout->addWidget(m_title);
    layout->addSpacing(10);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addStretch(1);
    layout->addWidget(m_cancel, 0, cancelAlignment);
    connect(m_cancel, &QPushButton::clicked, this, &TaskProgressDialog::reject);
    setFixedSize(450, 190);
}

void TaskProgressDialog::showProgress(int processed, int total)
{
    if (total != m_progress->maximum())
        m_progress->setRange(0, total == 1 ? 0 : total);
    m_progress->setValue(processed);
}

void TaskProgressDialog::setHeading(const QString &text)
{
    m_title->setText(text);
    setWindowTitle(text);
    m_progress->setAccessibleName(text);
}

void TaskProgressDialog::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString TaskProgressDialog::barText() const
{
    return m_progress->text();
}

void TaskProgressDialog::retranslate()
{
    m_cancel->setText(TR::tr("BtnCancel"));
}
