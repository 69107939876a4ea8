#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "app/tr.h"
#include "install/installworker.h"
#include "platform/knownfolders.h"
#include "platform/launcherfiles.h"
#include "tests/platform/shellreader_win.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The installer as the Windows shell sees its work: the launcher's files in a folder with blanks
// and non-ASCII letters, shell links in the start menu and on the desktop that the shell's own
// link object reads back, and the entry in the system's list of programs that "reg query"
// reads; then the uninstaller taking all of it away again.
class WindowsInstallTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void installThenUninstall();

private:
    static bool run(install::InstallWorker &worker);
    static bool writeFile(const QString &path, const QByteArray &contents);

    QTemporaryDir m_dir;
    QString m_source;
};

void WindowsInstallTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    // The running program's folder is where an installation copies the launcher from.
    m_source = m_dir.filePath(QStringLiteral("running launcher/"));
    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher.exe")))
        QVERIFY(writeFile(m_source + name, name.toUtf8()));
    Paths::setApplicationFolder(m_source);
    QVERIFY(Logger::instance().open(m_source + QStringLiteral("test.log"), QString()));
}

void WindowsInstallTest::cleanupTestCase()
{
    CoUninitialize();
}

bool WindowsInstallTest::writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

bool WindowsInstallTest::run(install::InstallWorker &worker)
{
    QSignalSpy finished(&worker, &install::InstallWorker::installFinished);
    worker.start();
    return worker.wait(60000) && finished.size() == 1 && finished.first().first().toBool();
}

void WindowsInstallTest::installThenUninstall()
{
    const QString folder = m_dir.filePath(QString::fromUtf8("Games/Glimmer deep – Tiefe 游戏"));
    const QString program = QDir::toNativeSeparators(folder + QStringLiteral("/GD7Launcher.exe"));
    const QString linkName = TR::tr("ProductLinkName") + QStringLiteral(".lnk");
    const QString menuLink = platform::knownFolder(platform::KnownFolder::StartMenu) + linkName;
    const QString desktopLink = platform::knownFolder(platform::KnownFolder::Desktop) + linkName;
    const QString key = uninstallRegistryKey(launcherProduct.applicationId);
    QVERIFY(registryValues(key).isEmpty());

    InstallOptions options; // as the install dialog asks: menu and desktop, no quick launch
    options.m_createQuickLaunchItems = false;
    options.m_installFolder = folder;
    install::InstallWorker installer(true, options);
    QVERIFY(run(installer));

    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher.exe"))) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        QCOMPARE(file.readAll(), name.toUtf8());
    }
    for (const QString &link : {menuLink, desktopLink})
        QCOMPARE(readShellLink(link).path, program);
    const QString values = registryValues(key);
    const QStringList expected{
        QStringLiteral("DisplayIcon    REG_SZ    ") + program,
        QStringLiteral("DisplayName    REG_SZ    ") + launcherProduct.displayName,
        QStringLiteral("DisplayVersion    REG_SZ    ") + formatVersion(launcherProduct.version),
        QStringLiteral("InstallLocation    REG_SZ    ") + QDir::toNativeSeparators(folder),
        QStringLiteral("UninstallString    REG_SZ    \"") + program + QStringLiteral("\" --uninstall"),
        QStringLiteral("Publisher    REG_SZ    ") + launcherProduct.companyName};
    for (const QString &line : expected)
        QVERIFY2(values.contains(line), qPrintable(line + QStringLiteral(" not in:\n") + values));

    InstallOptions all;
    all.m_removeUserData = true;
    all.m_installFolder = folder;
    install::InstallWorker uninstaller(false, all);
    QVERIFY(run(uninstaller));
    QVERIFY(!QFileInfo::exists(menuLink));
    QVERIFY(!QFileInfo::exists(desktopLink));
    QVERIFY(registryValues(key).isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(WindowsInstallTest)
#include "tst_windowsinstall.moc"
