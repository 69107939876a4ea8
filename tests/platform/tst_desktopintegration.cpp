#include "platform/launcherfiles.h"
#include "platform/shelllink.h"
#include "platform/uninstallrecord.h"
#include "probehelpers.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Desktop entries and the uninstall record as the desktop reads them: desktop-file-validate
// checks each file and gio launches it the way a menu or the desktop does.
class DesktopIntegrationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void linksStartTheirProgram_data();
    void linksStartTheirProgram();
    void commandLineSurvivesTheShell_data();
    void commandLineSurvivesTheShell();
    void removesLinks();
    void keepsUninstallRecord();
    void replacesUninstallRecord();
    void failedRecordLeavesNothing();
    void listsLauncherFilesLauncherLast();
    void namesExecutablesTheLinuxWay_data();
    void namesExecutablesTheLinuxWay();

private:
    static QString validationErrors(const QString &path);
    QJsonObject launch(const QString &program, const QString &linkPath);
    static platform::UninstallRecord sampleRecord(const QString &folder);

    QTemporaryDir m_home;
    int m_reports = 0;
};

void DesktopIntegrationTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty(),
             "desktop-file-utils is not installed (scripts/install-deps)");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty(),
             "libglib2.0-bin is not installed (scripts/install-deps)");
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".local/share"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

QString DesktopIntegrationTest::validationErrors(const QString &path)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validate.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not finish");
    const QString output = QString::fromUtf8(validate.readAll());
    if (validate.exitCode() != 0 || output.contains(QStringLiteral("error")) ||
        output.contains(QStringLiteral("warning")))
        return output.isEmpty() ? QStringLiteral("exit code %1").arg(validate.exitCode()) : output;
    return QString();
}

// Launches the desktop entry as a desktop does and returns what the started probe saw.
QJsonObject DesktopIntegrationTest::launch(const QString &program, const QString &linkPath)
{
    const QString report = m_home.filePath(QStringLiteral("report-%1.json").arg(++m_reports));
    qputenv("GD7_PROBE_REPORT", QFile::encodeName(report));
    QProcess gio;
    gio.start(QStringLiteral("gio"), {QStringLiteral("launch"), linkPath});
    if (!gio.waitForFinished(10000) || gio.exitCode() != 0) {
        qWarning() << "gio launch failed:" << gio.readAllStandardError();
        return QJsonObject();
    }
    const QJsonObject started = waitForReport(report);
    if (started.value(QStringLiteral("program")).toString() != program)
        qWarning() << "started" << started << "instead of" << program;
    return started;
}

void DesktopIntegrationTest::linksStartTheirProgram_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("windowClass");
    QTest::newRow("plain") << "Games/GD7"
                           << "Glimmerdeep" << QStringList{"report"} << "GD7Launcher";
    QTest::newRow("blanks") << "My Games/Glimmer deep"
                            << "Glimmer deep" << QStringList{"report", "a b"} << "GD7Launcher";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Spiele/Glänzende Tiefe 游戏")
                               << QString::fromUtf8("Glänzende Tiefe") << QStringList{"report", "--uninstall"}
                               << QString();
    // GLib looks for the program before it undoes the "%%" escape, so "%" is tried in arguments.
    QTest::newRow("quotes and specials")
        << "it's \"here\" $HOME `x` \\back"
        << "Name with = and ; and #" << QStringList{"report", "50%", "$x"} << QString();
}

