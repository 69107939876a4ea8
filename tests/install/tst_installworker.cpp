#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "install/copyfilejob.h"
#include "install/installworker.h"
#include "platform/launcherfiles.h"
#include "platform/uninstallrecord.h"
#include "testhome.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class InstallWorkerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void installThenUninstallLeavesHomeAsItWas();
    void thirdCopyFailureUndoesSecondThenFirst();
    void failedLinkUndoesInstalledFiles();

private:
    struct Run
    {
        bool finished = false;
        bool result = false;
        QList<QVariantList> progress;
    };
    static Run run(install::InstallWorker &worker);
    static QString validationErrors(const QString &path);
    QStringList logLines() const;

    std::unique_ptr<TestHome> m_home;
    QString m_source;
    QString m_log;
};

void InstallWorkerTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    // The running program's folder is where an installation copies the launcher from.
    m_source = m_home->outsidePath(QStringLiteral("running launcher/"));
    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        QVERIFY(TestHome::writeFile(m_source + name, name.toUtf8()));
    Paths::setApplicationFolder(m_source);
    m_log = m_source + QStringLiteral("test.log");
}

void InstallWorkerTest::init()
{
    QVERIFY(Logger::instance().open(m_log, QString()));
    Logger::instance().setThreshold(3);
}

InstallWorkerTest::Run InstallWorkerTest::run(install::InstallWorker &worker)
{
    QSignalSpy progress(&worker, &install::InstallWorker::installProgress);
    QSignalSpy finished(&worker, &install::InstallWorker::installFinished);
    worker.start();
    Run result;
    if (!worker.wait(30000))
        return result;
    result.finished = finished.size() == 1;
    result.result = result.finished && finished.first().first().toBool();
    for (const QVariantList &step : progress)
        result.progress.append(step);
    return result;
}

QString InstallWorkerTest::validationErrors(const QString &path)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validate.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not finish");
    return validate.exitCode() == 0 ? QString() : QString::fromUtf8(validate.readAll()) + path;
}

