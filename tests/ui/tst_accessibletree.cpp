#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "tests/install/testhome.h"
#include "tests/ui/launcherkit.h"
#include "ui/accessibleroles.h"
#include "ui/appearance.h"
#include "ui/checkdialog.h"
#include "ui/diagdialog.h"
#include "ui/euladialog.h"
#include "ui/focusring.h"
#include "ui/installdialog.h"
#include "ui/launcher.h"
#include "ui/proxydialog.h"
#include "ui/styledmessagebox.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// One object of the tree as the dump gives it.
using Node = QJsonObject;

bool hasState(const Node &node, const char *state)
{
    return node.value(QStringLiteral("states")).toArray().contains(QLatin1String(state));
}

void walk(const Node &node, const std::function<void(const Node &)> &visit)
{
    visit(node);
    for (const QJsonValue &child : node.value(QStringLiteral("children")).toArray())
        walk(child.toObject(), visit);
}

QList<Node> findAll(const Node &root, const QString &role, const QString &name)
{
    QList<Node> found;
    walk(root, [&](const Node &node) {
        if (node.value(QStringLiteral("role")).toString() == role &&
            node.value(QStringLiteral("name")).toString() == name)
            found.append(node);
    });
    return found;
}

// Every control a player can reach by keyboard (focusable and on screen) has a name.
QStringList unnamedControls(const Node &window)
{
    QStringList unnamed;
    walk(window, [&](const Node &node) {
        if (hasState(node, "focusable") && hasState(node, "showing") &&
            node.value(QStringLiteral("name")).toString().trimmed().isEmpty())
            unnamed.append(node.value(QStringLiteral("role")).toString());
    });
    return unnamed;
}

// Roles that only a control a player works with has; each of them must be reachable.
const QStringList ControlRoles{"push button",  "link", "page tab",      "combo box",  "check box",
                               "radio button", "text", "password text", "spin button"};

QStringList unreachableControls(const Node &window)
{
    QStringList unreachable;
    walk(window, [&](const Node &node) {
        const QString role = node.value(QStringLiteral("role")).toString();
        if (ControlRoles.contains(role) && hasState(node, "showing") && hasState(node, "enabled") &&
            !hasState(node, "focusable"))
            unreachable.append(role + QLatin1Char(' ') + node.value(QStringLiteral("name")).toString());
    });
    return unreachable;
}

// Controls smaller than 24 pixels either way are hard to hit.
QStringList smallTargets(const QWidget *window)
{
    QStringList small;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        const bool target = w->inherits("QAbstractButton") || w->inherits("QComboBox") ||
                            w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox") ||
                            w->inherits("LinkLabel") || w->inherits("FeedItem");
        // The text field inside a spin box is part of the spin box's target.
        const bool part = w->parentWidget() != nullptr && w->parentWidget()->inherits("QAbstractSpinBox");
        if (target && !part && w->isVisible() && (w->width() < 24 || w->height() < 24))
            small.append(QStringLiteral("%1 %2 %3x%4")
                             .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                             .arg(w->width())
                             .arg(w->height()));
    }
    return small;
}

// A failed check of a view ends the test there.
#define CHECK_VIEW(...)                                                                                      \
    do {                                                                                                     \
        checkView(__VA_ARGS__);                                                                              \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

// What a view must show a screen reader: objects by role and name, each once.
struct Expected
{
    QString role;
    QString name;
    QString description = QString();
};

} // namespace

// The accessibility tree of every window and dialog as screen readers read it: AT-SPI over the
// session bus (a private one, with the real accessibility bus and registry on it), read by a
// separate client process. Every control a keyboard reaches has a name, every control is
// reachable, and the launcher's own controls have the roles of what they do.
class AccessibleTreeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainWindowReady();
    void mainWindowDownloading();
    void settingsPanel();
    void newsTab();
    void dialogs_data();
    void dialogs();

private:
    // The tree of the showing window with that title.
    Node dumpWindow(const QString &title);
    void checkView(const QWidget *live, const Node &window, const QList<Expected> &expected);
    Launcher *openLauncher(const QUrl &release);

    std::unique_ptr<TestHome> m_home;
    LauncherKit m_kit;
    QUrl m_release;
    QUrl m_slow;
    std::unique_ptr<QTemporaryDir> m_appFolder;
    std::unique_ptr<JsonSettings> m_settings;
    std::unique_ptr<Launcher> m_launcher;
};

void AccessibleTreeTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "run under dbus-run-session");
    // The player's home is a scratch one; the session bus stays the test's own, which carries
    // the accessibility bus.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    QVERIFY(m_kit.start(QStringLiteral("location /slow/ { limit_rate 32k; }\n")));
    qputenv("GD7_DEPLOYMENT_CONFIG", QFile::encodeName(m_kit.deploymentConfigPath()));
    TorrentSession::setLoopbackOnly(true);
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    addApplicationFonts();
    qApp->setStyleSheet(loadStyleSheet());
    installAccessibleRoles();
    FocusRing::install();

    const ReleaseKit::Files game{{"data/world.pak", QByteArray(3000, 'w')}};
    QVERIFY(
        (m_release = m_kit.publishGame(QStringLiteral("mirror"), QStringLiteral("1.0.0"), game)).isValid());
    QByteArray large(2 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(large.data()), large.size() / 4);
    QVERIFY(
        (m_slow = m_kit.publishGame(QStringLiteral("slow"), QStringLiteral("1.0.0"), {{"big.pak", large}}))
            .isValid());
}

void AccessibleTreeTest::init()
{
    m_appFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appFolder->isValid());
    Paths::setApplicationFolder(m_appFolder->path());
    gameProduct = makeGameProduct(nullptr);
    AutoUpdate::instance()->setInstallPauseMs(0);
}

void AccessibleTreeTest::cleanup()
{
    m_launcher.reset();
    AutoUpdate::destroyInstance();
    m_settings.reset();
}

Launcher *AccessibleTreeTest::openLauncher(const QUrl &release)
{
    const QJsonObject settings{
        {"eula_accepted", 20171002}, {"update_url", release.toString()}, {"use_torrents", false}};
    ReleaseKit::writeFile(Paths::settingsPath(), QJsonDocument(settings).toJson());
    m_settings = std::make_unique<JsonSettings>();
    m_settings->load(Paths::settingsPath());
    m_launcher = std::make_unique<Launcher>(m_settings.get(), false);
    m_launcher->show();
    if (!QTest::qWaitForWindowExposed(m_launcher.get()))
        return nullptr;
    // As a desktop would, so the focus is where a player's keys go.
    m_launcher->activateWindow();
    if (!QTest::qWaitForWindowActive(m_launcher.get()))
        return nullptr;
    return m_launcher.get();
}

// The client runs while this process keeps answering it: the tree is read from the live windows.
Node AccessibleTreeTest::dumpWindow(const QString &title)
{
    QProcess client;
    client.setProcessChannelMode(QProcess::SeparateChannels);
    // Debian's own interpreter, which has the client library (python3-pyatspi).
    client.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(ATSPI_TREE), QString::number(QCoreApplication::applicationPid())});
    if (!QTest::qWaitFor([&client] { return client.state() == QProcess::NotRunning; }, 60000)) {
        client.kill();
        client.waitForFinished();
        qWarning("the accessibility client did not finish");
        return {};
    }
    const QByteArray errors = client.readAllStandardError();
    if (client.exitCode() != 0) {
        qWarning("accessibility client: %s", errors.constData());
        return {};
    }
    const QJsonObject tree = QJsonDocument::fromJson(client.readAllStandardOutput()).object();
    QStringList titles;
    for (const QJsonValue &window : tree.value(QStringLiteral("windows")).toArray()) {
        if (window.toObject().value(QStringLiteral("name")).toString() == title)
            return window.toObject();
        titles.append(window.toObject().value(QStringLiteral("name")).toString());
    }
    qWarning("no showing window titled %s among: %s", qPrintable(title), qPrintable(titles.join(", ")));
    return {};
}

