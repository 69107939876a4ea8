// How gd7-publish packs a build: through 7zz on every core, through the launcher's own packer when
// 7zz is not there, and what is left when 7zz fails, is killed, or its publisher is killed. Every
// archive is read back by the launcher's unpacker and by "gd7-publish verify".

#include "publishkit.h"

#include "patch/sevenzip.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString Version = QStringLiteral("--version=1.0.0");
const QString Mirror = QStringLiteral("--base-url=http://127.0.0.1:9/gd7");
const QString ArchiveName = QStringLiteral("gd7_1.0.0.7z");

// A stand-in for 7zz that writes the start of an archive where it was told and then ends as the
// given shell code makes it.
bool writeFakeTool(const QString &folder, const QByteArray &ending)
{
    const QString path = folder + QStringLiteral("/7zz");
    const QByteArray script = "#!/bin/sh\n"
                              "while [ \"$1\" != \"--\" ]; do shift; done\n"
                              "printf '7z\\274\\257\\047\\034 half an archive' > \"$2\"\n" +
                              ending + '\n';
    return writeFile(path, script) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The process ids of the children of a process.
QList<qint64> childrenOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    QList<qint64> children;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &id : file.readAll().simplified().split(' '))
            if (!id.isEmpty())
                children.append(id.toLongLong());
    }
    return children;
}

QByteArray processName(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/comm").arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Gone, or a zombie left to whoever reaps orphans here.
bool processEnded(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray stat = file.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
}

// Every path below a folder, hidden ones too.
QStringList itemsBelow(const QString &folder)
{
    QStringList items;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        items.append(QDir(folder).relativeFilePath(it.next()));
    items.sort();
    return items;
}

} // namespace

class TestPublishPacker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void packsReadableArchive_data();
    void packsReadableArchive();
    void failedPackingLeavesReleaseAlone_data();
    void failedPackingLeavesReleaseAlone();
    void killedPublisherStopsPacking();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestPublishPacker::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("7zz")).isEmpty(), "7zz is not installed");
    // Names that must never be read as 7zz switches ("-sdel" would delete the build once packed),
    // blanks, non-ASCII, a hidden file, an empty file, a program (which 7zz would give a branch
    // filter) and enough data for several threads.
    const QString build = path(QStringLiteral("build"));
    QVERIFY(writeFile(build + QStringLiteral("/-sdel"), "a file, not a switch\n"));
    QVERIFY(writeFile(build + QStringLiteral("/-rf dir/--help"), randomBytes(5000, 1)));
    QVERIFY(writeFile(build + QStringLiteral("/dir with blank/ünïcödé файл.txt"), "unicode\n"));
    QVERIFY(writeFile(build + QStringLiteral("/.hidden"), "hidden\n"));
    QVERIFY(writeFile(build + QStringLiteral("/empty.txt"), QByteArray()));
    QVERIFY(writeFile(build + QStringLiteral("/data/random.bin"), randomBytes(3 << 20, 2)));
    QVERIFY(writeBigFile(build + QStringLiteral("/data/big.bin"), 320, 3));
    QVERIFY(QDir().mkpath(build + QStringLiteral("/bin")));
    QVERIFY(QFile::copy(QStandardPaths::findExecutable(QStringLiteral("true")),
                        build + QStringLiteral("/bin/true")));
    QVERIFY(QDir().mkpath(path(QStringLiteral("no-tools"))));
}

void TestPublishPacker::packsReadableArchive_data()
{
    QTest::addColumn<bool>("withTool");
    QTest::newRow("7zz on every core") << true;
    QTest::newRow("no 7zz: the launcher's packer") << false;
}

