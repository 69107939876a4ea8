#include "ui/diagdialog.h"

#include "app/logger.h"
#include "app/tr.h"
#include "diag/diagnostics.h"
#include "platform/filereveal.h"
#include "ui/styledmessagebox.h"

#include <QDir>
#include <QFileInfo>

DiagDialog::DiagDialog(QWidget *parent)
    : TaskProgressDialog(Qt::AlignHCenter, parent), m_diagnostics(new Diagnostics(this))
{
    connect(m_diagnostics, &Diagnostics::progress, this, &DiagDialog::_onProgress);
    connect(m_diagnostics, &Diagnostics::ended, this, &DiagDialog::_onDiagEnd);
    retranslate();
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
    TaskProgressDialog::retranslate();
    setHeading(TR::tr("Diagnostics"));
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
    showProgress(processed, total);
    switch (status) {
    case Diagnostics::CopyingLogs:
    case Diagnostics::NetworkTests:
    case Diagnostics::SystemInformation:
        setStatus(TR::tr("DataCollection"));
        break;
    case Diagnostics::Packing:
        setStatus(TR::tr("Packing"));
        break;
    default:
        setStatus(msg);
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
