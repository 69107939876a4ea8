#include "app/languagemanager.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "install/copyfilejob.h"
#include "install/createshelllinkjob.h"
#include "install/launchercopy.h"
#include "install/removeuserdatajob.h"
#include "install/writeuninstallregistry.h"
#include "platform/launcherfiles.h"
#include "platform/uninstallrecord.h"
#include "testhome.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <memory>

class InstallJobsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void copyReplacesTargetAndMakesFolders();
    void failedCopyKeepsTarget_data();
    void failedCopyKeepsTarget();
    void undoingMissingCopyFails();
    void linkJobCreatesAndRemovesEntry();
    void recordJobWritesNineValues();
    void recordJobReplacesAndRemovesOnce();
    void userDataJobEmptiesProductFolder_data();
    void userDataJobEmptiesProductFolder();
    void launcherFileJobsFollowPlatformList_data();
    void launcherFileJobsFollowPlatformList();
    void copyLauncherCopiesAndPointsRecord();
    void copyLauncherGoesOnButKeepsRecordAfterFailure();

private:
    QStringList logLines() const;
    QString makeLauncherFolder(const QString &relative);

    std::unique_ptr<TestHome> m_home;
    QString m_log;
    QString m_scratch;
};

void InstallJobsTest::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(LanguageManager::instance().setLanguage(QStringLiteral("en")));
    launcherProduct = makeLauncherProduct();
    m_log = m_home->outsidePath(QStringLiteral("test.log"));
}

void InstallJobsTest::init()
{
    QVERIFY(Logger::instance().open(m_log, QString()));
    Logger::instance().setThreshold(3);
    m_scratch =
        m_home->filePath(QStringLiteral("Games/") + QString::fromLatin1(QTest::currentTestFunction()) +
                         QString::fromUtf8(" – Tiefe ü/"));
    QDir(m_scratch).removeRecursively();
}

