#pragma once

#include "net/proxysettings.h"
#include "ui/styleddialog.h"

class IProgramSettings;
class QLabel;
class SettingsButton;
class SettingsEdit;
class SettingsLabel;
class SettingsRadio;
class SettingsSpin;

// The editor of the one proxy the launcher sends its traffic through. It also loads the stored
// proxy at start-up (without being shown) and installs it for every connection made afterwards.
class ProxyDialog : public StyledDialog
{
    Q_OBJECT
public:
    ProxyDialog(IProgramSettings *settings, QWidget *parent = nullptr);

    // Puts the stored values into the controls; with apply also installs them.
    void load(bool apply);

    // The text key of what is wrong with the entered values; empty when they can be used.
    static QString inputProblem(const QString &host, int port, const QString &user);

public slots:
    void accept() override;

protected:
    void retranslate() override;

private:
    ProxySettings enteredValues() const;
    void showProblem(const QString &key);

    IProgramSettings *m_settings;
    SettingsRadio *m_socks;
    SettingsRadio *m_http;
    SettingsEdit *m_host;
    SettingsSpin *m_port;
    SettingsEdit *m_user;
    SettingsEdit *m_password;
    SettingsLabel *m_typeLabel;
    SettingsLabel *m_hostLabel;
    SettingsLabel *m_portLabel;
    SettingsLabel *m_userLabel;
    SettingsLabel *m_passwordLabel;
    QLabel *m_error;
    QString m_errorKey;
    SettingsButton *m_ok;
    SettingsButton *m_cancel;
};