void AccessibleTreeTest::checkView(const QWidget *live, const Node &window, const QList<Expected> &expected)
{
    QVERIFY(!window.isEmpty());
    const QStringList small = smallTargets(live);
    QVERIFY2(small.isEmpty(), qPrintable(QStringLiteral("small: ") + small.join(QStringLiteral(", "))));
    const QStringList unnamed = unnamedControls(window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed: ") + unnamed.join(QStringLiteral(", "))));
    const QStringList unreachable = unreachableControls(window);
    QVERIFY2(unreachable.isEmpty(),
             qPrintable(QStringLiteral("not focusable: ") + unreachable.join(QStringLiteral(", "))));
    for (const Expected &e : expected) {
        const QList<Node> found = findAll(window, e.role, e.name);
        QVERIFY2(
            found.size() == 1,
            qPrintable(QStringLiteral("%1 \"%2\" found %3 times").arg(e.role, e.name).arg(found.size())));
        if (!e.description.isEmpty())
            QCOMPARE(found.first().value(QStringLiteral("description")).toString(), e.description);
    }
}

void AccessibleTreeTest::mainWindowReady()
{
    Launcher *launcher = openLauncher(m_release);
    QVERIFY(launcher);
    auto *play = launcher->findChild<QPushButton *>(QStringLiteral("play"));
    QVERIFY(QTest::qWaitFor([play] { return play->isEnabled(); }, 60000));
    const Node window = dumpWindow(QStringLiteral("Glimmerdeep"));
    const QString browser = QStringLiteral("Opens in your web browser");
    CHECK_VIEW(launcher, window,
               {{"page tab list", ""},
                {"page tab", "GAME"},
                {"page tab", "NEWS"},
                {"link", "Web", browser},
                {"link", "Forum", browser},
                {"link", "Facebook", browser},
                {"link", "YouTube", browser},
                {"link", "Twitter", browser},
                {"link", "Instagram", browser},
                {"link", "Discord", browser},
                {"push button", "Settings"},
                {"push button", "Minimize"},
                {"push button", "Close"},
                {"push button", "PLAY"},
                {"status bar", "The game is ready to play"}});
    QVERIFY(hasState(findAll(window, "page tab", "GAME").value(0), "selected"));
    QVERIFY(!hasState(findAll(window, "page tab", "NEWS").value(0), "selected"));
    // Ready to play: the focus is on PLAY.
    QVERIFY(hasState(findAll(window, "push button", "PLAY").value(0), "focused"));
}

void AccessibleTreeTest::mainWindowDownloading()
{
    Launcher *launcher = openLauncher(m_slow);
    QVERIFY(launcher);
    auto *status = launcher->findChild<QLabel *>(QStringLiteral("status"));
    QVERIFY(
        QTest::qWaitFor([status] { return status->text().startsWith(QLatin1String("Downloading")); }, 60000));
    const Node window = dumpWindow(QStringLiteral("Glimmerdeep"));
    CHECK_VIEW(launcher, window, {{"progress bar", "Update progress"}, {"push button", "Settings"}});
    const Node bar = findAll(window, "progress bar", "Update progress").value(0);
    QCOMPARE(bar.value(QStringLiteral("value")).toObject().value(QStringLiteral("maximum")).toDouble(),
             1000000.0);
    // The status bar's name is the step, without the figures of the moment it was announced.
    bool announced = false;
    walk(window, [&](const Node &node) {
        if (node.value(QStringLiteral("role")).toString() == QLatin1String("status bar"))
            announced =
                node.value(QStringLiteral("name")).toString().startsWith(QLatin1String("Downloading"));
    });
    QVERIFY(announced);
}

void AccessibleTreeTest::settingsPanel()
{
    Launcher *launcher = openLauncher(m_release);
    QVERIFY(launcher);
    auto *play = launcher->findChild<QPushButton *>(QStringLiteral("play"));
    QVERIFY(QTest::qWaitFor([play] { return play->isEnabled(); }, 60000));
    launcher->findChild<QPushButton *>(QStringLiteral("settings"))->click();
    QTest::qWait(600);
    const Node window = dumpWindow(QStringLiteral("Glimmerdeep"));
    CHECK_VIEW(launcher, window,
               {{"push button", "Back"},
                {"push button", "Checking game files..."},
                {"push button", "Diagnostics..."},
                {"push button", "Proxy..."},
                {"link", "License agreement"},
                {"link", "Privacy policy"},
                {"link", "Rules of conduct"}});
    // Each list is labelled by the text above it.
    QStringList labels;
    walk(window, [&](const Node &node) {
        if (node.value(QStringLiteral("role")).toString() == QLatin1String("combo box"))
            labels += node.value(QStringLiteral("labels")).toVariant().toStringList();
    });
    QCOMPARE(labels, (QStringList{"Language", "File download method", "Download speed"}));
}

void AccessibleTreeTest::newsTab()
{
    Launcher *launcher = openLauncher(m_release);
    QVERIFY(launcher);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 1; i <= 3; ++i) {
        NewsRecord record{now.addSecs(-3600 * 48 * i),
                          QUrl(QStringLiteral("http://127.0.0.1:1/post/%1").arg(i)),
                          QStringLiteral("Crystal caves update %1").arg(i),
                          QStringLiteral("New paths below the lake."), QUrl()};
        QVERIFY(QMetaObject::invokeMethod(launcher, "_insertNews", Q_ARG(FeedItem::SFeedItem, record)));
    }
    auto *news = launcher->findChildren<QToolButton *>(QStringLiteral("tabbtn")).value(1);
    QVERIFY(news);
    news->click();
    QTest::qWait(300);
    const Node window = dumpWindow(QStringLiteral("Glimmerdeep"));
    const QString date = now.addSecs(-3600 * 48).toLocalTime().toString(QStringLiteral("dd/MM/yyyy"));
    CHECK_VIEW(
        launcher, window,
        {{"page tab", "NEWS, 3 unread"},
         {"link", "Crystal caves update 1", QStringLiteral("New paths below the lake. (%1)").arg(date)},
         {"link", "Crystal caves update 2"},
         {"link", "Crystal caves update 3"}});
    QVERIFY(hasState(findAll(window, "page tab", "NEWS, 3 unread").value(0), "selected"));
}

