#include "app/launchaction.h"
#include "app/productinfo.h"
#include "app/version.h"

#include <QtTest>

class VersionAndActionsTest : public QObject
{
    Q_OBJECT
private slots:
    void parsesVersions_data();
    void parsesVersions();
    void comparesVersions();
    void describesLauncher();
    void parsesLaunchActions_data();
    void parsesLaunchActions();
};

void VersionAndActionsTest::parsesVersions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("three parts") << "4.0.18085"
                                 << "4.0.18085";
    QTest::newRow("two parts") << "1.2"
                               << "1.2.0";
    QTest::newRow("one part") << "7"
                              << "7.0.0";
    QTest::newRow("empty parts skipped") << "1..2."
                                         << "1.2.0";
    QTest::newRow("four parts") << "1.2.3.4"
                                << "-1.-1.-1";
    QTest::newRow("not a number") << "1.x.3"
                                  << "-1.-1.-1";
    QTest::newRow("empty") << ""
                           << "-1.-1.-1";
    QTest::newRow("negative part") << "1.-2.3"
                                   << "1.-2.3";
    QTest::newRow("hexadecimal is not base 10") << "0x1.2.3"
                                                << "-1.-1.-1";
}

void VersionAndActionsTest::parsesVersions()
{
    QFETCH(QString, text);
    QFETCH(QString, formatted);
    QCOMPARE(formatVersion(parseVersion(text)), formatted);
}

void VersionAndActionsTest::comparesVersions()
{
    QVERIFY(parseVersion(QStringLiteral("1.2.3")) == Version(1, 2, 3));
    QVERIFY(Version(1, 2, 3) != Version(1, 2, 4));
    QVERIFY(Version(1, 2, 3) < Version(1, 2, 4));
    QVERIFY(Version(1, 9, 9) < Version(2, 0, 0));
    QVERIFY(!(Version(2, 0, 0) < Version(1, 9, 9)));
    QVERIFY(Version() < Version(0, 0, 0));
    QVERIFY(!Version().isValid());
    QVERIFY(!parseVersion(QStringLiteral("1.-2.3")).isValid());
    QVERIFY(Version(0, 0, 0).isValid());
}

void VersionAndActionsTest::describesLauncher()
{
    const ProductInfo launcher = makeLauncherProduct();
    QCOMPARE(formatVersion(launcher.version), QStringLiteral("4.0.18085"));
    QCOMPARE(launcher.productId, QStringLiteral("gd7_launcher_en"));
    QCOMPARE(launcher.applicationId, QStringLiteral("com.gd7play.gd7_launcher_en"));
    QCOMPARE(launcher.companyName, QStringLiteral("Orvane"));
    QCOMPARE(installedVersionKey(QStringLiteral("gd7")), QStringLiteral("gd7.installed_version"));
}

void VersionAndActionsTest::parsesLaunchActions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QVariant>("path");
    QTest::addColumn<QVariant>("pid");
    const QString exe = QStringLiteral("GD7Launcher");
    QTest::newRow("no arguments") << QStringList{exe} << int(LaunchAction::None) << QVariant() << QVariant();
    QTest::newRow("update with options")
        << QStringList{exe, "--update", "--path", "/opt/gd 7", "--pid", "4242"} << int(LaunchAction::Update)
        << QVariant(QStringLiteral("/opt/gd 7")) << QVariant(4242);
    QTest::newRow("path as last argument")
        << QStringList{exe, "--update", "--path"} << int(LaunchAction::Update) << QVariant() << QVariant();
    QTest::newRow("pid not a number") << QStringList{exe, "--uninstall", "--pid", "abc"}
                                      << int(LaunchAction::Uninstall) << QVariant() << QVariant(0);
    QTest::newRow("last action wins") << QStringList{exe, "--install", "--uninstall"}
                                      << int(LaunchAction::Uninstall) << QVariant() << QVariant();
    QTest::newRow("case-sensitive") << QStringList{exe, "--INSTALL"} << int(LaunchAction::None) << QVariant()
                                    << QVariant();
    QTest::newRow("repeated option overwrites")
        << QStringList{exe, "--path", "a", "--path", "b", "--install"} << int(LaunchAction::Install)
        << QVariant(QStringLiteral("b")) << QVariant();
    QTest::newRow("option value is not an action")
        << QStringList{exe, "--path", "--install"} << int(LaunchAction::None)
        << QVariant(QStringLiteral("--install")) << QVariant();
}

void VersionAndActionsTest::parsesLaunchActions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QVariant, path);
    QFETCH(QVariant, pid);
    ActionOptions options;
    options.insert(LaunchOption::Pid, 99);
    QCOMPARE(int(parseLaunchAction(arguments, options)), action);
    QCOMPARE(options.value(LaunchOption::Path), path);
    QCOMPARE(options.value(LaunchOption::Pid), pid);
}

QTEST_GUILESS_MAIN(VersionAndActionsTest)
#include "tst_versionandactions.moc"
