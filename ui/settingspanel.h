#pragma once

#include "ui/panel.h"

#include <QStringList>

class IProgramSettings;
class LinkLabel;
class ProxyDialog;
class QLabel;
class SettingsBack;
class SettingsButton;
class SettingsCombobox;
class SettingsLabel;

// The settings column of the main window: interface language, download method and speed limit,
// the file check
// and diagnostics, the proxy, the maker's documents and the build version.
class SettingsPanel : public Panel
{
    Q_OBJECT
public:
    SettingsPanel(QWidget *anchor, bool withLanguage, IProgramSettings *settings, QWidget *parent = nullptr);

    // The language codes in the order the list shows them.
    static QStringList orderedLanguages(const QStringList &available, const QString &systemDefault,
                                        const QStringList &supported);
    // The name a language is listed under, in that language.
    static QString languageName(const QString &code);
    // The address a document link opens; empty for an unknown link or a site that is not http(s).
    static QUrl documentUrl(const QString &webSite, const QString &link);
    // The download speed limits the list offers, in bytes per second (0: unlimited), with the
    // stored one in its place when it is none of the usual steps.
    static QList<qint64> speedChoices(qint64 stored);
    // How a limit is listed: "Do not limit", whole MB/s for the steps, else the rate.
    static QString speedText(qint64 bytesPerSecond);

public slots:
    void toggle() override;
    void setHasGame(bool has);

signals:
    // Re-sent from the check dialog for the main window.
    void updateContentInstalled(QString productId, QString contentId);
    void reinstallGame();

protected:
    void changeEvent(QEvent *event) override;
    virtual void retranslate();

private slots:
    void _onOpenExternalLink(QString link);
    void _onLanguageSet(int index);
    void _updateLanguageMenu();
    void _onCheckGameFiles();
    void _onRunDiag();
    void _onProxySettings();
    void _updateDownloadModeMenu();
    void _onDownloadModeSet(int index);
    void _updateDownloadSpeedMenu();
    void _onDownloadSpeedSet(int index);

private:
    void linkLabels();
    void setTroubleshootingEnabled(bool enabled);
    void saveSettings();

    IProgramSettings *m_settings;
    bool m_hasGame = false;
    SettingsBack *m_back;
    SettingsLabel *m_languageLabel = nullptr;
    SettingsCombobox *m_languages = nullptr;
    SettingsLabel *m_downloadLabel;
    SettingsCombobox *m_downloadModes;
    SettingsLabel *m_speedLabel;
    SettingsCombobox *m_speeds;
    SettingsLabel *m_troubleshootingLabel;
    SettingsButton *m_check;
    SettingsButton *m_diagnostics;
    SettingsButton *m_proxy;
    LinkLabel *m_eula;
    LinkLabel *m_privacy;
    LinkLabel *m_rules;
    QLabel *m_buildVersion;
    ProxyDialog *m_proxyDialog;
};
