#include "tests/install/testhome.h"
#include "tests/ui/launcherkit.h"
#include "tests/ui/xdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

const QSize MainWindow(1184, 720);
const QSize Agreement(900, 636);
const QString Title = QStringLiteral("Glimmerdeep");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject readJson(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

template<typename Condition> bool waitUntil(Condition condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(100);
    }
    return true;
}

// The files of a snapshot, without the launcher's own log (every run writes one).
QMap<QString, QByteArray> withoutLogs(QMap<QString, QByteArray> snapshot)
{
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        if (it.key().endsWith(QLatin1String("log.txt")) || it.key().endsWith(QLatin1String("log_prev.txt")))
            it = snapshot.erase(it);
        else
            ++it;
    }
    return snapshot;
}

QString describe(const QList<QRect> &windows)
{
    QStringList lines;
    for (const QRect &window : windows)
        lines.append(QStringLiteral("%1,%2 %3x%4")
                         .arg(window.x())
                         .arg(window.y())
                         .arg(window.width())
                         .arg(window.height()));
    return QStringLiteral("windows titled so: ") + lines.join(QStringLiteral("; "));
}

} // namespace

// The real GD7Launcher, copied into a player's home with blanks and non-ASCII characters in its
// path, run as its own process on this test's X server and driven through its buttons: the
// agreement, the update from a release served by nginx, PLAY starting the game, the single
// instance, the retry prompt's Exit, closing when idle, and the uninstaller's question.
class LauncherProcessTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playStartsTheGame();
    void keyboardOnly();
    void secondStartOnlyWakesTheFirst();
    void refusingTheAgreement_data();
    void refusingTheAgreement();
    void leavingWithoutQuestion_data();
    void leavingWithoutQuestion();
    void updateCopierReportsItsFailure();
    void uninstallAsksFirst_data();
    void uninstallAsksFirst();

private:
    QString installFolder() const { return m_home->filePath(QStringLiteral("Games/Glimmerdeep Ü 游戏/")); }
    QString launcherPath() const { return installFolder() + QStringLiteral("GD7Launcher"); }
    QString settingsPath() const { return installFolder() + QStringLiteral("GD7Launcher.conf"); }
    void writeSettings(const QJsonObject &settings);
    // Started processes are ended by cleanup() if they still run.
    QProcess *start(const QStringList &arguments = {});
    bool waitForInstalledGame();
    // What the launcher logged so far and whether it still runs, to explain a window that did
    // not come.
    QString launcherLog(const QProcess *launcher) const
    {
        const QString state = launcher->state() == QProcess::NotRunning
                                  ? QStringLiteral("ended with %1").arg(launcher->exitCode())
                                  : QStringLiteral("still running");
        return QStringLiteral("\nlauncher %1, its log:\n").arg(state) +
               QString::fromUtf8(readFile(installFolder() + QStringLiteral("log.txt")));
    }

    LauncherKit m_kit;
    QUrl m_release;
    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_runtime;
    QTemporaryDir m_temp;
    std::list<std::unique_ptr<QProcess>> m_processes;
};

void LauncherProcessTest::initTestCase()
{
    QVERIFY(m_kit.start());
    QVERIFY(m_runtime.isValid() && m_temp.isValid());
    const QByteArray game = readFile(QStringLiteral(GAME_PROBE));
    QVERIFY(!game.isEmpty());
    m_release = m_kit.publishGame(QStringLiteral("mirror"), QStringLiteral("1.0.0"),
                                  {{"gd7_x64", game}, {"data/world.pak", QByteArray(5000, 'w')}});
    QVERIFY(m_release.isValid());
}

void LauncherProcessTest::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(QDir().mkpath(installFolder()));
    QVERIFY(QFile::copy(QStringLiteral(GD7_LAUNCHER), launcherPath()));
}

