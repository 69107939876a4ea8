#include "app/deploymentconfig.h"
#include "app/languagemanager.h"
#include "app/tr.h"
#include "tests/support/privatesessionbus.h"
#include "ui/accessibleroles.h"
#include "ui/counter.h"
#include "ui/launcherfooter.h"
#include "ui/launcherheader.h"
#include "ui/social.h"
#include "ui/socialbutton.h"
#include "ui/tabs.h"

#include <QAccessible>
#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Links of every kind: derived from the site, web pages, a script and a file.
const char Deployment[] = UI_TEST_DATA "/deployment.json";

} // namespace

// Stands in for the system browser: records every link the launcher asks it to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// A dock on the session bus: records the launcher-entry updates it is sent.
class DockListener : public QObject
{
    Q_OBJECT
public:
    struct Update
    {
        QString path;
        QString appUri;
        double progress;
        bool visible;
    };
    QList<Update> updates;
    int barriers = 0;
public slots:
    void onBarrier() { ++barriers; }
    void onUpdate(const QString &appUri, const QVariantMap &properties, const QDBusMessage &message)
    {
        updates.append({message.path(), appUri, properties.value(QStringLiteral("progress")).toDouble(),
                        properties.value(QStringLiteral("progress-visible")).toBool()});
    }
};

namespace {

QImage painted(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool isTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

// A backdrop with something to blur: bright bands on a dark ground.
QLabel *makeBackdrop(QWidget *parent)
{
    QPixmap picture(800, 400);
    picture.fill(QColor(20, 30, 60));
    QPainter painter(&picture);
    for (int x = 0; x < 800; x += 80)
        painter.fillRect(x, 0, 30, 400, QColor(230, 200, 90));
    painter.end();
    auto *backdrop = new QLabel(parent);
    backdrop->setPixmap(picture);
    backdrop->setGeometry(0, 0, 800, 400);
    return backdrop;
}

} // namespace

class LauncherBarsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void badgeCountsAndColours();
    void pressingABadgeSelectsItsTab();
    void headerButtonsFollowTheLinks_data();
    void headerButtonsFollowTheLinks();
    void onlyWebPagesAreOpened_data();
    void onlyWebPagesAreOpened();
    void sitePagesFollowTheWebSite_data();
    void sitePagesFollowTheWebSite();
    void headerFollowsTheLanguageAndSettings();
    void headerPaintsTheBlurredBackdrop();
    void footerPauseControls();
    void footerShowsStatusAndNewsMode();
    void footerAnnouncesEachStep();
    void tabsTellScreenReadersTheirRoleAndCount();
    void footerDrivesTheTaskbar();

private:
    void syncWithDock();
    void waitForUpdates(int count);

    QTemporaryDir m_folder;
    PrivateSessionBus m_bus;
    UrlRecorder m_browser;
    DockListener m_dock;
};

void LauncherBarsTest::initTestCase()
{
    // Before anything in the process connects to the session bus.
    QVERIFY(m_bus.start());
    QDBusConnection dock = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("dock"));
    QVERIFY(dock.isConnected());
    QVERIFY(dock.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                         QStringLiteral("Update"), &m_dock,
                         SLOT(onUpdate(QString, QVariantMap, QDBusMessage))));
    QVERIFY(dock.connect(QString(), QString(), QStringLiteral("org.gd7launcher.Test"),
                         QStringLiteral("Barrier"), &m_dock, SLOT(onBarrier())));
    qRegisterMetaType<QAction *>();

    QVERIFY(DeploymentConfig::loadInstance(QString::fromUtf8(Deployment)));

    for (const char *scheme : {"http", "https", "file", "javascript"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_browser, "open");
}

