#pragma once

#include "ui/styleddialog.h"

#include <memory>

class BaseButton;
class QCheckBox;
class QLabel;
class QPushButton;
namespace install {
class InstallWorker;
}

// The one-page installation wizard: folder, space the game needs, desktop and menu entries.
// After a successful installation it prepares the new copy's settings, starts it and ends
// this program.
class InstallDialog : public StyledDialog
{
    Q_OBJECT
public:
    explicit InstallDialog(QWidget *parent = nullptr);
    ~InstallDialog() override;

    // The folder proposed to a player who has not chosen one.
    static QString defaultFolder();

    void setPath(const QString &folder);
    void setRequiredSize(qint64 bytes);
    QString path() const { return m_folder; }

public slots:
    void updateCheckFinished();

protected:
    bool needsCloseConfirmation(QString &question) override;

private slots:
    void selectPath();
    void install();
    void installFinished(bool success);

private:
    bool checkPath();
    void showRequiredSize();

    QString m_folder;
    qint64 m_requiredSize = 0;
    QLabel *m_size;
    QLabel *m_path;
    QLabel *m_error;
    QPushButton *m_select;
    QCheckBox *m_desktop;
    QCheckBox *m_menu;
    BaseButton *m_install;
    std::unique_ptr<install::InstallWorker> m_worker;
};