void AccessibleTreeTest::dialogs_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    // role|name pairs
    QTest::newRow("message box") << "message"
                                 << "Glimmerdeep"
                                 << QStringList{"push button|Yes", "push button|No", "push button|Close",
                                                "push button|Minimize",
                                                "label|Program will exit. Do you want to continue?"};
    QTest::newRow("agreement") << "agreement"
                               << "License agreement"
                               << QStringList{"push button|ACCEPT", "push button|REJECT",
                                              "push button|Close"};
    QTest::newRow("proxy") << "proxy"
                           << "Proxy settings" << QStringList{"radio button|SOCKS", "radio button|HTTP",
                                                              "text|Host:",         "spin button|Port:",
                                                              "text|Login:",        "password text|Password:",
                                                              "push button|OK",     "push button|Cancel"};
    QTest::newRow("file check") << "check"
                                << "Checking game files"
                                << QStringList{"progress bar|Checking game files",
                                               "label|Checking game files", "push button|Cancel"};
    QTest::newRow("diagnostics") << "diagnostics"
                                 << "Diagnostics"
                                 << QStringList{"progress bar|Diagnostics", "label|Diagnostics",
                                                "push button|Cancel"};
    QTest::newRow("installer") << "install"
                               << "Glimmerdeep installation"
                               << QStringList{"push button|INSTALL", "check box|Create a desktop shortcut",
                                              "check box|Create start menu items"};
}

void AccessibleTreeTest::dialogs()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    JsonSettings settings;
    std::unique_ptr<QDialog> shown;
    if (dialog == QLatin1String("message"))
        shown = std::make_unique<StyledMessageBox>(
            QStringLiteral("Glimmerdeep"), QStringLiteral("Program will exit. Do you want to continue?"),
            StyledMessageBox::Yes | StyledMessageBox::No);
    else if (dialog == QLatin1String("agreement"))
        shown = std::make_unique<EulaDialog>(nullptr, QStringLiteral("1. The player may play."), true);
    else if (dialog == QLatin1String("proxy"))
        shown = std::make_unique<ProxyDialog>(&settings);
    else if (dialog == QLatin1String("check"))
        shown = std::make_unique<CheckDialog>(UpdateInfo());
    else if (dialog == QLatin1String("diagnostics"))
        shown = std::make_unique<DiagDialog>();
    else
        shown = std::make_unique<InstallDialog>();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QCOMPARE(shown->windowTitle(), title);
    QList<Expected> roles;
    for (const QString &pair : expected)
        roles.append({pair.section(QLatin1Char('|'), 0, 0), pair.section(QLatin1Char('|'), 1)});
    CHECK_VIEW(shown.get(), dumpWindow(title), roles);
    shown->hide();
}

QTEST_MAIN(AccessibleTreeTest)
#include "tst_accessibletree.moc"