void TestPublishPacker::packsReadableArchive()
{
    QFETCH(bool, withTool);
    const QString build = path(QStringLiteral("build"));
    const QMap<QString, QString> built = folderDigests(build);
    QTemporaryDir work;
    const QString release = work.filePath(QStringLiteral("release"));
    const PublishRun run = runPublish({QStringLiteral("full"), Version, Mirror, build, release},
                                      withTool ? QString() : path(QStringLiteral("no-tools")));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.err.contains(QStringLiteral("7zz not found on PATH: packing on one core")), !withTool);
    QCOMPARE(folderDigests(build), built);

    const QString archive = release + QLatin1Char('/') + ArchiveName;
    const QString unpacked = work.filePath(QStringLiteral("unpacked"));
    QVERIFY(sevenZipExtract(archive, unpacked, nullptr));
    QCOMPARE(folderDigests(unpacked), built);
    QCOMPARE(itemsBelow(unpacked), itemsBelow(build));
    QVERIFY(!QFileInfo::exists(archive + QStringLiteral(".part")));

    // Plain LZMA2 for every file, the program too: no branch filter the launcher might not read.
    QProcess listing;
    listing.start(QStringLiteral("7zz"), {QStringLiteral("l"), QStringLiteral("-slt"), archive});
    QVERIFY(listing.waitForFinished(60000) && listing.exitCode() == 0);
    int packedFiles = 0;
    for (const QByteArray &line : listing.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("Method = ") || line.trimmed() == "Method =")
            continue;
        QVERIFY2(line.startsWith("Method = LZMA2:") && !line.contains("BCJ"), line.constData());
        ++packedFiles;
    }
    QVERIFY(packedFiles >= built.size() - 1); // an empty file has no method

    const PublishRun verify = runPublish(
        {QStringLiteral("verify"), release, QStringLiteral("--build"), QStringLiteral("1.0.0=") + build});
    QVERIFY2(verify.exitCode == 0, qPrintable(verify.out + verify.err));
}

void TestPublishPacker::failedPackingLeavesReleaseAlone_data()
{
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<QString>("message");
    QTest::newRow("7zz fails") << QByteArray("echo 'E_FAIL: no space left' >&2; exit 2")
                               << "7zz failed with exit code 2: E_FAIL: no space left";
    QTest::newRow("7zz warns of a file it left out") << QByteArray("exit 1") << "7zz failed with exit code 1";
    QTest::newRow("7zz is killed") << QByteArray("kill -9 $$") << "7zz was stopped";
}

void TestPublishPacker::failedPackingLeavesReleaseAlone()
{
    QFETCH(QByteArray, ending);
    QFETCH(QString, message);
    QTemporaryDir work;
    const QString tools = work.filePath(QStringLiteral("tools"));
    QVERIFY(QDir().mkpath(tools) && writeFakeTool(tools, ending));
    const QString release = work.filePath(QStringLiteral("release"));
    const QString build = path(QStringLiteral("build"));
    QVERIFY(runPublish({QStringLiteral("full"), QStringLiteral("--version=0.9.0"), Mirror, build, release})
                .exitCode == 0);
    const QStringList before = itemsBelow(release);
    const QMap<QString, QString> digests = folderDigests(release);

    const PublishRun run = runPublish({QStringLiteral("full"), Version, Mirror, build, release}, tools);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("gd7-publish: ")) && run.err.contains(message),
             qPrintable(run.err));
    QCOMPARE(itemsBelow(release), before);
    QCOMPARE(folderDigests(release), digests);
}

void TestPublishPacker::killedPublisherStopsPacking()
{
    // A packer that never finishes by itself: it ends only because its publisher did.
    QTemporaryDir work;
    const QString tools = work.filePath(QStringLiteral("tools"));
    QVERIFY(QDir().mkpath(tools) && writeFakeTool(tools, "exec /bin/sleep 600"));
    const QString release = work.filePath(QStringLiteral("release"));
    QProcess publisher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), tools);
    publisher.setProcessEnvironment(environment);
    publisher.start(QStringLiteral(GD7_PUBLISH_EXE),
                    {QStringLiteral("full"), Version, Mirror, path(QStringLiteral("build")), release});
    QVERIFY(publisher.waitForStarted());
    qint64 packer = 0;
    const auto leaveNothingRunning = qScopeGuard([&packer] {
        if (packer != 0 && !processEnded(packer) && processName(packer) == "sleep")
            ::kill(pid_t(packer), SIGKILL);
    });
    QTRY_VERIFY_WITH_TIMEOUT(
        (packer = childrenOf(publisher.processId()).value(0)) != 0 && processName(packer) == "sleep", 60000);
    QCOMPARE(::kill(pid_t(publisher.processId()), SIGKILL), 0);
    QVERIFY(publisher.waitForFinished(60000));
    QTRY_VERIFY_WITH_TIMEOUT(processEnded(packer), 60000);
    QVERIFY(!QFileInfo::exists(release + QLatin1Char('/') + ArchiveName));
    QVERIFY(!QFileInfo::exists(release + QStringLiteral("/update.json")));
}

QTEST_GUILESS_MAIN(TestPublishPacker)
#include "tst_publishpacker.moc"
