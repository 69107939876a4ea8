#pragma once

#include "ui/feeditem.h"
#include "ui/styleddialog.h"

#include <memory>

class IProgramSettings;
class LauncherBackdrop;
class LauncherController;
class LauncherFooter;
class LauncherHeader;
class LauncherScreens;
class NewsFeed;
class QGridLayout;
class QAction;
class QLabel;
class QScreen;
class QStackedWidget;
class SettingsPanel;
class StyledButton;
struct UpdateProgress;
struct UpdateResult;
struct UpdateResultPrompt;

// The launcher's main window: draws what its LauncherController decides (the end-user
// agreement, the game's update with its progress, the retry prompts, PLAY) and hosts the news
// tab. In install mode it only runs the installer and quits.
class Launcher : public StyledDialog
{
    Q_OBJECT
    Q_PROPERTY(float backgroundOpacity READ backgroundOpacity WRITE setBackgroundOpacity)
    Q_PROPERTY(int backgroundPosition READ backgroundPosition WRITE setBackgroundPosition)
public:
    Launcher(IProgramSettings *settings, bool installMode, QWidget *parent = nullptr);
    // Stops the news threads before the cards they work for go.
    ~Launcher() override;

    float backgroundOpacity() const;
    int backgroundPosition() const;

public slots:
    // Ends the whole process at once (exit code 0); the log and the settings file are complete
    // by then, since both are written through at every change.
    void exitApp();
    void exitAppToUpdate();
    void updateStart();
    void updateFinish(int errorCode);
    void updateProgress(QString message, int action, float progress, qlonglong total, qlonglong current,
                        qlonglong rate);
    void updateContentInstalled(QString productId, QString contentId);
    void reinstallGame();

    void showNextBackground();
    void setBackgroundOpacity(float val);
    void setBackgroundPosition(int val);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape closes the settings panel and otherwise does nothing (closing is the close
    // button's); Enter presses the focused button.
    void keyPressEvent(QKeyEvent *event) override;
    void retranslate() override;
    bool needsCloseConfirmation(QString &question) override;
    void closeAction() override;

private slots:
    void showProgress(const UpdateProgress &progress);
    void showResult(const UpdateResult &result);
    void showInstalledVersion();
    void _onAcceptEULA();
    void _onInstall();
    void _onUpdatePause();
    void _onUpdateResume();
    void _onPlay();
    void _selectLayout(QAction *act);
    void _insertNews(FeedItem::SFeedItem item);
    void _updateNewsCounter();
    void _onPrimaryScreenChanged(QScreen *act);

private:
    QWidget *createGamePage();
    QWidget *createNewsPage();
    void connectController();
    // What runs once the agreement gate has passed: the update and the news feed.
    void startOnline();
    int askRetry(const UpdateResultPrompt &prompt);
    void refreshVersionLabel();
    void closeSettingsPanel();

    // The dialogs the retry prompt and the install mode open.
    void runDiagnosticsDialog();
    void runCheckDialog();
    int runInstallDialog();

    void setUpKeyboard();
    void orderTabStops();
    void placeBottomControls();
    void setUpScreens();
    void updateScreen();
    void refreshLogo();

    IProgramSettings *m_settings;
    LauncherController *m_controller;
    LauncherBackdrop *m_backdrop;
    LauncherHeader *m_header;
    QStackedWidget *m_pages;
    QLabel *m_logo = nullptr;
    QLabel *m_version = nullptr;
    LauncherFooter *m_footer;
    StyledButton *m_play;
    SettingsPanel *m_settingsPanel;
    QWidget *m_newsContainer = nullptr;
    QGridLayout *m_newsGrid = nullptr;
    NewsFeed *m_news;
    std::unique_ptr<LauncherScreens> m_screens;
};
