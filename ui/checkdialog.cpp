#include "ui/checkdialog.h"

#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "patch/checker.h"
#include "patch/recoverer.h"
#include "ui/basebutton.h"
#include "ui/checkoutcome.h"
#include "ui/settingselidedlabel.h"
#include "ui/styledmessagebox.h"

#include <QProgressBar>
#include <QVBoxLayout>

CheckDialog::CheckDialog(const UpdateInfo &manifest, QWidget *parent)
    : StyledDialog(parent), m_manifest(manifest), m_checker(new Checker(gameProduct.version, this)),
      m_recoverer(new Recoverer(this)), m_progress(new QProgressBar(this)),
      m_status(new SettingsElidedLabel(this)), m_cancel(new BaseButton(QString(), this)),
      m_title(new SettingsElidedLabel(this))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(450, 190);
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
    layout->addWidget(m_cancel, 0, Qt::AlignRight);

    connect(m_cancel, &QPushButton::clicked, this, &CheckDialog::reject);
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
    m_title->setText(TR::tr("CheckGameFiles"));
    setWindowTitle(m_title->text());
    m_cancel->setText(TR::tr("BtnCancel"));
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
    if (total != m_progress->maximum())
        m_progress->setRange(0, total == 1 ? 0 : total);
    m_progress->setValue(processed);
    if (status == Checker::CheckingFiles)
        m_status->setText(TR::tr("CheckingProgress").arg(m_progress->text(), msg));
    else if (status != Recoverer::Downloading || !msg.isEmpty())
        m_status->setText(msg);
}

void CheckDialog::_onCheckEnd(int errorCode)
{
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
    const checkoutcome::RecoveryEnd end = checkoutcome::afterRecovery(errorCode);
    if (end.success && m_newerContent)
        emit updateContentInstalled(gameProduct.productId, m_recoveryContentId);
    if (!end.messageKey.isEmpty())
        showInfo(end.messageKey);
    closeAction();
}