void LauncherBarsTest::cleanupTestCase()
{
    for (const char *scheme : {"http", "https", "file", "javascript"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QDBusConnection::disconnectFromBus(QStringLiteral("dock"));
}

void LauncherBarsTest::badgeCountsAndColours()
{
    Tabs tabs;
    QAction game(QStringLiteral("GAME"));
    QAction news(QStringLiteral("NEWS"));
    game.setCheckable(true);
    news.setCheckable(true);
    tabs.addTab(&game);
    tabs.addTab(&news);
    QCOMPARE(game.data().toInt(), 0);
    QCOMPARE(news.data().toInt(), 1);
    QCOMPARE(tabs.action(1), &news);
    tabs.resize(400, 60);
    tabs.show();

    tabs.updateCounter(1, 0);
    tabs.updateCounter(1, -2);
    QCOMPARE(tabs.counter(1), nullptr);

    tabs.updateCounter(1, 3);
    Counter *badge = tabs.counter(1);
    QVERIFY(badge != nullptr);
    QVERIFY(badge->isVisible());
    QCOMPARE(badge->count(), 3);
    QCOMPARE(badge->color(), QColor(255, 210, 0));
    QCOMPARE(badge->size(), QSize(20, 20));
    QCOMPARE(badge->pos(), QPoint(tabs.button(1)->width() - 20, 0));
    QCOMPARE(painted(badge).pixelColor(10, 3), QColor(255, 210, 0));

    tabs.updateCounter(1, 4, QColor(Qt::red));
    QCOMPARE(badge->count(), 4);
    QCOMPARE(painted(badge).pixelColor(10, 3), QColor(Qt::red));
    tabs.updateColor(1, QColor(Qt::blue));
    tabs.updateColor(1);
    QCOMPARE(painted(badge).pixelColor(10, 3), QColor(Qt::blue));

    tabs.updateCounter(1, 0);
    QCOMPARE(tabs.counter(1), badge);
    QVERIFY(isTransparent(painted(badge)));

    tabs.resize(600, 60);
    QCOMPARE(badge->pos(), QPoint(tabs.button(1)->width() - 20, 0));
    tabs.updateColor(0, QColor(Qt::green));
    QCOMPARE(tabs.counter(0), nullptr);
}

void LauncherBarsTest::pressingABadgeSelectsItsTab()
{
    QWidget backdrop;
    LauncherHeader header(nullptr, &backdrop);
    header.resize(1000, 96);
    header.show();
    QVERIFY(QTest::qWaitForWindowExposed(&header));
    Tabs *tabs = header.tabs();
    QVERIFY(tabs->action(0)->isChecked());
    QSignalSpy selected(tabs, &Tabs::selectTab);

    tabs->updateCounter(1, 2);
    QTest::mousePress(tabs->counter(1), Qt::LeftButton);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).value<QAction *>(), tabs->action(1));
    QVERIFY(tabs->action(1)->isChecked());
    QVERIFY(!tabs->action(0)->isChecked());

    QTest::mouseClick(tabs->button(0), Qt::LeftButton);
    QCOMPARE(selected.size(), 2);
    QCOMPARE(selected.at(1).at(0).value<QAction *>(), tabs->action(0));
    QVERIFY(tabs->action(0)->isChecked());
}

void LauncherBarsTest::headerButtonsFollowTheLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltipKey");
    QTest::newRow("home, from the web site") << "home"
                                             << "LinkWeb";
    QTest::newRow("forum, from the web site") << "forum"
                                              << "LinkForum";
    QTest::newRow("facebook") << "facebook"
                              << "LinkFacebook";
    QTest::newRow("vkontakte empty") << "vkontakte" << QString();
    QTest::newRow("ok empty") << "ok" << QString();
    QTest::newRow("youtube") << "youtube"
                             << "LinkYoutube";
    QTest::newRow("twitter beside an empty twitch") << "twitter"
                                                    << "LinkTwitter";
    QTest::newRow("discord") << "discord"
                             << "LinkDiscord";
    QTest::newRow("instagram") << "instagram"
                               << "LinkInstagram";
    QTest::newRow("twitch empty") << "twitch" << QString();
}

