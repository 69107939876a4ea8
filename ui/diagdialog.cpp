#include "ui/diagdialog.h"

#include "app/logger.h"
#include "app/tr.h"
#include "diag/diagnostics.h"
#include "platform/filereveal.h"
#include "ui/basebutton.h"
#include "ui/settingselidedlabel.h"
#include "ui/styledmessagebox.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QVBoxLayout>

DiagDialog::DiagDialog(QWidget *parent)
    : StyledDialog(parent), m_title(new SettingsElidedLabel(this)), m_status(new SettingsElidedLabel(this)),
      m_progress(new QProgressBar(this)), m_cancel(new BaseButton(QString(), this)),
      m_diagnostics(new Diagnostics(this))
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
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);

    connect(m_cancel, &QPushButton::clicked, this, &DiagDialog::reject);
    connect(m_diagnostics, &Diagnostics::progress, this, &DiagDialog::_onProgress);
    connect(m_diagnostics, &Diagnostics::ended, this, &DiagDialog::_onDiagEnd);
    retranslate();
    setFixedSize(450, 190);
}

// Waits for a run the player left by closing the window.
DiagDialog::~DiagDialog()
{
    m_diagnostics->stop();
}

DiagDialog::End DiagDialog::endAction(int step, bool archiveExists, int errorCode)
{
    if (step == Diagnostics::Finished)
        return archiveExists ? End::AskShowFile : End::ShowFailed;
    return errorCode != 0 ? End::ShowFailed : End::Silent;
}

QString DiagDialog::archiveFolderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return QStringLiteral("MsgDiagnosticsNoDesktop");
    if (!info.isWritable())
        return QStringLiteral("MsgDiagnosticsDesktopReadOnly");
    return QString();
}

int DiagDialog::exec()
{
    const QString folder = Diagnostics::archiveFolder();
    const QString problem = archiveFolderProblem(folder);
    if (!problem.isEmpty()) {
        Logger::instance().crit(QStringLiteral("diagnostics: no usable desktop folder: ") + folder);
        message(TR::tr(problem.toUtf8().constData()).arg(QDir::toNativeSeparators(folder)));
        return QDialog::Rejected;
    }
    m_diagnostics->start();
    return StyledDialog::exec();
}

void DiagDialog::retranslate()
{
    m_title->setText(TR::tr("Diagnostics"));
    setWindowTitle(m_title->text());
    m_cancel->setText(TR::tr("BtnCancel"));
}

bool DiagDialog::needsCloseConfirmation(QString &question)
{
    question = TR::tr("AbortDiagnostics");
    return true;
}

void DiagDialog::message(const QString &text)
{
    showMessage(this, TR::tr("ProductName"), text);
}

void DiagDialog::_onProgress(int processed, int total, int status, QString msg)
{
    if (total != m_progress->maximum())
        m_progress->setRange(0, total == 1 ? 0 : total);
    m_progress->setValue(processed);
    switch (status) {
    case Diagnostics::CopyingLogs:
    case Diagnostics::NetworkTests:
    case Diagnostics::SystemInformation:
        m_status->setText(TR::tr("DataCollection"));
        break;
    case Diagnostics::Packing:
        m_status->setText(TR::tr("Packing"));
        break;
    default:
        m_status->setText(msg);
    }
}

void DiagDialog::_onDiagEnd(int errorCode)
{
    const QString archive = m_diagnostics->archivePath();
    switch (endAction(m_diagnostics->step(), !archive.isEmpty() && QFileInfo::exists(archive), errorCode)) {
    case End::AskShowFile:
        // The player has to find the file to send it, so the message names it.
        if (askYesNo(this, TR::tr("ProductName"),
                     TR::tr("MsgDiagnosticsSuccess") + QLatin1Char(' ') + QFileInfo(archive).fileName(),
                     TR::tr("ShowFile"), TR::tr("DlgBtnOK")) &&
            platform::revealFile(archive) == platform::RevealResult::Failed)
            Logger::instance().crit(QStringLiteral("diagnostics: could not show the archive ") + archive);
        break;
    case End::ShowFailed:
        message(TR::tr("MsgDiagnosticsFailed"));
        break;
    case End::Silent:
        break;
    }
    QDialog::reject();
}