QStringList InstallWorkerTest::logLines() const
{
    QStringList lines;
    for (const QString &line :
         QString::fromUtf8(TestHome::readFile(m_log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.append(line.mid(42));
    return lines;
}

void InstallWorkerTest::installThenUninstallLeavesHomeAsItWas()
{
    const auto before = m_home->snapshot();
    const QString folder = m_home->filePath(QString::fromUtf8("Games/Glimmer deep – Tiefe 游戏"));
    InstallOptions options; // as the install dialog asks: menu and desktop, no quick launch
    options.m_createQuickLaunchItems = false;
    options.m_installFolder = folder;
    install::InstallWorker installer(true, options);

    const Run installed = run(installer);
    QVERIFY(installed.result);
    const int total = installer.jobs().size();
    const QStringList names = platform::launcherFileNames(QStringLiteral("GD7Launcher"));
    QCOMPARE(total, names.size() + 3);
    QCOMPARE(installed.progress.size(), total + 1);
    QCOMPARE(installed.progress.first(), (QVariantList{1, total, QStringLiteral("Installing files...")}));
    QCOMPARE(installed.progress[names.size()],
             (QVariantList{names.size() + 1, total, "Creating start menu links..."}));
    QCOMPARE(installed.progress[total - 1],
             (QVariantList{total, total, QStringLiteral("Creating uninstall keys...")}));
    QCOMPARE(installed.progress.last(), (QVariantList{1, 1, QStringLiteral("Done.")}));
    for (const QString &name : names)
        QCOMPARE(TestHome::readFile(folder + QLatin1Char('/') + name), name.toUtf8());
    const QString menuLink =
        m_home->filePath(QStringLiteral(".local/share/applications/GD7Launcher.desktop"));
    const QString desktopLink = m_home->filePath(QStringLiteral("Desktop/GD7Launcher.desktop"));
    const QString uninstallEntry = m_home->filePath(
        QStringLiteral(".local/share/applications/com.gd7play.gd7_launcher_en.uninstall.desktop"));
    for (const QString &link : {menuLink, desktopLink, uninstallEntry}) {
        const QString errors = validationErrors(link);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
    }
    for (const QString &link : {menuLink, desktopLink}) {
        const QByteArray entry = TestHome::readFile(link);
        QVERIFY(entry.contains(("Exec=\"" + folder + "/GD7Launcher\"\n").toUtf8()));
        // The translated name, and the window class docks match the running launcher by.
        QVERIFY(entry.contains("\nName=Glimmerdeep\n"));
        QVERIFY(entry.contains("\nStartupWMClass=GD7Launcher\n"));
    }
    QVERIFY(!TestHome::readFile(uninstallEntry).contains("StartupWMClass"));
    platform::UninstallRecord record;
    QVERIFY(platform::readUninstallRecord(launcherProduct.applicationId, &record));
    QCOMPARE(record.installLocation, folder);
    QVERIFY(!QFileInfo::exists(m_home->filePath(QStringLiteral(".config/Microsoft"))));

    // What a few runs of the launcher and the game leave behind.
    for (const char *file :
         {"Update/gd7_1.7z", "UpdateTemp/gd7_launcher_en/GD7Launcher", "Game/data/level.bin", "Game/gd7.exe",
          "RecoverTemp/part", "log.txt", "log_prev.txt", "GD7Launcher.conf", "Session.conf"})
        QVERIFY(TestHome::writeFile(folder + QLatin1Char('/') + QString::fromLatin1(file), "x"));
    QVERIFY(TestHome::writeFile(m_home->filePath(QStringLiteral(".config/Orvane/Glimmerdeep/accounts.dat")),
                                "a"));

    InstallOptions all;
    all.m_removeUserData = true;
    all.m_installFolder = folder;
    install::InstallWorker uninstaller(false, all);
    const Run uninstalled = run(uninstaller);
    QVERIFY(uninstalled.result);
    QCOMPARE(uninstaller.jobs().size(), names.size() + 5);
    QCOMPARE(uninstalled.progress.first(),
             (QVariantList{1, uninstaller.jobs().size(), QStringLiteral("Creating uninstall keys...")}));
    QCOMPARE(uninstalled.progress.last(), (QVariantList{1, 1, QStringLiteral("Done.")}));

    // Only the install folder itself stays, empty.
    auto after = m_home->snapshot();
    const QString installFolder = QDir(m_home->path()).relativeFilePath(folder) + QLatin1Char('/');
    QVERIFY(after.remove(installFolder) == 1);
    const QString differences = TestHome::differences(before, after);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    QVERIFY(QDir(folder).removeRecursively());
}

void InstallWorkerTest::thirdCopyFailureUndoesSecondThenFirst()
{
    const QString target = m_home->filePath(QStringLiteral("Games/rollback/"));
    install::InstallJobList jobs;
    const QStringList sources{QStringLiteral("3rdparty.txt"), QStringLiteral("GD7Launcher"),
                              QStringLiteral("missing"), QStringLiteral("GD7Launcher")};
    for (int i = 0; i < sources.size(); ++i)
        jobs.append(std::make_shared<install::CopyFileJob>(QStringLiteral("copy %1").arg(i + 1),
                                                           m_source + sources[i],
                                                           target + QStringLiteral("file%1").arg(i + 1)));
    InstallOptions options;
    options.m_installFolder = target;
    install::InstallWorker worker(true, options, jobs);

    const Run result = run(worker);
    QVERIFY(result.finished);
    QVERIFY(!result.result);
    const QList<QVariantList> expected{{1, 4, "copy 1"},          {2, 4, "copy 2"},
                                       {3, 4, "copy 3"},          {1, 2, "Rolling back..."},
                                       {2, 2, "Rolling back..."}, {1, 1, "Installation failed."}};
    QCOMPARE(result.progress.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(result.progress[i][0].toInt(), expected[i][0].toInt());
        QCOMPARE(result.progress[i][1].toInt(), expected[i][1].toInt());
        QCOMPARE(result.progress[i][2].toString(), expected[i][2].toString());
    }
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    const QStringList log = logLines();
    const int second = log.indexOf(QStringLiteral("CopyFileJob Rollback: ") + target + "file2; result 1");
    const int first = log.indexOf(QStringLiteral("CopyFileJob Rollback: ") + target + "file1; result 1");
    QVERIFY(second >= 0);
    QVERIFY(first > second);
    QVERIFY(log.contains(QStringLiteral("CopyFileJob: ") + target + "file3; result 0"));
    QVERIFY(!log.contains(QStringLiteral("CopyFileJob Rollback: ") + target + "file3; result 0"));
    QVERIFY(!log.join(QLatin1Char('\n')).contains(QStringLiteral("file4")));
}

void InstallWorkerTest::failedLinkUndoesInstalledFiles()
{
    // A file where the menu folder belongs: the start-menu link, the job after the copies, fails.
    const QString applications = m_home->filePath(QStringLiteral(".local/share/applications"));
    QVERIFY(QDir(applications).removeRecursively());
    QVERIFY(TestHome::writeFile(applications, "in the way"));
    const auto before = m_home->snapshot();
    InstallOptions options;
    options.m_installFolder = m_home->filePath(QStringLiteral("Games/failing"));
    install::InstallWorker worker(true, options);

    const Run result = run(worker);
    QVERIFY(result.finished);
    QVERIFY(!result.result);
    QCOMPARE(result.progress.last(), (QVariantList{1, 1, QStringLiteral("Installation failed.")}));
    auto after = m_home->snapshot();
    QVERIFY(after.remove(QStringLiteral("Games/failing/")) == 1);
    const QString differences = TestHome::differences(before, after);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    platform::UninstallRecord record;
    QVERIFY(!platform::readUninstallRecord(launcherProduct.applicationId, &record));
    QVERIFY(QFile::remove(applications));
    QVERIFY(TestHome::writeFile(applications + QStringLiteral("/other.desktop"), "[Desktop Entry]\n"));
}

QTEST_GUILESS_MAIN(InstallWorkerTest)
#include "tst_installworker.moc"
