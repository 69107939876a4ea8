#include "ui/launcher.h"

#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/tr.h"
#include "control/launchercontroller.h"
#include "platform/processes.h"
#include "ui/checkdialog.h"
#include "ui/diagdialog.h"
#include "ui/euladialog.h"
#include "ui/installdialog.h"
#include "ui/launcherbackdrop.h"
#include "ui/launcherfooter.h"
#include "ui/launcherheader.h"
#include "ui/launcherscreens.h"
#include "ui/newsfeed.h"
#include "ui/newsgrid.h"
#include "ui/settingspanel.h"
#include "ui/socialbutton.h"
#include "ui/styledbutton.h"
#include "ui/styledmessagebox.h"
#include "ui/systembutton.h"
#include "ui/tabs.h"
#include "ui/updateprogressview.h"
#include "ui/updateresultprompt.h"
#include "update/formatting.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int WindowWidth = 1184;
constexpr int WindowHeight = 720;

} // namespace

Launcher::Launcher(IProgramSettings *settings, bool installMode, QWidget *parent)
    : StyledDialog(parent), m_settings(settings), m_controller(new LauncherController(settings, this)),
      m_screens(std::make_unique<LauncherScreens>())
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_backdrop = new LauncherBackdrop(this);
    m_header = new LauncherHeader(this, m_backdrop);
    // Until the window is shown there is nothing to frost; showEvent does the first one.
    connect(m_backdrop, &LauncherBackdrop::changed, m_header, [this] {
        if (isVisible())
            m_header->refreshBackground();
    });

    m_news = new NewsFeed(this);
    connect(m_news, &NewsFeed::insertNews, this, &Launcher::_insertNews);
    m_pages = new QStackedWidget;
    m_pages->addWidget(createGamePage());
    m_pages->addWidget(createNewsPage());
    auto *content = new QWidget;
    auto *contentBox = new QVBoxLayout(content);
    contentBox->setContentsMargins(0, 0, 0, 0);
    contentBox->setSpacing(0);
    contentBox->addWidget(m_pages, 1);
    auto *windowBox = new QVBoxLayout(this);
    windowBox->setContentsMargins(0, 0, 0, 0);
    windowBox->setSpacing(0);
    windowBox->addWidget(m_header, 0);
    windowBox->addWidget(content, 1);

    m_footer = new LauncherFooter(this);
    m_footer->setProgressVisible(false);
    connect(m_footer, &LauncherFooter::pause, this, &Launcher::_onUpdatePause);
    connect(m_footer, &LauncherFooter::resume, this, &Launcher::_onUpdateResume);

    m_play = new StyledButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    m_play->setCursor(Qt::PointingHandCursor);
    m_play->setEnabled(false);

    m_settingsPanel = new SettingsPanel(content, true, m_settings, this);
    connect(m_header, &LauncherHeader::toggleSettings, m_settingsPanel, &SettingsPanel::toggle);
    connect(m_settingsPanel, &Panel::opacityChanged, m_header,
            QOverload<double>::of(&LauncherHeader::setBackgroundDarked));
    connect(m_settingsPanel, &SettingsPanel::updateContentInstalled, this, &Launcher::updateContentInstalled);
    connect(m_settingsPanel, &SettingsPanel::reinstallGame, this, &Launcher::reinstallGame);

    _selectLayout(m_header->tabs()->action(0));
    setFixedSize(WindowWidth, WindowHeight);
    m_backdrop->layoutAt(0);
    retranslate();
    m_backdrop->startRotation();

    connect(m_play, &QPushButton::clicked, this, &Launcher::_onPlay);
    connect(m_header->tabs(), &Tabs::selectTab, this, &Launcher::_selectLayout);

    if (installMode) {
        QTimer::singleShot(0, this, &Launcher::_onInstall);
    } else {
        connectController();
        if (m_controller->agreementAccepted())
            startOnline();
        else
            QTimer::singleShot(0, this, &Launcher::_onAcceptEULA);
    }
    setUpScreens();
    setUpKeyboard();
}

void Launcher::setUpKeyboard()
{
    // No button is the window's default: Enter presses the focused one (keyPressEvent), never
    // another one behind the player's back.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    m_settingsPanel->setFocusReturn(m_header->settingsButton());
    m_header->settingsButton()->setFocus(Qt::OtherFocusReason);
}