void DesktopIntegrationTest::linksStartTheirProgram()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    QFETCH(QString, windowClass);
    const QString program = m_home.filePath(folder + QStringLiteral("/GD7Launcher"));
    QVERIFY(placeProbe(program));
    const QString linkPath =
        m_home.filePath(QStringLiteral("Desktop/") + QTest::currentDataTag() + platform::shellLinkSuffix());
    QVERIFY(QDir().mkpath(QFileInfo(linkPath).absolutePath()));

    QVERIFY(platform::createShellLink(linkPath, {program, arguments, name}, windowClass) >= 0);
    QCOMPARE(platform::shellLinkSuffix(), QStringLiteral(".desktop"));
    // Whatever the shown name, the launcher's entry carries the id the task-bar progress names.
    QCOMPARE(platform::launcherLinkFileName(name), QStringLiteral("GD7Launcher.desktop"));
    QFile file(linkPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(file.readAll());
    QCOMPARE(entry.contains(QStringLiteral("\nStartupWMClass=GD7Launcher\n")), !windowClass.isEmpty());
    QCOMPARE(entry.contains(QStringLiteral("StartupWMClass")), !windowClass.isEmpty());
    const QString errors = validationErrors(linkPath);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    QVERIFY(QFileInfo(linkPath).permissions().testFlag(QFileDevice::ExeOwner));

    const QJsonObject started = launch(program, linkPath);
    QCOMPARE(started.value(QStringLiteral("program")).toString(), program);
    QCOMPARE(started.value(QStringLiteral("args")).toVariant().toStringList(), arguments.mid(1));

    // Creating it again replaces it.
    QVERIFY(platform::createShellLink(
                linkPath, {program, {QStringLiteral("report"), QStringLiteral("again")}, name}) >= 0);
    QCOMPARE(launch(program, linkPath).value(QStringLiteral("args")).toVariant().toStringList(),
             QStringList{QStringLiteral("again")});
}

void DesktopIntegrationTest::commandLineSurvivesTheShell_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("blanks") << "Glimmer deep";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Tiefe 游戏 ü");
    QTest::newRow("shell characters") << "a \"b\" $c `d` \\e 'f' ;g &h *";
}

void DesktopIntegrationTest::commandLineSurvivesTheShell()
{
    QFETCH(QString, folder);
    const QString program =
        m_home.filePath(QStringLiteral("shell/") + folder + QStringLiteral("/GD7Launcher"));
    QVERIFY(placeProbe(program));
    const QString report = m_home.filePath(QStringLiteral("shell-report-") + QTest::currentDataTag());
    qputenv("GD7_PROBE_REPORT", QFile::encodeName(report));
    const QString line =
        platform::commandLine({program, {QStringLiteral("report"), QStringLiteral("--uninstall")}, {}});

    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    const QJsonObject started = waitForReport(report);
    QCOMPARE(started.value(QStringLiteral("program")).toString(), program);
    QCOMPARE(started.value(QStringLiteral("args")).toVariant().toStringList(),
             QStringList{QStringLiteral("--uninstall")});
}

void DesktopIntegrationTest::removesLinks()
{
    const QString linkPath = m_home.filePath(QStringLiteral("Desktop/Removed.desktop"));
    QVERIFY(platform::createShellLink(
                linkPath, {QStringLiteral("/opt/GD7/GD7Launcher"), {}, QStringLiteral("R")}) >= 0);
    QVERIFY(platform::removeShellLink(linkPath));
    QVERIFY(!QFileInfo::exists(linkPath));
    QVERIFY(!platform::removeShellLink(linkPath));
    QVERIFY(platform::createShellLink(m_home.filePath(QStringLiteral("Desktop/missing/x.desktop")),
                                      {QStringLiteral("/x"), {}, QStringLiteral("x")}) >= 0);
}

platform::UninstallRecord DesktopIntegrationTest::sampleRecord(const QString &folder)
{
    const QString program = folder + QStringLiteral("/GD7Launcher");
    platform::UninstallRecord record;
    record.displayIcon = program;
    record.displayName = QString::fromUtf8("Glimmerdeep – Glänzende Tiefe");
    record.displayVersion = QStringLiteral("4.0.18085");
    record.installLocation = folder;
    record.uninstallString = platform::commandLine({program, {QStringLiteral("--uninstall")}, {}});
    record.urlInfoAbout = QStringLiteral("https://www.gd7play.example");
    record.publisher = QStringLiteral("Orvane");
    return record;
}

