#include "platform/knownfolders.h"
#include "platform/launcherfiles.h"
#include "platform/shelllink.h"
#include "platform/uninstallrecord.h"
#include "probehelpers.h"
#include "shellreader_win.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <shellapi.h>

// The Windows shell as other programs see what the launcher leaves there: shell links read back
// through the shell's own link object and started by the shell, the uninstall entry read by
// "reg query", and the system folders against the environment the system sets up.
class WindowsIntegrationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void namesSystemFolders_data();
    void namesSystemFolders();
    void linksStartTheirProgram_data();
    void linksStartTheirProgram();
    void commandLineSplitsBack_data();
    void commandLineSplitsBack();
    void removesLinks();
    void keepsUninstallEntry();
    void replacesUninstallEntry();
    void namesLauncherFiles();

private:
    static platform::UninstallRecord sampleRecord(const QString &folder);
    QJsonObject openWithShell(const QString &linkPath, const QString &program);

    QTemporaryDir m_dir;
    int m_reports = 0;
};

namespace {

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

QString environmentFolder(const char *variable)
{
    QString folder = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

void WindowsIntegrationTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
}

void WindowsIntegrationTest::cleanupTestCase()
{
    CoUninitialize();
}

void WindowsIntegrationTest::namesSystemFolders_data()
{
    QTest::addColumn<int>("folder");
    QTest::addColumn<QString>("expected");
    const QString roaming = environmentFolder("APPDATA");
    const QString windows = environmentFolder("SystemRoot");
    QTest::newRow("roaming") << int(platform::KnownFolder::RoamingAppData) << roaming;
    QTest::newRow("local") << int(platform::KnownFolder::LocalAppData) << environmentFolder("LOCALAPPDATA");
    QTest::newRow("local low") << int(platform::KnownFolder::LocalLowAppData)
                               << QFileInfo(roaming.chopped(1)).path() + QStringLiteral("/LocalLow/");
    QTest::newRow("common") << int(platform::KnownFolder::CommonAppData) << environmentFolder("ProgramData");
    QTest::newRow("desktop") << int(platform::KnownFolder::Desktop)
                             << environmentFolder("USERPROFILE") + QStringLiteral("Desktop/");
    QTest::newRow("start menu") << int(platform::KnownFolder::StartMenu)
                                << roaming + QStringLiteral("Microsoft/Windows/Start Menu/");
    QTest::newRow("windows") << int(platform::KnownFolder::SystemRoot) << windows;
    QTest::newRow("hosts") << int(platform::KnownFolder::HostsFile)
                           << windows + QStringLiteral("System32/drivers/etc/hosts");
}

void WindowsIntegrationTest::namesSystemFolders()
{
    QFETCH(int, folder);
    QFETCH(QString, expected);
    const QString named = platform::knownFolder(static_cast<platform::KnownFolder>(folder));
    QCOMPARE(named.toLower(), expected.toLower());
    QVERIFY(!named.contains(QLatin1Char('\\')));
}

// Starts the link the way the desktop does when the player double-clicks it.
QJsonObject WindowsIntegrationTest::openWithShell(const QString &linkPath, const QString &program)
{
    const QString report = m_dir.filePath(QStringLiteral("report-%1.json").arg(++m_reports));
    qputenv("GD7_PROBE_REPORT", QFile::encodeName(report));
    const auto started = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", wide(QDir::toNativeSeparators(linkPath)), nullptr, nullptr, SW_SHOWNORMAL));
    if (started <= 32) {
        qWarning() << "ShellExecute failed:" << started;
        return QJsonObject();
    }
    const QJsonObject seen = waitForReport(report);
    if (QDir::fromNativeSeparators(seen.value(QStringLiteral("program")).toString()) != program)
        qWarning() << "started" << seen << "instead of" << program;
    return seen;
}

void WindowsIntegrationTest::linksStartTheirProgram_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain") << "Games/GD7"
                           << "Glimmerdeep" << QStringList{"report"};
    QTest::newRow("blanks") << "Program Files/Glimmer deep"
                            << "Glimmer deep" << QStringList{"report", "a b", ""};
    QTest::newRow("non-ASCII") << QString::fromUtf8("Spiele/Glänzende Tiefe 游戏")
                               << QString::fromUtf8("Glänzende Tiefe")
                               << QStringList{"report", "--uninstall", QString::fromUtf8("ärger")};
    QTest::newRow("quotes and backslashes")
        << "it's $HOME %1"
        << "Name with = and ; and #" << QStringList{"report", "say \"hi\"", "trailing\\", "C:\\a b\\"};
}