void LauncherBarsTest::headerButtonsFollowTheLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltipKey);
    QWidget backdrop;
    LauncherHeader header(nullptr, &backdrop);
    SocialButton *button = header.socialButton(name);
    QCOMPARE(header.findChild<SocialButton *>(name), button);
    if (tooltipKey.isEmpty()) {
        QCOMPARE(button, nullptr);
        return;
    }
    QVERIFY(button != nullptr);
    QCOMPARE(button->toolTip(), TR::tr(qPrintable(tooltipKey)));
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(header.settingsButton()->toolTip(), TR::tr("MenuSettings"));
}

void LauncherBarsTest::onlyWebPagesAreOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("home") << "home"
                          << "http://127.0.0.1:9";
    QTest::newRow("forum") << "forum"
                           << "http://127.0.0.1:9/forum";
    QTest::newRow("https page") << "facebook"
                                << "https://127.0.0.1:9/facebook";
    QTest::newRow("http page") << "twitter"
                               << "http://127.0.0.1:9/twitter";
    QTest::newRow("script link refused") << "discord" << QString();
    QTest::newRow("file link refused") << "instagram" << QString();
}

void LauncherBarsTest::onlyWebPagesAreOpened()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QWidget backdrop;
    LauncherHeader header(nullptr, &backdrop);
    header.resize(1000, 96);
    header.show();
    m_browser.opened.clear();
    QTest::mouseClick(header.socialButton(name), Qt::LeftButton);
    QCOMPARE(m_browser.opened, expected.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(expected)});

    // The slots of pages without a link do nothing.
    Social::instance().openTwitch();
    Social::instance().openLine();
    Social::instance().openVK();
    QCOMPARE(m_browser.opened.size(), expected.isEmpty() ? 0 : 1);
}

void LauncherBarsTest::sitePagesFollowTheWebSite_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("forum");
    QTest::addColumn<QString>("expectedHome");
    QTest::addColumn<QString>("expectedForum");
    QTest::newRow("derived from the site") << "http://127.0.0.1:9"
                                           << ""
                                           << ""
                                           << "http://127.0.0.1:9"
                                           << "http://127.0.0.1:9/forum";
    QTest::newRow("named by the deployment") << "http://127.0.0.1:9"
                                             << "http://127.0.0.1:9/start"
                                             << "http://127.0.0.1:9/boards"
                                             << "http://127.0.0.1:9/start"
                                             << "http://127.0.0.1:9/boards";
    QTest::newRow("no site, no pages") << ""
                                       << ""
                                       << ""
                                       << ""
                                       << "";
}