void DesktopIntegrationTest::keepsUninstallRecord()
{
    const QString id = QStringLiteral("com.gd7play.test_keep");
    const QString folder = m_home.filePath(QString::fromUtf8("Games/Glimmer deep 游戏"));
    const QString program = folder + QStringLiteral("/GD7Launcher");
    QVERIFY(placeProbe(program));
    const platform::UninstallRecord record = sampleRecord(folder);
    const QString menuEntry = m_home.filePath(QStringLiteral(".local/share/applications/") + id +
                                              QStringLiteral(".uninstall.desktop"));

    QVERIFY(platform::writeUninstallRecord(id, record,
                                           {program,
                                            {QStringLiteral("report"), QStringLiteral("--uninstall")},
                                            QStringLiteral("Uninstall Glimmerdeep")}));
    QCOMPARE(platform::uninstallRecordLocation(id),
             m_home.filePath(QStringLiteral(".local/share/") + id + QStringLiteral(".uninstall")));
    platform::UninstallRecord read;
    QVERIFY(platform::readUninstallRecord(id, &read));
    QVERIFY(read == record);
    QCOMPARE(read.noModify, 1);
    QCOMPARE(read.noRepair, 1);

    const QString errors = validationErrors(menuEntry);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    QCOMPARE(launch(program, menuEntry).value(QStringLiteral("args")).toVariant().toStringList(),
             QStringList{QStringLiteral("--uninstall")});

    QVERIFY(platform::removeUninstallRecord(id));
    QVERIFY(!QFileInfo::exists(platform::uninstallRecordLocation(id)));
    QVERIFY(!QFileInfo::exists(menuEntry));
    QVERIFY(!platform::readUninstallRecord(id, &read));
    QVERIFY(!platform::removeUninstallRecord(id));
}

void DesktopIntegrationTest::replacesUninstallRecord()
{
    const QString id = QStringLiteral("com.gd7play.test_replace");
    const platform::ShellLink entry{
        QStringLiteral("/opt/GD7/GD7Launcher"), {QStringLiteral("--uninstall")}, QStringLiteral("Uninstall")};
    QVERIFY(platform::writeUninstallRecord(id, sampleRecord(QStringLiteral("/opt/old")), entry));
    platform::UninstallRecord newer = sampleRecord(QStringLiteral("/opt/new folder"));
    newer.displayVersion = QStringLiteral("4.1.0");
    newer.displayName = QStringLiteral("Line one\nline two\twith tab \\ and backslash");
    QVERIFY(platform::writeUninstallRecord(id, newer, entry));
    platform::UninstallRecord read;
    QVERIFY(platform::readUninstallRecord(id, &read));
    QVERIFY(read == newer);
    QVERIFY(platform::removeUninstallRecord(id));
}

void DesktopIntegrationTest::failedRecordLeavesNothing()
{
    // A file where the applications folder belongs: the menu entry cannot be written.
    QTemporaryDir otherData;
    QVERIFY(otherData.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(otherData.path()));
    QFile blocker(otherData.filePath(QStringLiteral("applications")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString id = QStringLiteral("com.gd7play.test_fail");

    QVERIFY(!platform::writeUninstallRecord(
        id, sampleRecord(QStringLiteral("/opt/GD7")),
        {QStringLiteral("/opt/GD7/GD7Launcher"), {QStringLiteral("--uninstall")}, QStringLiteral("U")}));
    QCOMPARE(QDir(otherData.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("applications")});
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".local/share"))));
}

void DesktopIntegrationTest::listsLauncherFilesLauncherLast()
{
    QStringList files = platform::launcherFileNames(QStringLiteral("GD7Launcher"));
    QVERIFY(files.size() >= 2);
    QCOMPARE(files.last(), QStringLiteral("GD7Launcher"));
    QCOMPARE(files.at(files.size() - 2), QStringLiteral("3rdparty.txt"));
    QCOMPARE(files.removeDuplicates(), 0);
    for (const QString &file : files)
        QVERIFY2(QDir::isRelativePath(file) && !file.contains(QStringLiteral("..")), qPrintable(file));
}

void DesktopIntegrationTest::namesExecutablesTheLinuxWay_data()
{
    QTest::addColumn<QString>("recordName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("launcher") << "GD7Launcher.exe"
                              << "GD7Launcher";
    QTest::newRow("game") << "gd7.exe"
                          << "gd7";
    QTest::newRow("upper case suffix") << "SETUP.EXE"
                                       << "SETUP";
    QTest::newRow("no suffix") << "GD7Launcher"
                               << "GD7Launcher";
    QTest::newRow("suffix inside") << "a.exe.txt"
                                   << "a.exe.txt";
}

void DesktopIntegrationTest::namesExecutablesTheLinuxWay()
{
    QFETCH(QString, recordName);
    QFETCH(QString, fileName);
    QCOMPARE(platform::executableFileName(recordName), fileName);
}

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "tst_desktopintegration.moc"