void WindowsIntegrationTest::linksStartTheirProgram()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    const QString program = m_dir.filePath(folder + QStringLiteral("/GD7Launcher.exe"));
    QVERIFY(placeProbe(program));
    const QString linkPath =
        m_dir.filePath(QStringLiteral("Desktop/") + platform::launcherLinkFileName(name));
    QVERIFY(QDir().mkpath(QFileInfo(linkPath).absolutePath()));
    QCOMPARE(platform::shellLinkSuffix(), QStringLiteral(".lnk"));
    // The shell shows a link by its file name.
    QCOMPARE(QFileInfo(linkPath).completeBaseName(), name);

    QVERIFY(platform::createShellLink(linkPath, {program, arguments, name}) >= 0);
    const ShellLinkContents contents = readShellLink(linkPath);
    QCOMPARE(QDir::fromNativeSeparators(contents.path), program);
    QCOMPARE(QDir::fromNativeSeparators(contents.workingFolder), QFileInfo(program).absolutePath());
    QVERIFY(!contents.arguments.isEmpty());

    const QJsonObject started = openWithShell(linkPath, program);
    QCOMPARE(started.value(QStringLiteral("args")).toVariant().toStringList(), arguments.mid(1));
    QCOMPARE(QDir::fromNativeSeparators(started.value(QStringLiteral("cwd")).toString()),
             QFileInfo(program).absolutePath());

    // Creating it again replaces it.
    QVERIFY(platform::createShellLink(
                linkPath, {program, {QStringLiteral("report"), QStringLiteral("again")}, name}) >= 0);
    QCOMPARE(openWithShell(linkPath, program).value(QStringLiteral("args")).toVariant().toStringList(),
             QStringList{QStringLiteral("again")});
}

void WindowsIntegrationTest::commandLineSplitsBack_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain") << "C:/Games/GD7/GD7Launcher.exe" << QStringList{"--uninstall"};
    QTest::newRow("blanks") << "C:/Program Files/Glimmer deep/GD7Launcher.exe"
                            << QStringList{"--path", "C:/a b"};
    QTest::newRow("empty and quotes") << "C:/x/GD7Launcher.exe" << QStringList{"", "say \"hi\"", "\""};
    QTest::newRow("backslashes") << "C:/x/GD7Launcher.exe"
                                 << QStringList{"a\\b", "end\\", "C:\\a b\\", "\\\"", "\\\\"};
    QTest::newRow("non-ASCII") << QString::fromUtf8("C:/Spiele/Tiefe 游戏/GD7Launcher.exe")
                               << QStringList{QString::fromUtf8("ärger"), "--pid", "42"};
}

void WindowsIntegrationTest::commandLineSplitsBack()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const QString line = platform::commandLine({program, arguments, QString()});
    int count = 0;
    wchar_t **words = CommandLineToArgvW(wide(line), &count);
    QVERIFY(words);
    QStringList split;
    for (int i = 0; i < count; ++i)
        split.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    QCOMPARE(split, QStringList{QDir::toNativeSeparators(program)} + arguments);
}

void WindowsIntegrationTest::removesLinks()
{
    const QString linkPath = m_dir.filePath(QStringLiteral("Desktop/Removed.lnk"));
    QVERIFY(QDir().mkpath(QFileInfo(linkPath).absolutePath()));
    QVERIFY(platform::createShellLink(linkPath, {QStringLiteral("C:/GD7/GD7Launcher.exe"), {}, {}}) >= 0);
    QVERIFY(QFileInfo::exists(linkPath));
    QVERIFY(platform::removeShellLink(linkPath));
    QVERIFY(!QFileInfo::exists(linkPath));
    QVERIFY(!platform::removeShellLink(linkPath));
    // A folder that does not exist cannot take a link: the shell's failure code comes back.
    QVERIFY(platform::createShellLink(m_dir.filePath(QStringLiteral("missing/x.lnk")),
                                      {QStringLiteral("C:/x.exe"), {}, {}}) < 0);
}