QStringList InstallJobsTest::logLines() const
{
    QStringList lines;
    for (const QString &line :
         QString::fromUtf8(TestHome::readFile(m_log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.append(line.mid(42)); // after the level tag and the time stamp
    return lines;
}

// A folder holding every launcher file; each file's contents name it and the folder.
QString InstallJobsTest::makeLauncherFolder(const QString &relative)
{
    const QString folder = m_scratch + relative + QLatin1Char('/');
    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        TestHome::writeFile(folder + name, (relative + QLatin1Char(':') + name).toUtf8());
    QFile::setPermissions(folder + QStringLiteral("GD7Launcher"),
                          QFile::permissions(folder + QStringLiteral("GD7Launcher")) | QFileDevice::ExeOwner);
    return folder;
}

void InstallJobsTest::copyReplacesTargetAndMakesFolders()
{
    const QString source = m_scratch + QStringLiteral("source/GD7Launcher");
    QVERIFY(TestHome::writeFile(source, "new launcher"));
    QVERIFY(QFile::setPermissions(source, QFile::permissions(source) | QFileDevice::ExeOwner));
    const QString existing = m_scratch + QStringLiteral("installed/GD7Launcher");
    QVERIFY(TestHome::writeFile(existing, "old launcher that was longer"));
    const QString fresh = m_scratch + QStringLiteral("new folder/deeper ö/GD7Launcher");

    install::CopyFileJob replace(QStringLiteral("m"), source, existing);
    install::CopyFileJob create(QStringLiteral("m"), source, fresh);
    QVERIFY(replace.install());
    QVERIFY(create.install());

    QCOMPARE(TestHome::readFile(existing), QByteArray("new launcher"));
    QCOMPARE(TestHome::readFile(fresh), QByteArray("new launcher"));
    QVERIFY(QFileInfo(fresh).permissions().testFlag(QFileDevice::ExeOwner));
    QCOMPARE(QDir(m_scratch + QStringLiteral("installed")).entryList(QDir::Files),
             QStringList{QStringLiteral("GD7Launcher")});
    const QStringList log = logLines();
    QVERIFY(log.contains(QStringLiteral("CopyFileJob: ") + existing + QStringLiteral("; result 1")));
    QVERIFY(log.contains(QStringLiteral("CopyFileJob: ") + fresh + QStringLiteral("; result 1")));
}

void InstallJobsTest::failedCopyKeepsTarget_data()
{
    QTest::addColumn<bool>("sourceExists");
    QTest::addColumn<bool>("targetIsFolder");
    QTest::newRow("source missing") << false << false;
    QTest::newRow("target is a folder with files") << true << true;
}

void InstallJobsTest::failedCopyKeepsTarget()
{
    QFETCH(bool, sourceExists);
    QFETCH(bool, targetIsFolder);
    const QString source = m_scratch + QStringLiteral("source/3rdparty.txt");
    if (sourceExists)
        QVERIFY(TestHome::writeFile(source, "new notices"));
    const QString target = m_scratch + QStringLiteral("installed/3rdparty.txt");
    const QString kept = targetIsFolder ? target + QStringLiteral("/inside") : target;
    QVERIFY(TestHome::writeFile(kept, "old notices"));

    install::CopyFileJob job(QStringLiteral("m"), source, target);
    QVERIFY(!job.install());
    QCOMPARE(TestHome::readFile(kept), QByteArray("old notices"));
    QCOMPARE(QDir(m_scratch + QStringLiteral("installed")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("3rdparty.txt")});
    QVERIFY(logLines().contains(QStringLiteral("CopyFileJob: ") + target + QStringLiteral("; result 0")));
}

void InstallJobsTest::undoingMissingCopyFails()
{
    const QString target = m_scratch + QStringLiteral("never/GD7Launcher");
    install::CopyFileJob job(QStringLiteral("m"), m_scratch + QStringLiteral("source/GD7Launcher"), target);
    QVERIFY(!job.uninstall());
    QVERIFY(logLines().contains(QStringLiteral("CopyFileJob Rollback: ") + target +
                                QStringLiteral("; result 0")));
}

void InstallJobsTest::linkJobCreatesAndRemovesEntry()
{
    const QString program = m_scratch + QStringLiteral("installed/GD7Launcher");
    const QString link =
        m_home->filePath(QStringLiteral(".local/share/applications/new menu/GD7Launcher.desktop"));
    install::CreateShellLinkJob job(QStringLiteral("m"), program, link, QStringLiteral("Glimmerdeep"));

    QVERIFY(job.install());
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {link});
    QVERIFY(validate.waitForFinished(10000));
    QCOMPARE(validate.exitCode(), 0);
    const QString entry = QString::fromUtf8(TestHome::readFile(link));
    QVERIFY2(entry.contains(QStringLiteral("\nName=Glimmerdeep\n")), qPrintable(entry));
    QVERIFY2(entry.contains(QStringLiteral("\nExec=\"") + program + QStringLiteral("\"\n")),
             qPrintable(entry));
    QVERIFY(
        logLines().contains(QStringLiteral("CreateShellLinkJob: ") + link + QStringLiteral("; result 0")));

    QVERIFY(job.uninstall());
    QVERIFY(!QFileInfo::exists(link));
    QVERIFY(!job.uninstall());
    const QStringList log = logLines();
    QVERIFY(
        log.contains(QStringLiteral("CreateShellLinkJob Rollback: ") + link + QStringLiteral("; result 1")));
    QVERIFY(
        log.contains(QStringLiteral("CreateShellLinkJob Rollback: ") + link + QStringLiteral("; result 0")));
}

void InstallJobsTest::recordJobWritesNineValues()
{
    const QString folder = m_scratch + QStringLiteral("installed");
    install::WriteUninstallRegistry job(QStringLiteral("m"), launcherProduct);
    InstallOptions options;
    options.m_installFolder = folder + QLatin1Char('/');
    job.setOptions(options);
    QVERIFY(job.install());

    platform::UninstallRecord record;
    QVERIFY(platform::readUninstallRecord(QStringLiteral("com.gd7play.gd7_launcher_en"), &record));
    const QString program = folder + QStringLiteral("/GD7Launcher");
    QCOMPARE(record.displayIcon, program);
    QCOMPARE(record.displayName, QStringLiteral("Glimmerdeep"));
    QCOMPARE(record.displayVersion, QStringLiteral("4.0.18085"));
    QCOMPARE(record.installLocation, folder);
    QCOMPARE(record.noModify, 1);
    QCOMPARE(record.noRepair, 1);
    QCOMPARE(record.uninstallString, QStringLiteral("\"") + program + QStringLiteral("\" \"--uninstall\""));
    QCOMPARE(record.urlInfoAbout, launcherProduct.webSiteUrl);
    QVERIFY(record.urlInfoAbout.startsWith(QStringLiteral("https://")));
    QCOMPARE(record.publisher, QStringLiteral("Orvane"));
    QVERIFY(record == job.record());
    QVERIFY(job.uninstall());
}

void InstallJobsTest::recordJobReplacesAndRemovesOnce()
{
    ProductInfo older = launcherProduct;
    older.version = Version(4, 0, 1);
    install::WriteUninstallRegistry first(QStringLiteral("m"), older);
    InstallOptions options;
    options.m_installFolder = m_scratch + QStringLiteral("old place");
    first.setOptions(options);
    QVERIFY(first.install());
    install::WriteUninstallRegistry second(QStringLiteral("m"), launcherProduct);
    options.m_installFolder = m_scratch + QStringLiteral("new place");
    second.setOptions(options);
    QVERIFY(second.install());

    platform::UninstallRecord record;
    QVERIFY(platform::readUninstallRecord(launcherProduct.applicationId, &record));
    QCOMPARE(record.displayVersion, QStringLiteral("4.0.18085"));
    QCOMPARE(record.installLocation, m_scratch + QStringLiteral("new place"));
    QVERIFY(second.uninstall());
    QVERIFY(!first.uninstall());
    QVERIFY(!platform::readUninstallRecord(launcherProduct.applicationId, &record));
}

void InstallJobsTest::userDataJobEmptiesProductFolder_data()
{
    QTest::addColumn<bool>("withSubfolder");
    QTest::newRow("files only") << false;
    QTest::newRow("with a subfolder") << true;
}

void InstallJobsTest::userDataJobEmptiesProductFolder()
{
    QFETCH(bool, withSubfolder);
    const QString product = m_home->filePath(QStringLiteral(".config/Orvane/Glimmerdeep/"));
    QVERIFY(TestHome::writeFile(product + QStringLiteral("GD7Launcher.conf"), "{}"));
    QVERIFY(TestHome::writeFile(product + QStringLiteral(".hidden"), "x"));
    if (withSubfolder)
        QVERIFY(TestHome::writeFile(product + QStringLiteral("Application/cache.bin"), "c"));

    install::RemoveUserDataJob job(QStringLiteral("m"));
    QVERIFY(job.install());
    QVERIFY(job.uninstall());

    QVERIFY(!QFileInfo::exists(product + QStringLiteral("GD7Launcher.conf")));
    QVERIFY(!QFileInfo::exists(product + QStringLiteral(".hidden")));
    QCOMPARE(QFileInfo::exists(product + QStringLiteral("Application/cache.bin")), withSubfolder);
    QCOMPARE(QFileInfo::exists(product), withSubfolder);
    QCOMPARE(QFileInfo::exists(m_home->filePath(QStringLiteral(".config/Orvane"))), withSubfolder);
    QVERIFY(QFileInfo::exists(m_home->filePath(QStringLiteral(".config/other program/settings.ini"))));
    const QStringList log = logLines();
    QVERIFY(log.contains(QStringLiteral("RemoveUserDataJob: GD7Launcher.conf result 1")));
    QCOMPARE(log.contains(QStringLiteral("RemoveUserDataJob: Application result 0")), withSubfolder);
    QDir(product).removeRecursively();
    QDir().rmdir(m_home->filePath(QStringLiteral(".config/Orvane")));
}

void InstallJobsTest::launcherFileJobsFollowPlatformList_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("trailing slashes") << "/opt/new/"
                                      << "/opt/Glimmer deep/";
    QTest::newRow("no trailing slashes") << "/opt/new"
                                         << "/opt/Glimmer deep";
    QTest::newRow("relative and untidy") << "new"
                                         << "./a/../Glimmer deep";
}

void InstallJobsTest::launcherFileJobsFollowPlatformList()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    const QString sourceFolder = QDir(source).absolutePath() + QLatin1Char('/');
    const QString targetFolder = QDir(target).absolutePath() + QLatin1Char('/');
    install::InstallJobList jobs{std::make_shared<install::RemoveUserDataJob>(QStringLiteral("first"))};

    install::launcherFileJobs(source, target, jobs);

    const QStringList names = platform::launcherFileNames(QStringLiteral("GD7Launcher"));
    QCOMPARE(jobs.size(), names.size() + 1);
    QCOMPARE(jobs.first()->message(), QStringLiteral("first"));
    for (int i = 0; i < names.size(); ++i) {
        auto copy = std::dynamic_pointer_cast<install::CopyFileJob>(jobs[i + 1]);
        QVERIFY(copy);
        QCOMPARE(copy->message(), QStringLiteral("Installing files..."));
        QCOMPARE(copy->source(), sourceFolder + names[i]);
        QCOMPARE(copy->target(), targetFolder + names[i]);
    }
}