// As the eye reads: the header, the window buttons, the page (news cards join at the end as
// they come), the footer's pause controls and PLAY.
void Launcher::orderTabStops()
{
    QList<QWidget *> order = m_header->readingOrder();
    order << foldButton() << closeButton();
    for (QPushButton *button : m_footer->findChildren<QPushButton *>())
        order << button;
    order << m_play;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void Launcher::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        closeSettingsPanel();
        return;
    }
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button != nullptr) {
        button->click();
        return;
    }
    StyledDialog::keyPressEvent(event);
}

QWidget *Launcher::createGamePage()
{
    auto *page = new QWidget;
    auto *box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(12);
    box->addSpacing(150);
    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("logo"));
    box->addWidget(m_logo, 0, Qt::AlignHCenter);
    m_version = new QLabel;
    m_version->setObjectName(QStringLiteral("version"));
    box->addWidget(m_version, 0, Qt::AlignHCenter);
    box->addStretch();
    return page;
}

// The news cards are added to this page's grid as the feed arrives.
QWidget *Launcher::createNewsPage()
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("news_scroll"));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The cards take the focus and scroll themselves into view; the view itself is no stop.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *container = new QFrame;
    container->setObjectName(QStringLiteral("news_container"));
    container->setContentsMargins(0, 0, 0, 0);
    auto *grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    scroll->setWidget(container);
    m_newsContainer = container;
    m_newsGrid = grid;
    return scroll;
}

Launcher::~Launcher()
{
    m_news->stop();
}

void Launcher::startOnline()
{
    m_controller->startUpdate();
    // Nothing goes on the network before the agreement is accepted, the news feed included.
    m_news->startFeedReader(NewsFeed::defaultFeedUrl());
}

void Launcher::_insertNews(FeedItem::SFeedItem item)
{
    FeedItem *card = newsgrid::appendCard(m_newsGrid, m_newsContainer, WindowWidth, item, m_settings);
    connect(card, &FeedItem::readed, this, &Launcher::_updateNewsCounter);
    _updateNewsCounter();
    m_news->queuePicture(card);
}

void Launcher::_updateNewsCounter()
{
    m_header->tabs()->updateCounter(1, newsgrid::unreadCount(m_newsGrid), QColor(255, 210, 0, 255));
}

void Launcher::connectController()
{
    connect(m_controller, &LauncherController::updateStarted, this, &Launcher::updateStart);
    connect(m_controller, &LauncherController::progressChanged, this, &Launcher::showProgress);
    connect(m_controller, &LauncherController::updateFinished, this, &Launcher::showResult);
    connect(m_controller, &LauncherController::installedVersionChanged, this,
            &Launcher::showInstalledVersion);
    connect(m_controller, &LauncherController::selfUpdateHandedOver, this, &Launcher::exitAppToUpdate);
}

float Launcher::backgroundOpacity() const
{
    return m_backdrop->opacity();
}

int Launcher::backgroundPosition() const
{
    return m_backdrop->position();
}

void Launcher::setBackgroundOpacity(float val)
{
    m_backdrop->setOpacity(val);
}

void Launcher::setBackgroundPosition(int val)
{
    m_backdrop->setPosition(val);
}

void Launcher::showNextBackground()
{
    m_backdrop->showNextBackground();
}

void Launcher::_onAcceptEULA()
{
    if (!showEulaDialog(this)) {
        QCoreApplication::exit(1);
        return;
    }
    if (m_controller->acceptAgreement())
        startOnline();
}

void Launcher::updateStart()
{
    m_footer->setProgressVisible(true);
    m_footer->setTaskbarWindow(windowHandle());
    m_footer->setIndeterminate(true);
    m_footer->setPauseVisible(false);
    refreshVersionLabel();
}

// The window chooses the words: a step without a percentage is called by its name.
void Launcher::showProgress(const UpdateProgress &progress)
{
    updateProgress(progressText(progress.action), int(progress.action), progress.fraction, progress.total,
                   progress.done, progress.rate);
}