void LauncherBarsTest::sitePagesFollowTheWebSite()
{
    QFETCH(QString, site);
    QFETCH(QString, home);
    QFETCH(QString, forum);
    QFETCH(QString, expectedHome);
    QFETCH(QString, expectedForum);
    const QString path = m_folder.filePath(QStringLiteral("site.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QJsonObject social{{"home", home}, {"forum", forum}};
    const QJsonObject diagnostics{{"hosts", QJsonObject()}, {"servers", QJsonArray()}};
    const QJsonObject config{{"mirrors", QJsonArray{QStringLiteral("http://127.0.0.1:9/update.json")}},
                             {"web_site_url", site},
                             {"api_host", QString()},
                             {"social", social},
                             {"diagnostics", diagnostics}};
    file.write(QJsonDocument(config).toJson());
    file.close();
    QVERIFY(DeploymentConfig::loadInstance(path));
    QCOMPARE(Social::link(QStringLiteral("home")), expectedHome);
    QCOMPARE(Social::link(QStringLiteral("forum")), expectedForum);
    QCOMPARE(Social::link(QStringLiteral("twitter")), QString());
    QVERIFY(DeploymentConfig::loadInstance(QString::fromUtf8(Deployment)));
}

void LauncherBarsTest::headerFollowsTheLanguageAndSettings()
{
    QWidget backdrop;
    LauncherHeader header(nullptr, &backdrop);
    header.resize(1000, 96);
    header.show();
    QSignalSpy toggles(&header, &LauncherHeader::toggleSettings);
    QTest::mouseClick(header.settingsButton(), Qt::LeftButton);
    QCOMPARE(toggles.size(), 1);

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/test-languages/de")));
    QVERIFY(QCoreApplication::installTranslator(&german));
    QTRY_COMPARE(header.settingsButton()->toolTip(), QStringLiteral("Einstellungen"));
    QCOMPARE(header.tabs()->action(0)->text(), QStringLiteral("SPIEL"));
    QCOMPARE(header.tabs()->button(0)->text(), QStringLiteral("SPIEL"));
    QVERIFY(QCoreApplication::removeTranslator(&german));
    QTRY_COMPARE(header.tabs()->action(0)->text(), TR::tr("HeaderGame"));
}

void LauncherBarsTest::headerPaintsTheBlurredBackdrop()
{
    QWidget window;
    window.resize(800, 400);
    QLabel *backdrop = makeBackdrop(&window);
    LauncherHeader header(&window, backdrop);
    header.setGeometry(0, 0, 800, 96);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Laying the window out for showing does not frost the header: its window does it once,
    // when it is on screen (Launcher::showEvent).
    QVERIFY(header.blurredPicture().isNull());
    header.refreshBackground();

    const QImage blurred = header.blurredPicture().toImage();
    QCOMPARE(blurred.size(), QSize(800, 96));
    // Blurred: the hard edge of a band becomes a ramp over several pixels.
    const QImage sharp = backdrop->grab(QRect(0, 0, 800, 96)).toImage();
    QCOMPARE(sharp.pixelColor(30, 50), QColor(20, 30, 60));
    QSet<int> sharpShades;
    QSet<int> blurredShades;
    for (int x = 10; x < 60; ++x) {
        sharpShades.insert(sharp.pixelColor(x, 50).red());
        blurredShades.insert(blurred.pixelColor(x, 50).red());
    }
    QCOMPARE(sharpShades.size(), 2);
    QVERIFY2(blurredShades.size() >= 6, qPrintable(QString::number(blurredShades.size())));

    const QImage light = painted(&header);
    header.setBackgroundDarked(1.0);
    const QImage dark = painted(&header);
    // A spot between the tabs and the buttons, where only the backdrop shows.
    const QPoint open(250, 85);
    QVERIFY(dark.pixelColor(open).lightness() < light.pixelColor(open).lightness());
    header.setBackgroundDarked();
    QCOMPARE(header.darkness(), 0.0);
    QCOMPARE(painted(&header), light);

    // On the news tab the backdrop is hidden and only the style's background shows.
    backdrop->hide();
    QCOMPARE(qAlpha(painted(&header).pixel(open)), 0);

    // A shown header follows its size at once.
    header.resize(800, 80);
    QCOMPARE(header.blurredPicture().size(), QSize(800, 80));
}

void LauncherBarsTest::footerPauseControls()
{
    LauncherFooter footer;
    footer.resize(800, 104);
    footer.show();
    auto *pause = footer.findChild<QPushButton *>(QStringLiteral("pause"));
    auto *resume = footer.findChild<QPushButton *>(QStringLiteral("resume"));
    QVERIFY(!pause->isVisible() && !resume->isVisible());

    footer.setPaused(true);
    footer.setPauseVisible(true);
    QVERIFY(pause->isVisible());
    QVERIFY(!resume->isVisible());

    footer.setPaused(true);
    QVERIFY(resume->isVisible());
    QVERIFY(!pause->isVisible());
    QSignalSpy resumed(&footer, &LauncherFooter::resume);
    QTest::mouseClick(resume, Qt::LeftButton);
    QCOMPARE(resumed.size(), 1);

    footer.setPaused(false);
    QVERIFY(pause->isVisible());
    QSignalSpy paused(&footer, &LauncherFooter::pause);
    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(paused.size(), 1);

    footer.setPauseVisible(false);
    QVERIFY(!pause->isVisible());
    footer.setPaused(false);
    footer.setPauseVisible(true);
    QVERIFY(pause->isVisible());
}

void LauncherBarsTest::footerShowsStatusAndNewsMode()
{
    LauncherFooter footer;
    footer.resize(800, 104);
    footer.show();
    auto *status = footer.findChild<QLabel *>(QStringLiteral("status"));
    auto *detail = footer.findChild<QLabel *>(QStringLiteral("progress"));
    auto *bar = footer.findChild<QProgressBar *>();
    footer.setStatus(QStringLiteral("Downloading"), QStringLiteral("10 MB of 20 MB"));
    QCOMPARE(status->text(), QStringLiteral("Downloading"));
    QCOMPARE(detail->text(), QStringLiteral("10 MB of 20 MB"));
    footer.setStatus(QString(), QString());
    QVERIFY(status->text().isEmpty() && detail->text().isEmpty());

    footer.setNewsMode(true);
    QVERIFY(!status->isVisible());
    QVERIFY(bar->isVisible());
    QVERIFY(footer.testAttribute(Qt::WA_TransparentForMouseEvents));
    footer.setNewsMode(false);
    QVERIFY(status->isVisible());
    QVERIFY(!footer.testAttribute(Qt::WA_TransparentForMouseEvents));

    footer.setProgressVisible(false);
    QVERIFY(!bar->isVisible() && !status->isVisible() && !detail->isVisible());
    footer.setProgressVisible(true);
    QVERIFY(bar->isVisible() && status->isVisible() && detail->isVisible());
}

// A screen reader hears each new step of the update once, not each tick of its figures, and
// hears a pause.
void LauncherBarsTest::footerAnnouncesEachStep()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    installAccessibleRoles();
    LauncherFooter footer;
    footer.show();
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(&footer);
    // Each name the status bar takes is told to screen readers as it changes.
    QStringList names;
    auto note = [&] {
        const QString name = bar->text(QAccessible::Name);
        if (names.isEmpty() || names.last() != name)
            names.append(name);
    };
    footer.setPauseVisible(true);
    for (const char *status : {"Connecting", "Downloading 0.0%", "Downloading 0.1%", "Downloading 12.5%",
                               "Unpacking 3%", "Unpacking 99%", "Installing 100%"}) {
        footer.setStatus(QString::fromLatin1(status), QStringLiteral("1 MB/2 MB"));
        note();
    }
    footer.setPaused(true);
    note();
    footer.setPaused(false);
    note();
    footer.announce(TR::tr("GameReady"));
    note();
    QCOMPARE(names, (QStringList{"Connecting", "Downloading 0.0%", "Unpacking 3%", "Installing 100%",
                                 "Download paused", "Installing 100%", "The game is ready to play"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(&footer)->role(), QAccessible::StatusBar);
    const QString pauseName =
        QAccessible::queryAccessibleInterface(footer.findChild<QPushButton *>(QStringLiteral("pause")))
            ->text(QAccessible::Name);
    QCOMPARE(pauseName, QStringLiteral("Pause download"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(footer.findChild<QProgressBar *>())->text(QAccessible::Name),
        QStringLiteral("Update progress"));
}

// GAME and NEWS are page tabs, the selected one selected; the unread count is in NEWS's name.
void LauncherBarsTest::tabsTellScreenReadersTheirRoleAndCount()
{
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    installAccessibleRoles();
    Tabs tabs;
    QAction game(QStringLiteral("GAME")), news(QStringLiteral("NEWS"));
    game.setCheckable(true);
    news.setCheckable(true);
    game.setChecked(true);
    tabs.addTab(&game);
    tabs.addTab(&news);
    tabs.show();
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(&tabs);
    QCOMPARE(strip->role(), QAccessible::PageTabList);
    QAccessibleInterface *newsTab = QAccessible::queryAccessibleInterface(tabs.button(1));
    QCOMPARE(newsTab->role(), QAccessible::PageTab);
    QCOMPARE(newsTab->text(QAccessible::Name), QStringLiteral("NEWS"));
    QVERIFY(QAccessible::queryAccessibleInterface(tabs.button(0))->state().selected);
    QVERIFY(!newsTab->state().selected);
    tabs.updateCounter(1, 6, QColor(255, 210, 0));
    QCOMPARE(newsTab->text(QAccessible::Name), QStringLiteral("NEWS, 6 unread"));
    tabs.updateCounter(1, 1);
    QCOMPARE(newsTab->text(QAccessible::Name), QStringLiteral("NEWS, 1 unread"));
    tabs.updateCounter(1, 0);
    QCOMPARE(newsTab->text(QAccessible::Name), QStringLiteral("NEWS"));
    QVERIFY(newsTab->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    newsTab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(news.isChecked());
    QVERIFY(newsTab->state().selected);
}

// Signals from one connection arrive in the order sent: once a barrier sent after them has
// arrived, so has every update sent before it.
void LauncherBarsTest::syncWithDock()
{
    const int expected = m_dock.barriers + 1;
    QVERIFY(QDBusConnection::sessionBus().send(QDBusMessage::createSignal(
        QStringLiteral("/test"), QStringLiteral("org.gd7launcher.Test"), QStringLiteral("Barrier"))));
    QTRY_COMPARE(m_dock.barriers, expected);
}

void LauncherBarsTest::waitForUpdates(int count)
{
    syncWithDock();
    QTRY_COMPARE(m_dock.updates.size(), count);
}

void LauncherBarsTest::footerDrivesTheTaskbar()
{
    syncWithDock();
    m_dock.updates.clear();
    auto footer = std::make_unique<LauncherFooter>();
    auto *bar = footer->findChild<QProgressBar *>();
    QCOMPARE(bar->maximum(), 0);
    waitForUpdates(2); // the busy range and the resumed state at construction
    for (const DockListener::Update &update : qAsConst(m_dock.updates)) {
        QCOMPARE(update.path, QStringLiteral("/com/canonical/unity/launcherentry/GD7Launcher"));
        QCOMPARE(update.appUri, QStringLiteral("application://GD7Launcher.desktop"));
        QCOMPARE(update.visible, false);
    }

    footer->setIndeterminate(false);
    waitForUpdates(3);
    QCOMPARE(bar->maximum(), 1000000);
    QCOMPARE(m_dock.updates.last().visible, true);
    QCOMPARE(m_dock.updates.last().progress, 0.0);

    // A second call changes nothing: no announcement. The next one shows where the value is.
    footer->setIndeterminate(false);
    footer->setPaused(true); // pause controls hidden: ignored
    footer->setProgressValue(250000);
    waitForUpdates(4);
    QCOMPARE(m_dock.updates.last().progress, 0.25);
    QCOMPARE(bar->value(), 250000);

    footer->setProgressVisible(false);
    waitForUpdates(5);
    QCOMPARE(m_dock.updates.last().visible, false);
    footer->setProgressVisible(true);
    waitForUpdates(6);
    QCOMPARE(m_dock.updates.last().visible, true);
    QCOMPARE(m_dock.updates.last().progress, 0.25);

    footer->setIndeterminate(true);
    waitForUpdates(7);
    QCOMPARE(m_dock.updates.last().visible, false);
    QCOMPARE(bar->maximum(), 0);

    footer->setIndeterminate(false);
    footer->setProgressValue(1000000);
    waitForUpdates(9);
    QCOMPARE(m_dock.updates.last().progress, 1.0);
    // Leaving takes the bar away from the dock.
    footer.reset();
    waitForUpdates(10);
    QCOMPARE(m_dock.updates.last().visible, false);
}

QTEST_MAIN(LauncherBarsTest)
#include "tst_launcherbars.moc"
