#pragma once

#include "ui/taskprogressdialog.h"

class Diagnostics;

// Runs the diagnostics collector with a progress bar, then tells the player where the archive
// is and offers to show it.
class DiagDialog : public TaskProgressDialog
{
    Q_OBJECT
public:
    explicit DiagDialog(QWidget *parent = nullptr);
    ~DiagDialog() override;

    Diagnostics *diagnostics() const { return m_diagnostics; }

    enum class End { AskShowFile, ShowFailed, Silent };
    static End endAction(int step, bool archiveExists, int errorCode);
    // The text key that says why no run can start in the folder; empty when it can.
    static QString archiveFolderProblem(const QString &folder);

public slots:
    int exec() override;

protected:
    void retranslate() override;
    bool needsCloseConfirmation(QString &question) override;

private slots:
    void _onProgress(int processed, int total, int status, QString msg);
    void _onDiagEnd(int errorCode);

private:
    void message(const QString &text);

    Diagnostics *m_diagnostics;
};
