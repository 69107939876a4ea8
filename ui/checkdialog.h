#pragma once

#include "ui/taskprogressdialog.h"
#include "update/updateinfo.h"

#include <functional>

class Checker;
class Recoverer;

// The player's window onto the file check and repair: runs the checker, asks whether to repair
// what it found, and either recovers the damaged files or asks the window to reinstall the game.
class CheckDialog : public TaskProgressDialog
{
    Q_OBJECT
public:
    // manifest: the one the recovery contents are taken from (the orchestrator's last one).
    explicit CheckDialog(const UpdateInfo &manifest, QWidget *parent = nullptr);
    ~CheckDialog() override;

signals:
    void updateContentInstalled(QString productId, QString contentId);
    void reinstallGame();

public slots:
    int exec() override;
    void pause();
    void resume();
    // Cancel asks first; what the workers report meanwhile waits for the answer.
    void reject() override;

protected:
    void retranslate() override;
    bool needsCloseConfirmation(QString &question) override;
    void closeAction() override;

private slots:
    void _onProgress(int processed, int total, int status, QString msg);
    void _onCheckEnd(int errorCode);
    void _onRecoveryEnd(int errorCode);

private:
    void connectWorkers();
    void disconnectAndStop();
    void showInfo(const QString &key);
    // True when a worker's end is not to be handled now: put off while the close question is
    // open, or dropped once the workers have been stopped.
    bool putOff(std::function<void()> handleEnd);

    UpdateInfo m_manifest;
    Checker *m_checker;
    Recoverer *m_recoverer;
    bool m_newerContent = false;
    QString m_recoveryContentId;
    QList<QMetaObject::Connection> m_workerConnections;
    bool m_asking = false;
    std::function<void()> m_deferredEnd;
};