void Launcher::updateProgress(QString message, int action, float progress, qlonglong total, qlonglong current,
                              qlonglong rate)
{
    m_footer->setProgressVisible(true);
    m_footer->setTaskbarWindow(windowHandle());
    const UpdateProgressView view =
        updateProgressView(message, action, progress, total, current, rate, m_controller->canPause());
    m_footer->setIndeterminate(view.indeterminate);
    if (!view.indeterminate)
        m_footer->setProgressValue(view.value);
    if (view.setsTexts)
        m_footer->setStatus(view.status, view.detail);
    m_footer->setPauseVisible(view.pauseVisible);
}

void Launcher::showResult(const UpdateResult &result)
{
    updateFinish(result.number());
}

void Launcher::updateFinish(int errorCode)
{
    Logger::instance().debug(QStringLiteral("update finish: ") + QString::number(errorCode));
    m_footer->setProgressVisible(false);

    const UpdateResultPrompt prompt = updateResultPrompt(errorCode);
    if (prompt.offer == LauncherController::Offer::Play) {
        m_play->setEnabled(true);
        m_settingsPanel->setHasGame(true);
        refreshVersionLabel();
        m_footer->announce(TR::tr("GameReady"));
        if (m_play->isVisible() && !m_settingsPanel->isVisible())
            m_play->setFocus(Qt::OtherFocusReason);
        return;
    }
    switch (retryAnswer(prompt.offer, askRetry(prompt))) {
    case RetryAnswer::Retry:
        break;
    case RetryAnswer::RunDiagnostics:
        runDiagnosticsDialog();
        break;
    case RetryAnswer::CheckFiles:
        runCheckDialog();
        break;
    case RetryAnswer::Exit:
        exitApp();
        return;
    }
    m_controller->startUpdate();
}

int Launcher::askRetry(const UpdateResultPrompt &prompt)
{
    if (prompt.offer == LauncherController::Offer::RetryOrExit) {
        const bool yes = askYesNo(this, windowTitle(), prompt.text, TR::tr("BtnYes"), TR::tr("BtnExit"));
        return yes ? StyledMessageBox::Yes : StyledMessageBox::No;
    }
    auto *box =
        new StyledMessageBox(windowTitle(), prompt.text,
                             StyledMessageBox::Yes | StyledMessageBox::No | StyledMessageBox::Ok, this);
    box->button(StyledMessageBox::Yes)->setText(TR::tr("BtnYes"));
    box->button(StyledMessageBox::No)->setText(TR::tr("BtnExit"));
    box->button(StyledMessageBox::Ok)->setText(prompt.thirdButton);
    const int answer = box->exec();
    box->deleteLater();
    return answer;
}

// The diagnostics dialog, run before the update is tried again.
void Launcher::runDiagnosticsDialog()
{
    auto *dialog = new DiagDialog(this);
    dialog->exec();
    dialog->deleteLater();
}

// The game file check, run before the update is tried again; it may record an installed
// content or ask for a reinstallation.
void Launcher::runCheckDialog()
{
    auto *dialog = new CheckDialog(m_controller->manifest(), this);
    connect(dialog, &CheckDialog::updateContentInstalled, this, &Launcher::updateContentInstalled);
    connect(dialog, &CheckDialog::reinstallGame, this, &Launcher::reinstallGame);
    dialog->exec();
    dialog->deleteLater();
}

// The installer; returns the dialog's result (0 when nothing was installed).
int Launcher::runInstallDialog()
{
    // Used until the manifest the start-up fetches names the game's size.
    constexpr qint64 DefaultGameSize = 9163421575;
    auto *dialog = new InstallDialog(this);
    dialog->setPath(InstallDialog::defaultFolder());
    dialog->setRequiredSize(m_controller->gameSize(DefaultGameSize));
    connect(m_controller, &LauncherController::updateFinished, dialog, &InstallDialog::updateCheckFinished);
    const int result = dialog->exec();
    dialog->deleteLater();
    return result;
}

void Launcher::_onInstall()
{
    if (!showEulaDialog(this)) {
        QCoreApplication::exit(1);
        return;
    }
    QCoreApplication::exit(runInstallDialog() != QDialog::Rejected ? 0 : 1);
}

