// Renders the main window in its states into PNG files, so it can be looked at: the game tab
// while a real update downloads from a release served by nginx on 127.0.0.1, the game tab when
// the game is ready, the news tab, and the ready window in German and Japanese.
// Usage: launcher_screenshots <output folder>   (run under Xvfb: scripts/screenshots)
#include "app/jsonsettings.h"
#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/torrentsession.h"
#include "tests/install/testhome.h"
#include "tests/ui/launcherkit.h"
#include "ui/appearance.h"
#include "ui/launcher.h"
#include "ui/tabs.h"
#include "update/autoupdate.h"

#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

namespace {

bool save(QWidget *window, const QString &folder, const QString &name)
{
    QTest::qWait(400);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
    return saved;
}

QUrl publishRelease(LauncherKit &kit)
{
    // Random contents keep the package large enough to watch it download.
    QByteArray pack(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(pack.data()), pack.size() / 4);
    return kit.publishGame(QStringLiteral("slow"), QStringLiteral("1.4.2"), {{"data/world.pak", pack}});
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = app.arguments().value(1);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return 2;
    TestHome home;
    QTemporaryDir appFolder;
    LauncherKit kit;
    if (!home.isValid() || !appFolder.isValid() ||
        !kit.start(QStringLiteral("location /slow/ { limit_rate 200k; }\n")))
        return 1;
    qputenv("GD7_DEPLOYMENT_CONFIG", QFile::encodeName(kit.deploymentConfigPath()));
    TorrentSession::setLoopbackOnly(true);
    const QUrl release = publishRelease(kit);
    if (!release.isValid())
        return 1;

    addApplicationFonts();
    app.setStyleSheet(loadStyleSheet());
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    launcherProduct = makeLauncherProduct();
    Paths::setApplicationFolder(appFolder.path());
    JsonSettings settings;
    settings.setValue(SettingsKey::EulaAccepted, EulaAcceptedValue);
    settings.setValue(SettingsKey::UpdateUrl, release.toString());
    settings.setValue(SettingsKey::UseTorrents, false);
    settings.save(Paths::settingsPath());
    gameProduct = makeGameProduct(&settings);
    AutoUpdate::instance()->setInstallPauseMs(0);

    bool ok = true;
    {
        Launcher launcher(&settings, false);
        launcher.show();
        auto *status = launcher.findChild<QLabel *>(QStringLiteral("status"));
        auto *play = launcher.findChild<QPushButton *>(QStringLiteral("play"));
        ok &= QTest::qWaitFor([&] { return status->text().contains(QLatin1String("%")); }, 30000);
        // Let the bar get some way and the rate settle.
        QTest::qWait(2000);
        ok &= save(&launcher, folder, QStringLiteral("game-progress"));
        ok &= QTest::qWaitFor([&] { return play->isEnabled(); }, 60000);
        ok &= save(&launcher, folder, QStringLiteral("game-ready"));
        QTest::mouseClick(launcher.findChild<Tabs *>()->button(1), Qt::LeftButton);
        ok &= save(&launcher, folder, QStringLiteral("news"));
        QTest::mouseClick(launcher.findChild<Tabs *>()->button(0), Qt::LeftButton);
        for (const char *language : {"de", "ja"}) {
            ok &= LanguageManager::instance().setLanguage(QString::fromLatin1(language));
            ok &= save(&launcher, folder, QStringLiteral("game-ready-") + QString::fromLatin1(language));
        }
    }
    AutoUpdate::destroyInstance();
    return ok ? 0 : 1;
}
