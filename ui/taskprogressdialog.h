#pragma once

#include "ui/styleddialog.h"

class BaseButton;
class QProgressBar;
class SettingsElidedLabel;

// The small window of a long task the player waits for (the file check, the diagnostics): a
// heading, a bar, one status line and Cancel, which goes through the close question.
class TaskProgressDialog : public StyledDialog
{
    Q_OBJECT
public:
    TaskProgressDialog(Qt::Alignment cancelAlignment, QWidget *parent = nullptr);

protected:
    // A total of 1 stands for "busy, no measure" and shows a moving bar.
    void showProgress(int processed, int total);
    void setHeading(const QString &text);
    void setStatus(const QString &text);
    QString barText() const;
    void retranslate() override;

private:
    SettingsElidedLabel *m_title;
    QProgressBar *m_progress;
    SettingsElidedLabel *m_status;
    BaseButton *m_cancel;
};