void Launcher::_onUpdatePause()
{
    m_controller->pauseDownload();
    m_footer->setPaused(true);
}

void Launcher::_onUpdateResume()
{
    m_controller->resumeDownload();
    m_footer->setPaused(false);
}

void Launcher::_onPlay()
{
    if (m_controller->startGame()) {
        exitApp();
        return;
    }
    showMessage(this, windowTitle(), TR::tr("ErrGameStartFail"));
}

void Launcher::updateContentInstalled(QString productId, QString contentId)
{
    m_controller->recordInstalled(productId, contentId);
}

void Launcher::reinstallGame()
{
    m_controller->reinstallGame();
}

void Launcher::showInstalledVersion()
{
    closeSettingsPanel();
    refreshVersionLabel();
}

void Launcher::closeSettingsPanel()
{
    if (m_settingsPanel->isVisible())
        m_settingsPanel->toggle();
}

void Launcher::refreshVersionLabel()
{
    const Version version = m_controller->offeredVersion();
    if (!version.isValid()) {
        m_version->clear();
        return;
    }
    m_version->setText(TR::tr("LauncherVersion").arg(version.major).arg(version.minor).arg(version.build));
}

void Launcher::exitApp()
{
    Logger::instance().debug(QStringLiteral("exitApp"));
    m_controller->shutDown();
    QCoreApplication::exit(0);
    platform::exitApp(0);
}

void Launcher::exitAppToUpdate()
{
    m_controller->shutDown();
    QCoreApplication::exit(0);
}

bool Launcher::needsCloseConfirmation(QString &)
{
    return m_controller->isUpdating();
}

void Launcher::closeAction()
{
    exitApp();
}

void Launcher::retranslate()
{
    m_play->setText(TR::tr("LauncherBtnPlay"));
    refreshVersionLabel();
    setWindowTitle(TR::tr("ProductName"));
    // Another language may need a wider PLAY and another logo.
    placeBottomControls();
    refreshLogo();
}

void Launcher::_selectLayout(QAction *act)
{
    const int index = act ? act->data().toInt() : 0;
    closeSettingsPanel();
    if (index == 1)
        m_backdrop->fadeOut();
    else
        m_backdrop->showAgain();
    m_footer->setNewsMode(index == 1);
    if (index != 0)
        m_news->startImageLoader();
    m_play->setVisible(index == 0);
    m_header->setStyleSheet(index == 0 ? QStringLiteral("LauncherHeader { background: transparent; }")
                                       : QStringLiteral("LauncherHeader { background: #4a4a4a; }"));
    m_pages->setCurrentIndex(index);
}

void Launcher::resizeEvent(QResizeEvent *event)
{
    StyledDialog::resizeEvent(event);
    placeBottomControls();
    updateScreen();
}

// The window's screen, and the header's frosted copy of the backdrop, are only right once the
// window is shown.
void Launcher::showEvent(QShowEvent *event)
{
    StyledDialog::showEvent(event);
    orderTabStops();
    updateScreen();
    m_header->refreshBackground();
}

// PLAY and the footer sit outside the layouts, at the window's bottom edge.
void Launcher::placeBottomControls()
{
    m_play->adjustSize();
    m_play->move(width() - m_play->width() - 25, height() - m_play->height() - 30);
    m_footer->setFixedWidth(width());
    m_footer->move(0, height() - m_footer->height());
}

void Launcher::setUpScreens()
{
    m_screens->setUp(this);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Launcher::_onPrimaryScreenChanged);
    updateScreen();
}

void Launcher::_onPrimaryScreenChanged(QScreen *act)
{
    if (act)
        LauncherScreens::logDetails(act);
    if (const QScreen *own = screen())
        LauncherScreens::logDetails(own);
    updateScreen();
}

void Launcher::updateScreen()
{
    m_screens->follow(this);
    refreshLogo();
}

void Launcher::refreshLogo()
{
    const QString language = LanguageManager::instance().currentLanguage();
    Logger::instance().info(QStringLiteral("lang: ") + language);
    QPixmap logo(backdrop::logoResource(language, m_screens->highDpi()));
    if (m_screens->highDpi())
        logo.setDevicePixelRatio(1.5);
    m_logo->setPixmap(logo);
}