void LauncherProcessTest::cleanup()
{
    for (auto &process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_processes.clear();
    m_home.reset();
}

void LauncherProcessTest::writeSettings(const QJsonObject &settings)
{
    QVERIFY(TestHome::writeFile(settingsPath(), QJsonDocument(settings).toJson()));
}

QProcess *LauncherProcessTest::start(const QStringList &arguments)
{
    m_processes.push_back(std::make_unique<QProcess>());
    QProcess *process = m_processes.back().get();
    QProcessEnvironment environment = m_home->environment();
    environment.insert(QStringLiteral("GD7_DEPLOYMENT_CONFIG"), m_kit.deploymentConfigPath());
    environment.insert(QStringLiteral("GD7_GAME_PROBE_RECORD"),
                       m_home->filePath(QStringLiteral("game.json")));
    // The single-instance lock lives in the temporary folder: one for the whole test, kept like
    // a system's, so each start finds the objects the previous one left there.
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    // An English system, whatever the machine's own locale.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(launcherPath(), arguments);
    process->waitForStarted();
    return process;
}

bool LauncherProcessTest::waitForInstalledGame()
{
    return waitUntil(
        [this] { return readJson(settingsPath()).value("gd7.installed_version").toString() == "1.0.0"; },
        60000);
}

// The whole first run: agreement, update, PLAY; the game gets its arguments and its folder.
void LauncherProcessTest::playStartsTheGame()
{
    writeSettings(
        {{"update_url", m_release.toString()}, {"use_torrents", false}, {"general.ui_language", "en"}});
    QProcess *launcher = start();
    const QRect agreement = xdriver::waitForWindow(QStringLiteral("License agreement"), Agreement);
    QVERIFY2(!agreement.isEmpty(), qPrintable(launcherLog(launcher)));
    QVERIFY(xdriver::click(agreement.topLeft() + QPoint(682, 597)));
    QVERIFY(waitForInstalledGame());
    QCOMPARE(readJson(settingsPath()).value("eula_accepted"), QJsonValue(20171002));

    // PLAY is enabled once the update has finished; press it until the game starts.
    const QRect window = xdriver::waitForWindow(Title, MainWindow);
    QVERIFY(!window.isEmpty());
    const QString record = m_home->filePath(QStringLiteral("game.json"));
    QVERIFY(waitUntil(
        [&] {
            xdriver::click(window.topLeft() + QPoint(MainWindow.width() - 45, MainWindow.height() - 48));
            return QFile::exists(record) || launcher->state() == QProcess::NotRunning;
        },
        30000));
    QVERIFY(launcher->waitForFinished(20000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
    QVERIFY(waitUntil([&] { return !readJson(record).isEmpty(); }, 10000));
    const QJsonObject started = readJson(record);
    QCOMPARE(started.value("args").toVariant().toStringList(),
             (QStringList{"-region", "EN", "-locale", "en"}));
    QCOMPARE(QDir(started.value("cwd").toString()).canonicalPath(),
             QDir(installFolder() + QStringLiteral("Game")).canonicalPath());
    QCOMPARE(QFileInfo(started.value("program").toString()).canonicalFilePath(),
             QFileInfo(installFolder() + QStringLiteral("Game/gd7_x64")).canonicalFilePath());
}

// Everything a player does, by the keyboard alone: the agreement, the update, the settings
// panel and each of its dialogs, the news tab, PLAY. Each dialog gives the focus back to the
// control that opened it, so the same key opens it again.
void LauncherProcessTest::keyboardOnly()
{
    writeSettings(
        {{"update_url", m_release.toString()}, {"use_torrents", false}, {"general.ui_language", "en"}});
    QProcess *launcher = start();
    const QRect agreement = xdriver::waitForWindow(QStringLiteral("License agreement"), Agreement);
    QVERIFY2(!agreement.isEmpty(), qPrintable(launcherLog(launcher)));
    QVERIFY(xdriver::waitForFocus(QStringLiteral("License agreement"), Agreement));
    // Escape asks before leaving; the question's default answer, No, keeps the agreement.
    QVERIFY(xdriver::key(QStringLiteral("Escape")));
    QRect question = xdriver::waitForBoxSmallerThan(Title, Agreement);
    QVERIFY(!question.isEmpty());
    QVERIFY(xdriver::waitForFocus(Title, question.size()));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY(xdriver::waitForWindowGone(Title, question.size()));
    QCOMPARE(xdriver::windows(QStringLiteral("License agreement")).size(), 1);
    QVERIFY(xdriver::waitForFocus(QStringLiteral("License agreement"), Agreement));
    // ACCEPT is the agreement's default button.
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY2(waitForInstalledGame(), qPrintable(launcherLog(launcher)));
    const QRect window = xdriver::waitForWindow(Title, MainWindow);
    QVERIFY(!window.isEmpty());
    const QPoint play = window.topLeft() + QPoint(MainWindow.width() - 45, MainWindow.height() - 48);
    const QColor lime(200, 214, 63);
    QVERIFY(waitUntil([&] { return xdriver::pixel(play) == lime; }, 10000));
    QVERIFY(xdriver::waitForFocus(Title, MainWindow));

    // Escape on the main window leaves it as it is.
    QVERIFY(xdriver::key(QStringLiteral("Escape")));
    QThread::msleep(500);
    QCOMPARE(launcher->state(), QProcess::Running);
    QCOMPARE(xdriver::windows(Title).size(), 1);

    // The focus is on PLAY once the game is ready; back past close and minimise is Settings,
    // which opens the panel with the focus on its Back button.
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab"), 3));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    // Back, language, download method, speed, file check, diagnostics, proxy.
    QVERIFY(xdriver::key(QStringLiteral("Tab"), 6));
    const QSize proxy(450, 300);
    for (int round = 0; round < 2; ++round) {
        QVERIFY(xdriver::key(QStringLiteral("Return")));
        QVERIFY2(!xdriver::waitForWindow(QStringLiteral("Proxy settings"), proxy, 20000).isEmpty(),
                 qPrintable(launcherLog(launcher)));
        QVERIFY(xdriver::waitForFocus(QStringLiteral("Proxy settings"), proxy));
        QVERIFY(xdriver::key(QStringLiteral("Escape")));
        QVERIFY(xdriver::waitForWindowGone(QStringLiteral("Proxy settings"), proxy));
        QVERIFY(xdriver::waitForFocus(Title, MainWindow));
    }

    // Diagnostics, left through its question: Escape asks, Yes is pressed with Space (Enter
    // always chooses a question's default, No).
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab")));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    const QSize tool(450, 190);
    QVERIFY(!xdriver::waitForWindow(QStringLiteral("Diagnostics"), tool, 20000).isEmpty());
    QVERIFY(xdriver::waitForFocus(QStringLiteral("Diagnostics"), tool));
    QVERIFY(xdriver::key(QStringLiteral("Escape")));
    question = xdriver::waitForBoxSmallerThan(Title, MainWindow);
    QVERIFY(!question.isEmpty());
    QVERIFY(xdriver::waitForFocus(Title, question.size()));
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab")));
    QVERIFY(xdriver::key(QStringLiteral("space")));
    QVERIFY(xdriver::waitForWindowGone(QStringLiteral("Diagnostics"), tool, 60000));
    QVERIFY(xdriver::waitForFocus(Title, MainWindow));

    // The file check ends with a message; after its OK the focus is back on the check button.
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab")));
    for (int round = 0; round < 2; ++round) {
        QVERIFY(xdriver::key(QStringLiteral("Return")));
        QVERIFY2(!xdriver::waitForWindow(QStringLiteral("Checking game files"), tool, 20000).isEmpty(),
                 qPrintable(launcherLog(launcher)));
        const QRect message = xdriver::waitForBoxSmallerThan(Title, MainWindow);
        QVERIFY(!message.isEmpty());
        QVERIFY(xdriver::waitForFocus(Title, message.size()));
        QVERIFY(xdriver::key(QStringLiteral("Return")));
        QVERIFY(xdriver::waitForWindowGone(Title, message.size()));
        QVERIFY(xdriver::waitForWindowGone(QStringLiteral("Checking game files"), tool));
        QVERIFY(xdriver::waitForFocus(Title, MainWindow));
    }

    // Escape closes the panel and gives the focus back to Settings; before it, seven page
    // buttons, then NEWS, whose page hides PLAY.
    QVERIFY(xdriver::key(QStringLiteral("Escape")));
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab"), 8));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY(waitUntil([&] { return xdriver::pixel(play) != lime; }, 10000));
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab")));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY(waitUntil([&] { return xdriver::pixel(play) == lime; }, 10000));

    // Before GAME, round the end of the order, is PLAY.
    QVERIFY(xdriver::key(QStringLiteral("shift+Tab")));
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY(launcher->waitForFinished(20000));
    QCOMPARE(launcher->exitCode(), 0);
    const QString record = m_home->filePath(QStringLiteral("game.json"));
    QVERIFY(waitUntil([&] { return !readJson(record).isEmpty(); }, 10000));
    QCOMPARE(readJson(record).value("args").toVariant().toStringList(),
             (QStringList{"-region", "EN", "-locale", "en"}));
}

// A second start wakes the first and leaves at once: still one window, still one launcher.
void LauncherProcessTest::secondStartOnlyWakesTheFirst()
{
    writeSettings(
        {{"eula_accepted", 20171002}, {"update_url", m_release.toString()}, {"use_torrents", false}});
    QProcess *first = start();
    QVERIFY(!xdriver::waitForWindow(Title, MainWindow).isEmpty());
    QProcess *second = start();
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QThread::msleep(1500);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(xdriver::windows(Title).size(), 1);
}

// Refusing the agreement ends the launcher with 1 before anything reaches the server, and
// leaves the settings file as it was, even one that is not JSON.
void LauncherProcessTest::refusingTheAgreement_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("first run") << QByteArray("{ \"general.ui_language\": \"en\" }");
    QTest::newRow("eula_accepted 1") << QByteArray("{ \"eula_accepted\": 1 }");
    QTest::newRow("not JSON") << QByteArray("eula_accepted = 20171002 {");
}

void LauncherProcessTest::refusingTheAgreement()
{
    QFETCH(QByteArray, settings);
    QVERIFY(TestHome::writeFile(settingsPath(), settings));
    const int requests = m_kit.requests().size();
    QProcess *launcher = start();
    const QRect agreement = xdriver::waitForWindow(QStringLiteral("License agreement"), Agreement);
    QVERIFY2(!agreement.isEmpty(), qPrintable(launcherLog(launcher)));
    QVERIFY(xdriver::click(agreement.topLeft() + QPoint(822, 597)));
    const QRect question = xdriver::waitForBoxSmallerThan(Title, Agreement);
    QVERIFY(!question.isEmpty());
    QVERIFY(xdriver::click(xdriver::yesButtonOfQuestion(question)));
    QVERIFY(launcher->waitForFinished(20000));
    QCOMPARE(launcher->exitCode(), 1);
    QCOMPARE(m_kit.requests().size(), requests);
    QCOMPARE(readFile(settingsPath()), settings);
}

void LauncherProcessTest::leavingWithoutQuestion_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit in the retry prompt") << "retry prompt";
    QTest::newRow("close button when idle") << "close";
}

// Declining the retry, or closing the window while nothing runs, ends the launcher with 0.
void LauncherProcessTest::leavingWithoutQuestion()
{
    QFETCH(QString, how);
    const bool prompt = how == QLatin1String("retry prompt");
    const QUrl manifest = prompt ? m_kit.url(QStringLiteral("missing/update.json")) : m_release;
    writeSettings({{"eula_accepted", 20171002},
                   {"update_url", manifest.toString()},
                   {"use_torrents", false},
                   {"general.ui_language", "en"}});
    QProcess *launcher = start();
    const QRect window = xdriver::waitForWindow(Title, MainWindow);
    QVERIFY2(!window.isEmpty(), qPrintable(describe(xdriver::windows(Title)) + launcherLog(launcher)));
    if (prompt) {
        QVERIFY(!xdriver::waitForBoxSmallerThan(Title, MainWindow).isEmpty());
        // Exit is the box's default button.
        QVERIFY(xdriver::key(QStringLiteral("Return")));
    } else {
        QVERIFY(waitForInstalledGame());
        QThread::msleep(500);
        QVERIFY(xdriver::click(window.topLeft() + QPoint(MainWindow.width() - 12 - 9, 12 + 9)));
    }
    QVERIFY(launcher->waitForFinished(20000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
}

// The self-update copier without its options says why in a box and ends with 1.
void LauncherProcessTest::updateCopierReportsItsFailure()
{
    writeSettings({{"general.ui_language", "en"}});
    QProcess *copier = start({QStringLiteral("--update"), QStringLiteral("--pid"), QStringLiteral("1")});
    const QRect box = xdriver::waitForBoxSmallerThan(Title, MainWindow);
    QVERIFY2(!box.isEmpty(), qPrintable(launcherLog(copier)));
    QCOMPARE(copier->state(), QProcess::Running);
    QVERIFY(xdriver::key(QStringLiteral("Return")));
    QVERIFY(copier->waitForFinished(20000));
    QCOMPARE(copier->exitCode(), 1);
    QCOMPARE(xdriver::windows(Title).size(), 0);
}

void LauncherProcessTest::uninstallAsksFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("no keeps everything") << false;
    QTest::newRow("yes removes the game") << true;
}

// The uninstaller started from the menu asks before it copies or removes anything.
void LauncherProcessTest::uninstallAsksFirst()
{
    QFETCH(bool, confirm);
    for (const char *file : {"Game/gd7_x64", "Game/data/world.pak", "3rdparty.txt"})
        QVERIFY(TestHome::writeFile(installFolder() + QString::fromLatin1(file), "x"));
    writeSettings(
        {{"eula_accepted", 20171002}, {"gd7.installed_version", "1.0.0"}, {"general.ui_language", "en"}});
    const auto before = withoutLogs(m_home->snapshot());

    QProcess *uninstaller = start({QStringLiteral("--uninstall")});
    const QRect question = xdriver::waitForBoxSmallerThan(Title, MainWindow);
    QVERIFY(!question.isEmpty());
    QVERIFY(xdriver::click(confirm ? xdriver::yesButtonOfQuestion(question)
                                   : xdriver::noButtonOfQuestion(question)));
    QVERIFY(uninstaller->waitForFinished(20000));
    QCOMPARE(uninstaller->exitCode(), 0);
    if (!confirm) {
        QThread::msleep(1000);
        QCOMPARE(TestHome::differences(before, withoutLogs(m_home->snapshot())), QString());
        return;
    }
    // The second stage runs from a temporary copy and removes the installation.
    QVERIFY(
        waitUntil([this] { return !QFileInfo::exists(installFolder() + QStringLiteral("Game")); }, 30000));
    QVERIFY(waitUntil([this] { return !QFileInfo::exists(settingsPath()); }, 10000));
    const QString temp = m_home->filePath(QStringLiteral(".local/share/Temp"));
    QVERIFY(
        waitUntil([&] { return QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty(); }, 30000));
}

QTEST_MAIN(LauncherProcessTest)
#include "tst_launcherprocess.moc"
