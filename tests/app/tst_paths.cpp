#include "app/paths.h"
#include "app/productinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class PathsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void joinsPaths_data();
    void joinsPaths();
    void stripsFirstComponent_data();
    void stripsFirstComponent();
    void resolvesFolderKinds();
    void namesApplicationFiles();
    void drawsFreshTemporaryNames();
    void reportsFoldersThatCannotBeMade();

private:
    QTemporaryDir m_home;
};

void PathsTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("state"))));
    launcherProduct = makeLauncherProduct();
    launcherProduct.companyName = QStringLiteral("Orv ane");
    launcherProduct.productName = QStringLiteral("Glimmer deep");
    Paths::setApplicationFolder(m_home.filePath(QStringLiteral("app")));
}

void PathsTest::joinsPaths_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes and leading separator") << "C:\\Games\\GD7\\"
                                                       << "\\Game"
                                                       << "C:/Games/GD7/Game";
    QTest::newRow("empty first is returned unchanged") << ""
                                                       << "a\\b"
                                                       << "a\\b";
    QTest::newRow("empty second") << "a\\b"
                                  << ""
                                  << "a\\b";
    QTest::newRow("adds one separator") << "/opt/gd7"
                                        << "Game/x.bin"
                                        << "/opt/gd7/Game/x.bin";
    QTest::newRow("drops only one leading separator") << "/opt/"
                                                      << "//x"
                                                      << "/opt//x";
}

void PathsTest::joinsPaths()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, expected);
    QCOMPARE(Paths::joinPath(first, second), expected);
}

void PathsTest::stripsFirstComponent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("archive root") << "gd7_1.2.0\\Data\\a.bin"
                                  << "Data/a.bin";
    QTest::newRow("no separator") << "file.bin"
                                  << "file.bin";
    QTest::newRow("leading separator") << "/a/b"
                                       << "a/b";
}

void PathsTest::stripsFirstComponent()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(Paths::stripFirstComponent(path), expected);
}

void PathsTest::resolvesFolderKinds()
{
    const QString roaming = m_home.filePath(QStringLiteral("config/"));
    QCOMPARE(Paths::rawFolder(Paths::RoamingAppData), roaming);
    QCOMPARE(Paths::rawFolder(Paths::LocalAppData), m_home.filePath(QStringLiteral("data/")));
    QCOMPARE(Paths::rawFolder(Paths::LauncherAppData), roaming + "Orvane/Glimmerdeep/Application/");
    QCOMPARE(Paths::rawFolder(Paths::ProductData), roaming + "Orvane/Glimmerdeep");
    QCOMPARE(Paths::folder(Paths::ProductData), roaming + "Orvane/Glimmerdeep/");
    QCOMPARE(Paths::rawFolder(Paths::CompanyData), roaming + "Orvane/");
    QCOMPARE(Paths::rawFolder(Paths::StartMenu), m_home.filePath(QStringLiteral("data/applications/")));
    QCOMPARE(Paths::rawFolder(Paths::QuickLaunch), roaming + "Microsoft/Internet Explorer/Quick Launch/");
    QCOMPARE(Paths::rawFolder(Paths::GamePerUserData),
             m_home.filePath(QStringLiteral("state/Orvane LLC/Glimmerdeep/")));
    QCOMPARE(Paths::rawFolder(Paths::GameRoamingData), roaming + "Orvane LLC/Glimmerdeep/");
    QCOMPARE(Paths::rawFolder(Paths::SystemFolder), QStringLiteral("/"));
    QCOMPARE(Paths::rawFolder(Paths::HostsFile), QStringLiteral("/etc/hosts"));
    QCOMPARE(Paths::folder(Paths::ApplicationFolder), m_home.filePath(QStringLiteral("app/")));
    QVERIFY(Paths::folder(Paths::Desktop).endsWith(QLatin1Char('/')));
    QCOMPARE(Paths::folder(14), QString());
    QCOMPARE(Paths::folder(-1), QString());
    QCOMPARE(Paths::gameSessionDataPath(), roaming + "Orvane/GlimmerdeepEN/Session.dat");
    QCOMPARE(Paths::gameLogPath(),
             m_home.filePath(QStringLiteral("state/Orvane LLC/Glimmerdeep/Player.log")));

    QVERIFY(!QFileInfo::exists(roaming + "Orvane/"));
    Paths::folder(Paths::CompanyData, true);
    QVERIFY(QFileInfo(roaming + "Orvane/").isDir());
}

void PathsTest::namesApplicationFiles()
{
    const QString app = m_home.filePath(QStringLiteral("app/"));
    QCOMPARE(Paths::logPath(), app + "log.txt");
    QVERIFY(QFileInfo(app).isDir());
    QCOMPARE(Paths::previousLogPath(), app + "log_prev.txt");
    QCOMPARE(Paths::settingsPath(), app + "GD7Launcher.conf");
    QCOMPARE(Paths::sessionPath(), app + "Session.conf");
    QCOMPARE(Paths::traceToolPath(), app + "mtr.exe");

    QVERIFY(!Paths::gameFolderExists());
    QCOMPARE(Paths::gameFolder(), app + "Game/");
    QVERIFY(!Paths::gameFolderExists());
    Paths::gameFolder(true);
    QVERIFY(Paths::gameFolderExists());

    QCOMPARE(Paths::updateTempFolder(), app + "UpdateTemp/");
    QVERIFY(!QFileInfo::exists(app + "UpdateTemp"));
    QCOMPARE(Paths::updateTempSubfolder(QStringLiteral("gd7\\1.2.0")), app + "UpdateTemp/gd7/1.2.0/");
    QVERIFY(QFileInfo(app + "UpdateTemp/gd7/1.2.0").isDir());
    QCOMPARE(Paths::updateFolder(), app + "Update/");
    QVERIFY(QFileInfo(app + "Update").isDir());
    QCOMPARE(Paths::recoverTempFolder(true), app + "RecoverTemp/");
    QVERIFY(QFileInfo(app + "RecoverTemp").isDir());
}

void PathsTest::drawsFreshTemporaryNames()
{
    const QString first = Paths::randomTempFile();
    QVERIFY(first.startsWith(m_home.filePath(QStringLiteral("data/Temp/gd_"))));
    QVERIFY(QRegularExpression(QStringLiteral("gd_[0-9a-f]+$")).match(first).hasMatch());
    QVERIFY(QFileInfo(first).dir().exists());
    QVERIFY(!QFileInfo::exists(first));
    QFile taken(first);
    QVERIFY(taken.open(QIODevice::WriteOnly));
    QSet<QString> names;
    for (int i = 0; i < 200; ++i)
        names.insert(Paths::randomTempFile());
    QVERIFY(!names.contains(first));
    QVERIFY(names.size() > 190);
}

void PathsTest::reportsFoldersThatCannotBeMade()
{
    const QString file = m_home.filePath(QStringLiteral("plain-file"));
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(Paths::makePath(m_home.filePath(QStringLiteral("a/b/c"))));
    QVERIFY(Paths::makePath(m_home.filePath(QStringLiteral("a/b/c"))));
    QVERIFY(!Paths::makePath(file + QStringLiteral("/sub")));
}

QTEST_GUILESS_MAIN(PathsTest)
#include "tst_paths.moc"