platform::UninstallRecord WindowsIntegrationTest::sampleRecord(const QString &folder)
{
    const QString program = QDir::toNativeSeparators(folder + QStringLiteral("/GD7Launcher.exe"));
    platform::UninstallRecord record;
    record.displayIcon = program;
    record.displayName = QStringLiteral("Glimmerdeep");
    record.displayVersion = QStringLiteral("4.0.18085");
    record.installLocation = QDir::toNativeSeparators(folder);
    record.uninstallString = platform::commandLine({program, {QStringLiteral("--uninstall")}, {}});
    record.urlInfoAbout = QStringLiteral("https://www.gd7play.example");
    record.publisher = QStringLiteral("Orvane");
    return record;
}

void WindowsIntegrationTest::keepsUninstallEntry()
{
    const QString id = QStringLiteral("com.gd7play.test_keep");
    const platform::UninstallRecord record = sampleRecord(QStringLiteral("C:/Games/Glimmer deep"));
    QVERIFY(platform::writeUninstallRecord(id, record, {}));
    QCOMPARE(platform::uninstallRecordLocation(id),
             QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") +
                 id);

    platform::UninstallRecord read;
    QVERIFY(platform::readUninstallRecord(id, &read));
    QVERIFY(read == record);
    const QString values = registryValues(uninstallRegistryKey(id));
    const QStringList expected{
        QStringLiteral("DisplayIcon    REG_SZ    C:\\Games\\Glimmer deep\\GD7Launcher.exe"),
        QStringLiteral("DisplayName    REG_SZ    Glimmerdeep"),
        QStringLiteral("DisplayVersion    REG_SZ    4.0.18085"),
        QStringLiteral("InstallLocation    REG_SZ    C:\\Games\\Glimmer deep"),
        QStringLiteral("NoModify    REG_DWORD    0x1"),
        QStringLiteral("NoRepair    REG_DWORD    0x1"),
        QStringLiteral(
            "UninstallString    REG_SZ    \"C:\\Games\\Glimmer deep\\GD7Launcher.exe\" --uninstall"),
        QStringLiteral("URLInfoAbout    REG_SZ    https://www.gd7play.example"),
        QStringLiteral("Publisher    REG_SZ    Orvane")};
    for (const QString &line : expected)
        QVERIFY2(values.contains(line), qPrintable(line + QStringLiteral(" not in:\n") + values));

    QVERIFY(platform::removeUninstallRecord(id));
    QVERIFY(!platform::readUninstallRecord(id, &read));
    QVERIFY(registryValues(uninstallRegistryKey(id)).isEmpty());
    QVERIFY(!platform::removeUninstallRecord(id));
}

void WindowsIntegrationTest::replacesUninstallEntry()
{
    const QString id = QStringLiteral("com.gd7play.test_replace");
    QVERIFY(platform::writeUninstallRecord(id, sampleRecord(QStringLiteral("C:/old")), {}));
    platform::UninstallRecord newer = sampleRecord(QString::fromUtf8("D:/Spiele/Glänzende Tiefe 游戏"));
    newer.displayVersion = QStringLiteral("4.1.0");
    QVERIFY(platform::writeUninstallRecord(id, newer, {}));
    platform::UninstallRecord read;
    QVERIFY(platform::readUninstallRecord(id, &read));
    QVERIFY(read == newer);
    QCOMPARE(read.installLocation, QString::fromUtf8("D:\\Spiele\\Glänzende Tiefe 游戏"));
    QVERIFY(platform::removeUninstallRecord(id));
}

// The list the installer and the self-update copy is what scripts/build-windows put beside the
// launcher: nothing missing that the program loads, nothing left behind.
void WindowsIntegrationTest::namesLauncherFiles()
{
    const QDir deployed(QStringLiteral(WINDOWS_DEPLOY_FOLDER));
    QVERIFY2(deployed.exists(), "no launcher folder: run scripts/build-windows");
    QStringList files;
    QDirIterator it(deployed.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(deployed.relativeFilePath(it.next()));
    QStringList listed = platform::launcherFileNames(QStringLiteral("GD7Launcher.exe"));
    QCOMPARE(listed.last(), QStringLiteral("GD7Launcher.exe"));
    files.sort();
    listed.sort();
    QCOMPARE(files, listed);
    QCOMPARE(platform::executableFileName(QStringLiteral("GD7Launcher.exe")),
             QStringLiteral("GD7Launcher.exe"));
}

QTEST_GUILESS_MAIN(WindowsIntegrationTest)
#include "tst_windowsintegration.moc"