void InstallJobsTest::copyLauncherCopiesAndPointsRecord()
{
    const QString source = makeLauncherFolder(QStringLiteral("UpdateTemp/gd7_launcher_en"));
    const QString target = m_scratch + QStringLiteral("installed");
    QVERIFY(TestHome::writeFile(target + QStringLiteral("/GD7Launcher"), "old"));

    QVERIFY(install::copyLauncher(source, target));

    for (const QString &name : platform::launcherFileNames(QStringLiteral("GD7Launcher")))
        QCOMPARE(TestHome::readFile(target + QLatin1Char('/') + name), TestHome::readFile(source + name));
    QVERIFY(QFileInfo(target + QStringLiteral("/GD7Launcher")).permissions().testFlag(QFileDevice::ExeOwner));
    platform::UninstallRecord record;
    QVERIFY(platform::readUninstallRecord(launcherProduct.applicationId, &record));
    QCOMPARE(record.installLocation, target);
    QVERIFY(platform::removeUninstallRecord(launcherProduct.applicationId));
}

void InstallJobsTest::copyLauncherGoesOnButKeepsRecordAfterFailure()
{
    const QString source = makeLauncherFolder(QStringLiteral("new"));
    QVERIFY(QFile::remove(source + QStringLiteral("3rdparty.txt")));
    const QString target = m_scratch + QStringLiteral("installed/");
    QVERIFY(TestHome::writeFile(target + QStringLiteral("3rdparty.txt"), "old notices"));

    QVERIFY(!install::copyLauncher(source, target));

    QCOMPARE(TestHome::readFile(target + QStringLiteral("3rdparty.txt")), QByteArray("old notices"));
    QCOMPARE(TestHome::readFile(target + QStringLiteral("GD7Launcher")),
             TestHome::readFile(source + "GD7Launcher"));
    platform::UninstallRecord record;
    QVERIFY(!platform::readUninstallRecord(launcherProduct.applicationId, &record));
    const QStringList log = logLines();
    QCOMPARE(log.count(QStringLiteral("AutoUpdate job failed: Installing files...")), 1);
}

QTEST_GUILESS_MAIN(InstallJobsTest)
#include "tst_installjobs.moc"
