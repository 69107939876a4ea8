#include "ui/checkdialog.h"

#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "ui/checkoutcome.h"
#include "ui/styledmessagebox.h"

#include <utility>

CheckDialog::CheckDialog(const UpdateInfo &manifest, QWidget *parent)
    : TaskProgressDialog(Qt::AlignRight, parent), m_manifest(manifest),
      m_checker(new Checker(gameProduct.version, this)), m_recoverer(new Recoverer(this))
{
    connectWorkers();
    retranslate();
}

CheckDialog::~CheckDialog()
{
    disconnectAndStop();
}

void CheckDialog::connectWorkers()
{
    m_workerConnections << connect(m_checker, &Checker::progress, this, &CheckDialog::_onProgress)
                        << connect(m_checker, &Checker::ended, this, &CheckDialog::_onCheckEnd)
                        << connect(m_recoverer, &Recoverer::progress, this, &CheckDialog::_onProgress)
                        << connect(m_recoverer, &Recoverer::ended, this, &CheckDialog::_onRecoveryEnd);
}

// Disconnected first, so that the ended(-1) of a stopped checker never reaches the dialog.
void CheckDialog::disconnectAndStop()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_workerConnections))
        disconnect(connection);
    m_workerConnections.clear();
    m_checker->stop();
    m_recoverer->stop();
}

int CheckDialog::exec()
{
    m_newerContent = false;
    m_checker->setUpdateInfo(m_manifest);
    m_checker->start();
    return StyledDialog::exec();
}

void CheckDialog::pause()
{
    m_checker->pause();
    m_recoverer->pause();
}

void CheckDialog::resume()
{
    m_checker->resume();
    m_recoverer->resume();
}

void CheckDialog::retranslate()
{
    TaskProgressDialog::retranslate();
    setHeading(TR::tr("CheckGameFiles"));
}

// A worker that ends while the close question is open is handled after the answer: handled
// underneath the question, its own boxes would stack on it and close this dialog while the
// question still belongs to it.
void CheckDialog::reject()
{
    m_asking = true;
    StyledDialog::reject();
    m_asking = false;
    if (!isVisible()) {
        m_deferredEnd = nullptr;
        return;
    }
    if (m_deferredEnd)
        std::exchange(m_deferredEnd, nullptr)();
}

bool CheckDialog::putOff(std::function<void()> handleEnd)
{
    // An end posted just before the workers were stopped still arrives, after the dialog closed.
    if (m_workerConnections.isEmpty())
        return true;
    if (!m_asking)
        return false;
    m_deferredEnd = std::move(handleEnd);
    return true;
}

bool CheckDialog::needsCloseConfirmation(QString &question)
{
    question = TR::tr("AbortChecking");
    return true;
}

void CheckDialog::closeAction()
{
    disconnectAndStop();
    QDialog::reject();
}

void CheckDialog::showInfo(const QString &key)
{
    showMessage(this, TR::tr("ProductName"), TR::tr(key.toUtf8().constData()));
}

void CheckDialog::_onProgress(int processed, int total, int status, QString msg)
{
    showProgress(processed, total);
    if (status == Checker::CheckingFiles)
        setStatus(TR::tr("CheckingProgress").arg(barText(), msg));
    else if (status != Recoverer::Downloading || !msg.isEmpty())
        setStatus(msg);
}

void CheckDialog::_onCheckEnd(int errorCode)
{
    if (putOff([this, errorCode] { _onCheckEnd(errorCode); }))
        return;
    using namespace checkoutcome;
    const bool hasGame = Paths::gameFolderExists();
    switch (afterCheck(errorCode, m_checker->damagedFiles().size(), hasGame)) {
    case CheckEnd::ShowInfoNotFound:
        showInfo(QStringLiteral("MsgErrRecoveryInfoNotFound"));
        closeAction();
        return;
    case CheckEnd::ShowValid:
        showInfo(QStringLiteral("MsgGameFilesAreValid"));
        closeAction();
        return;
    case CheckEnd::AskRepair:
        break;
    }
    if (!askYesNo(this, TR::tr("ProductName"), TR::tr("RepairQuestion"), QString(), QString())) {
        closeAction();
        return;
    }
    const UpdateContent content = m_checker->recoveryContent();
    switch (afterRepairAccepted(hasGame, content.isValid(), content.size(), m_checker->damagedBytes())) {
    case Repair::Reinstall:
        emit reinstallGame();
        closeAction();
        return;
    case Repair::ShowInfoNotFound:
        showInfo(QStringLiteral("MsgErrRecoveryInfoNotFound"));
        closeAction();
        return;
    case Repair::Recover:
        break;
    }
    m_newerContent = !(content.versionTo() == gameProduct.version);
    m_recoveryContentId = content.id();
    m_recoverer->start(m_checker->packageFiles(), m_checker->damagedFiles(), content);
}

void CheckDialog::_onRecoveryEnd(int errorCode)
{
    if (putOff([this, errorCode] { _onRecoveryEnd(errorCode); }))
        return;
    const checkoutcome::RecoveryEnd end = checkoutcome::afterRecovery(errorCode);
    if (end.success && m_newerContent)
        emit updateContentInstalled(gameProduct.productId, m_recoveryContentId);
    if (!end.messageKey.isEmpty())
        showInfo(end.messageKey);
    closeAction();
}
