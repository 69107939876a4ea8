#include "patch/sevenzip.h"
#include "patch/sevenzipfolders.h"
#include "tests/patch/logtail.h"
#include "tests/patch/recordedprogress.h"
#include "tests/patch/testfiles.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <archive.h>
#include <archive_entry.h>
#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QString Folder = QStringLiteral("<folder>");

// Every file (with its content) and folder below a folder, by relative path.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> items;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        items.insert(name, it.fileInfo().isSymLink() ? QByteArray("<link>")
                           : it.fileInfo().isDir()   ? Folder.toUtf8()
                                                     : readAll(path));
    }
    return items;
}

qint64 fileBytes(const QMap<QString, QByteArray> &items)
{
    qint64 total = 0;
    for (const QByteArray &content : items) {
        if (content != Folder.toUtf8())
            total += content.size();
    }
    return total;
}

// The content tree the archives are made of: text, machine code for the branch filters, random bytes,
// an empty file, an empty folder and names beyond ASCII.
void makeTree(const QString &root)
{
    QByteArray text;
    const QList<QByteArray> words =
        QByteArray("glimmer deep launcher patch archive the of and map sound").split(' ');
    QRandomGenerator random(7);
    while (text.size() < 40000)
        text += words.at(int(random.bounded(words.size()))) + (random.bounded(12) ? " " : "\n");
    writeAll(root + QStringLiteral("/readme.txt"), text);
    QFile program(QStandardPaths::findExecutable(QStringLiteral("7zz")));
    program.open(QIODevice::ReadOnly);
    writeAll(root + QStringLiteral("/bin/program.exe"), program.read(300000));
    QByteArray noise(150000, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    writeAll(root + QStringLiteral("/data/random.bin"), noise);
    writeAll(root + QStringLiteral("/data/zero.bin"), QByteArray());
    QDir().mkpath(root + QStringLiteral("/empty"));
    writeAll(root + QStringLiteral("/Данные/файл ü.txt"), QByteArray("unicode"));
    writeAll(root + QStringLiteral("/日本語.txt"), QByteArray("nihongo"));
}

bool run7zz(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("7zz"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << "7zz" << arguments << process.readAll();
        return false;
    }
    return true;
}

// A 7z archive with names 7zz would never store, made with the archive library itself.
bool writeCraftedArchive(const QString &path, const QString &name)
{
    archive *writer = archive_write_new();
    bool ok = archive_write_set_format_7zip(writer) == ARCHIVE_OK &&
              archive_write_open_filename(writer, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    archive_entry *entry = archive_entry_new();
    archive_entry_update_pathname_utf8(entry, name.toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, 4);
    ok = ok && archive_write_header(writer, entry) == ARCHIVE_OK &&
         archive_write_data(writer, "evil", 4) == 4 && archive_write_close(writer) == ARCHIVE_OK;
    archive_entry_free(entry);
    archive_write_free(writer);
    return ok;
}

// Runs a hook on the first report: the packer lists its items before it reports anything.
class FirstReportHook : public ISevenZipCallback
{
public:
    explicit FirstReportHook(std::function<void()> hook) : m_hook(std::move(hook)) {}
    void progress(qint64, qint64) override
    {
        if (m_hook)
            std::exchange(m_hook, {})();
    }

private:
    std::function<void()> m_hook;
};

// The solid block of each item as 7zz lists it (-1 for an item without data), in the archive's order.
QVector<int> blocksListedBy7zz(const QString &archive)
{
    QProcess process;
    process.start(QStringLiteral("7zz"), {"l", "-slt", archive});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QVector<int> blocks;
    bool inItems = false;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        inItems = inItems || line.startsWith("----------");
        if (inItems && line.startsWith("Path = "))
            blocks.append(-1);
        if (inItems && line.startsWith("Block = ") && line.size() > 8)
            blocks.last() = line.mid(8).trimmed().toInt();
    }
    return blocks;
}

// Game-like content for the threaded unpacking: large files that compress (so that unpacking
// them takes a while), small ones, an empty file, a folder, names beyond ASCII.
QMap<QString, QByteArray> makeGameTree(const QString &root)
{
    QRandomGenerator random(11);
    const QList<QByteArray> words = QByteArray("cave crystal lantern glimmer deep ore map").split(' ');
    QMap<QString, QByteArray> files;
    for (int pack = 0; pack < 6; ++pack) {
        QByteArray data;
        while (data.size() < 3 * 1024 * 1024)
            data += words.at(int(random.bounded(words.size()))) + QByteArray::number(random.bounded(1000));
        files.insert(QStringLiteral("data/pack_%1.pak").arg(pack), data);
    }
    for (int i = 0; i < 20; ++i)
        files.insert(QStringLiteral("config/ä_%1.ini").arg(i), QByteArray::number(random.generate()));
    files.insert(QStringLiteral("data/empty.bin"), QByteArray());
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeAll(root + QLatin1Char('/') + it.key(), it.value());
    QDir().mkpath(root + QStringLiteral("/saves"));
    return files;
}

// True when every file below the folder is one of the files, whole.
bool onlyWholeFiles(const QString &folder, const QMap<QString, QByteArray> &files)
{
    const QMap<QString, QByteArray> written = snapshot(folder);
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        if (it.value() != Folder.toUtf8() && it.value() != files.value(it.key()))
            return false;
    }
    return true;
}

} // namespace

class SevenZipTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void extractsArchiveKinds_data();
    void extractsArchiveKinds();
    void replacesExistingFiles();
    void keepsNamesInACLocale();
    void refusesArchives_data();
    void refusesArchives();
    void packsFolders();
    void worksWithoutCallback();
    void failsToPackMissingFolder();
    void extractsOtherWriters();
    void stopsUnpacking_data();
    void stopsUnpacking();
    void packLeavesOutUnreadableFiles();
    void solidBlocksOfDamagedArchives_data();
    void solidBlocksOfDamagedArchives();
    void unpacksBlocksOnThreads();
    void stopsThreadedUnpacking_data();
    void stopsThreadedUnpacking();
    void threadedUnpackingFailsOnDamage();

private:
    QString makeArchive(const QString &name, const QStringList &switches);
    // The game tree in solid blocks of 2 MiB.
    QString packGameTree(const QString &source, const QString &name);

    QTemporaryDir m_root;
    QString m_tree;
    QMap<QString, QByteArray> m_treeItems;
    LogTail m_log;
};

void SevenZipTest::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("7zz")).isEmpty(), "7zz is not installed");
    QVERIFY(m_log.open(m_root.filePath(QStringLiteral("log.txt"))));
    m_tree = m_root.filePath(QStringLiteral("tree"));
    makeTree(m_tree);
    m_treeItems = snapshot(m_tree);
    QCOMPARE(m_treeItems.size(), 10);
}

QString SevenZipTest::makeArchive(const QString &name, const QStringList &switches)
{
    const QString path = m_root.filePath(QStringLiteral("archives/") + name);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    return run7zz(QStringList{QStringLiteral("a"), QStringLiteral("-bd"), path} + switches + QStringList{"."},
                  m_tree)
               ? path
               : QString();
}

QString SevenZipTest::packGameTree(const QString &source, const QString &name)
{
    const QString archive = m_root.filePath(QStringLiteral("archives/") + name);
    QFile::remove(archive);
    return run7zz({"a", "-bd", "-mx=1", "-ms=2m", archive, "."}, source) ? archive : QString();
}

void SevenZipTest::extractsArchiveKinds_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::newRow("lzma") << QStringList{"-m0=LZMA", "-mx=1"};
    QTest::newRow("lzma2") << QStringList{"-m0=LZMA2", "-mx=1", "-mmt=1"};
    QTest::newRow("lzma2 with bcj") << QStringList{"-m0=BCJ", "-m1=LZMA2", "-mx=1"};
    QTest::newRow("bcj2") << QStringList{"-mf=BCJ2", "-m0=LZMA", "-mx=1"};
    QTest::newRow("solid") << QStringList{"-ms=on", "-mx=3"};
    QTest::newRow("not solid") << QStringList{"-ms=off", "-mx=3"};
    QTest::newRow("multi-threaded lzma2") << QStringList{"-m0=LZMA2:d=64k:c=64k", "-mmt=2", "-ms=on"};
    QTest::newRow("stored") << QStringList{"-mx=0"};
    QTest::newRow("blocks of 64 KiB") << QStringList{"-ms=64k", "-mx=1"};
    QTest::newRow("blocks, plain header") << QStringList{"-ms=64k", "-mhc=off"};
}

// Each kind unpacks whole, and the solid blocks read from its header are those 7zz lists.
void SevenZipTest::extractsArchiveKinds()
{
    QFETCH(QStringList, switches);
    const QString archive = makeArchive(QStringLiteral("kind.7z"), switches);
    QVERIFY(!archive.isEmpty());
    const QVector<int> listed = blocksListedBy7zz(archive);
    QCOMPARE(listed.size(), m_treeItems.size());
    QCOMPARE(SevenZipFolders::itemFolders(archive), listed);
    QTemporaryDir destination;
    const QString target = destination.filePath(QStringLiteral("nested/content"));
    RecordedProgress<ISevenZipCallback> progress;
    QVERIFY(sevenZipExtract(archive, target, &progress));
    QCOMPARE(snapshot(target), m_treeItems);
    const qint64 total = fileBytes(m_treeItems);
    QCOMPARE(progress.reports.front(), Report(total, 0));
    QCOMPARE(progress.reports.back(), Report(total, total));
    for (size_t i = 1; i < progress.reports.size(); ++i)
        QVERIFY(progress.reports[i].second >= progress.reports[i - 1].second);
}

void SevenZipTest::replacesExistingFiles()
{
    const QString archive = makeArchive(QStringLiteral("replace.7z"), {"-mx=1"});
    QTemporaryDir destination;
    QVERIFY(writeAll(destination.filePath(QStringLiteral("readme.txt")),
                     QByteArray("an older and longer readme")));
    const QString readOnly = destination.filePath(QStringLiteral("data/random.bin"));
    QVERIFY(writeAll(readOnly, QByteArray("old")));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    QVERIFY(sevenZipExtract(archive, destination.path(), nullptr));
    QCOMPARE(snapshot(destination.path()), m_treeItems);
}

// The archive library would turn every non-ASCII name into question marks in a C locale.
void SevenZipTest::keepsNamesInACLocale()
{
    const QString archive = makeArchive(QStringLiteral("names.7z"), {"-mx=1"});
    QTemporaryDir destination;
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const bool ascii = std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0;
    const bool extracted = sevenZipExtract(archive, destination.path(), nullptr);
    std::setlocale(LC_ALL, previous.constData());
    QVERIFY(ascii);
    QVERIFY(extracted);
    QCOMPARE(snapshot(destination.path()), m_treeItems);
}

void SevenZipTest::refusesArchives_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("beforeWriting");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << true << "";
    QTest::newRow("zip named .7z") << "zip" << true << "";
    QTest::newRow("encrypted data") << "encrypted" << true << "the item is encrypted";
    QTest::newRow("encrypted names") << "encrypted names" << true << "";
    QTest::newRow("truncated") << "truncated" << false << "the archive is truncated or damaged";
    QTest::newRow("damaged block") << "damaged" << false << "bad CRC";
    QTest::newRow("link out of the destination")
        << "link out" << true << "the item is neither a file nor a folder";
    QTest::newRow("link inside the destination")
        << "link in" << true << "the item is neither a file nor a folder";
    QTest::newRow("absolute name") << "absolute" << true << "the name leads out of the destination";
    QTest::newRow("parent name") << "../evil.txt" << true << "item: ../evil.txt error: the name leads out";
    QTest::newRow("parent inside name")
        << "sub/../../evil.txt" << true << "the name leads out of the destination";
    QTest::newRow("backslash name") << "sub\\evil.txt" << true << "the name leads out of the destination";
}

void SevenZipTest::refusesArchives()
{
    QFETCH(QString, kind);
    QFETCH(bool, beforeWriting);
    QFETCH(QString, reason);
    QString archive = m_root.filePath(QStringLiteral("archives/refused.7z"));
    QFile::remove(archive);
    if (kind == QLatin1String("zip")) {
        archive = makeArchive(QStringLiteral("zip.7z"), {"-tzip"});
    } else if (kind == QLatin1String("encrypted")) {
        archive = makeArchive(QStringLiteral("encrypted.7z"), {"-pSecret", "-mhe=off"});
    } else if (kind == QLatin1String("encrypted names")) {
        archive = makeArchive(QStringLiteral("encrypted-names.7z"), {"-pSecret", "-mhe=on"});
    } else if (kind == QLatin1String("truncated")) {
        const QByteArray whole = readAll(makeArchive(QStringLiteral("whole.7z"), {"-mx=1", "-ms=off"}));
        QVERIFY(writeAll(archive, whole.left(whole.size() * 3 / 5)));
    } else if (kind == QLatin1String("damaged")) {
        QByteArray stored = readAll(makeArchive(QStringLiteral("stored.7z"), {"-mx=0"}));
        const int text = stored.indexOf(readAll(m_tree + QStringLiteral("/readme.txt")).left(64));
        QVERIFY(text > 0);
        stored[text + 1000] = char(stored[text + 1000] ^ 0x55);
        QVERIFY(writeAll(archive, stored));
    } else if (kind.startsWith(QLatin1String("link"))) {
        const QString links = m_root.filePath(QStringLiteral("links"));
        QDir().mkpath(links);
        QFile::remove(links + QStringLiteral("/link"));
        QVERIFY(QFile::link(kind == QLatin1String("link out") ? QStringLiteral("/etc/passwd")
                                                              : QStringLiteral("readme.txt"),
                            links + QStringLiteral("/link")));
        QVERIFY(writeAll(links + QStringLiteral("/readme.txt"), QByteArray("read me")));
        QVERIFY(run7zz({"a", "-bd", "-snl", archive, "readme.txt", "link"}, links));
    } else if (kind == QLatin1String("absolute")) {
        QVERIFY(run7zz({"a", "-bd", "-spf", archive, m_tree + QStringLiteral("/readme.txt")}, m_tree));
    } else if (kind != QLatin1String("missing")) {
        QVERIFY(writeCraftedArchive(archive, kind));
    }
    QVERIFY(!archive.isEmpty());
    QTemporaryDir destination;
    const QString target = destination.filePath(QStringLiteral("sub/content"));
    m_log.newText();
    QVERIFY(!sevenZipExtract(archive, target, nullptr));
    if (beforeWriting)
        QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(snapshot(destination.path()).keys().filter(QStringLiteral("evil")), QStringList());
    const QString log = m_log.newText();
    QVERIFY2(log.contains(QStringLiteral("7z extract failed: ") + archive), qPrintable(log));
    QVERIFY2(log.contains(reason), qPrintable(log));
    QVERIFY2(!log.trimmed().endsWith(QStringLiteral("error:")), qPrintable(log));
}

void SevenZipTest::packsFolders()
{
    const QString archive = m_root.filePath(QStringLiteral("packed/diagnostics.7z"));
    const QString work = m_root.filePath(QStringLiteral("packwork"));
    QVERIFY(writeAll(archive, QByteArray("an older archive")));
    QVERIFY(QDir().mkpath(work));
    RecordedProgress<ISevenZipCallback> progress;
    QVERIFY(sevenZipPack(archive, m_tree, work, &progress));
    const qint64 total = fileBytes(m_treeItems);
    QCOMPARE(progress.reports.back(), Report(total, total));
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

    QVERIFY(run7zz({"t", "-bd", archive}, m_root.path()));
    QProcess listing;
    listing.start(QStringLiteral("7zz"), {"l", "-slt", archive});
    QVERIFY(listing.waitForFinished());
    const QString methods = QString::fromUtf8(listing.readAllStandardOutput());
    QVERIFY2(methods.contains(QStringLiteral("Method = LZMA2")) && !methods.contains(QStringLiteral("LZMA:")),
             qPrintable(methods));
    const QString byTool = m_root.filePath(QStringLiteral("unpacked-by-7zz"));
    QVERIFY(run7zz({"x", "-bd", QStringLiteral("-o") + byTool, archive}, m_root.path()));
    QCOMPARE(snapshot(byTool), m_treeItems);
    QTemporaryDir byAdapter;
    QVERIFY(sevenZipExtract(archive, byAdapter.path(), nullptr));
    QCOMPARE(snapshot(byAdapter.path()), m_treeItems);
}

void SevenZipTest::worksWithoutCallback()
{
    QTemporaryDir folder;
    const QString archive = folder.filePath(QStringLiteral("quiet.7z"));
    QVERIFY(sevenZipPack(archive, m_tree, folder.path(), nullptr));
    QVERIFY(sevenZipExtract(archive, folder.filePath(QStringLiteral("out")), nullptr));
    QCOMPARE(snapshot(folder.filePath(QStringLiteral("out"))), m_treeItems);
}

void SevenZipTest::failsToPackMissingFolder()
{
    QTemporaryDir folder;
    const QString archive = folder.filePath(QStringLiteral("none.7z"));
    m_log.newText();
    QVERIFY(!sevenZipPack(archive, folder.filePath(QStringLiteral("missing")), folder.path(), nullptr));
    QVERIFY(!QFileInfo::exists(archive));
    QVERIFY(m_log.newText().contains(QStringLiteral("7z pack failed: ") + archive));
}

// Another writer stores files with their permission bits but without the file-type bits, as 7zz and
// bsdtar still read as plain files.
void SevenZipTest::extractsOtherWriters()
{
    const QString archive = m_root.filePath(QStringLiteral("archives/py7zr.7z"));
    QDir().mkpath(QFileInfo(archive).path());
    QProcess writer;
    writer.setWorkingDirectory(m_tree);
    writer.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import py7zr, sys\n"
                                 "with py7zr.SevenZipFile(sys.argv[1], 'w') as z:\n"
                                 "    z.writeall('.', '')\n"),
                  archive});
    QVERIFY(writer.waitForFinished(60000));
    QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
    QProcess listing;
    listing.start(QStringLiteral("7zz"), {"l", "-slt", archive});
    QVERIFY(listing.waitForFinished());
    // The file items really lack their type bits: "0rw-r--r--" rather than "-rw-r--r--".
    QVERIFY(QString::fromUtf8(listing.readAllStandardOutput()).contains(QStringLiteral(" 0rw-")));

    const QString byTool = m_root.filePath(QStringLiteral("py7zr-by-7zz"));
    QVERIFY(run7zz({"x", "-bd", QStringLiteral("-o") + byTool, archive}, m_root.path()));
    QTemporaryDir byAdapter;
    RecordedProgress<ISevenZipCallback> progress;
    QVERIFY(sevenZipExtract(archive, byAdapter.path(), &progress));
    QCOMPARE(snapshot(byAdapter.path()), snapshot(byTool));
    QCOMPARE(snapshot(byAdapter.path()).value(QStringLiteral("data/random.bin")),
             m_treeItems.value(QStringLiteral("data/random.bin")));
    QCOMPARE(progress.reports.back().second, fileBytes(snapshot(byTool)));
}

void SevenZipTest::stopsUnpacking_data()
{
    QTest::addColumn<int>("stopAfter"); // reports seen before the stop
    QTest::newRow("before the first item") << 0;
    QTest::newRow("inside the big file") << 2;
    QTest::newRow("later in the big file") << 5;
}

// A stop ends the unpack at the next block: it fails, and no file is left half written.
void SevenZipTest::stopsUnpacking()
{
    QFETCH(int, stopAfter);
    const QString source = m_root.filePath(QStringLiteral("big"));
    QByteArray big(6 * 1024 * 1024, '\0');
    QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(big.data()), big.size() / 4);
    QVERIFY(writeAll(source + QStringLiteral("/a.txt"), "first"));
    QVERIFY(writeAll(source + QStringLiteral("/big.bin"), big));
    QVERIFY(writeAll(source + QStringLiteral("/z.txt"), "last"));
    const QString archive = m_root.filePath(QStringLiteral("archives/big.7z"));
    QFile::remove(archive);
    // One solid block: unpacked on the caller's thread, which sees every report.
    QVERIFY(run7zz({"a", "-bd", "-m0=LZMA", "-mx=1", "-ms=on", archive, "."}, source));

    QTemporaryDir destination;
    StoppingProgress<ISevenZipCallback> progress(size_t(stopAfter) + 1);
    m_log.newText();
    QVERIFY(!sevenZipExtract(archive, destination.path(), &progress));
    QVERIFY(m_log.newText().contains(QStringLiteral("error: stopped")));
    const QMap<QString, QByteArray> written = snapshot(destination.path());
    QVERIFY(!written.contains(QStringLiteral("big.bin")));
    if (stopAfter == 0)
        QCOMPARE(written, (QMap<QString, QByteArray>()));
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        QCOMPARE(it.value(), readAll(source + QLatin1Char('/') + it.key()));
    QVERIFY(progress.reports.size() <= size_t(stopAfter) + 2);
}

// A file that cannot be read when its turn comes is left out; the archive still holds the rest.
void SevenZipTest::packLeavesOutUnreadableFiles()
{
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("logs"));
    QVERIFY(writeAll(source + QStringLiteral("/a.log"), "first log"));
    QVERIFY(writeAll(source + QStringLiteral("/rotated.log"), "gone before it was read"));
    QVERIFY(writeAll(source + QStringLiteral("/z.log"), "last log"));
    const QString archive = folder.filePath(QStringLiteral("diag.7z"));
    FirstReportHook hook([&source] { QFile::remove(source + QStringLiteral("/rotated.log")); });
    m_log.newText();
    QVERIFY(sevenZipPack(archive, source, folder.path(), &hook));
    QVERIFY(m_log.newText().contains(QStringLiteral("7z pack left out an unreadable item: ") + source +
                                     QStringLiteral("/rotated.log")));
    QTemporaryDir unpacked;
    QVERIFY(sevenZipExtract(archive, unpacked.path(), nullptr));
    QCOMPARE(snapshot(unpacked.path()),
             (QMap<QString, QByteArray>{{"a.log", "first log"}, {"z.log", "last log"}}));
}

void SevenZipTest::solidBlocksOfDamagedArchives_data()
{
    QTest::addColumn<int>("cut");     // bytes cut off the end
    QTest::addColumn<int>("flipped"); // a byte flipped this far from the end, or -1
    QTest::newRow("header cut off") << 20 << -1;
    QTest::newRow("only the start header") << -32 << -1;
    QTest::newRow("flipped header byte") << 0 << 12;
}

// A damaged header gives no blocks, never a crash or a list of the wrong length.
void SevenZipTest::solidBlocksOfDamagedArchives()
{
    QFETCH(int, cut);
    QFETCH(int, flipped);
    const QString archive = makeArchive(QStringLiteral("damaged.7z"), {"-ms=64k", "-mhc=off"});
    QByteArray bytes = readAll(archive);
    bytes = cut < 0 ? bytes.left(-cut) : bytes.left(bytes.size() - cut);
    if (flipped >= 0)
        bytes[bytes.size() - flipped] = char(bytes.at(bytes.size() - flipped) ^ 0x5a);
    QVERIFY(writeAll(archive, bytes));
    const QVector<int> blocks = SevenZipFolders::itemFolders(archive);
    QVERIFY2(blocks.isEmpty() || blocks.size() == m_treeItems.size(),
             qPrintable(QString::number(blocks.size())));
    QVERIFY(SevenZipFolders::itemFoldersOfHeader(QByteArray("\x01\x04\x06\xff\xff", 5)).isEmpty());
}

// An archive of several blocks is unpacked on several threads into the same files, with the same
// progress at its ends.
void SevenZipTest::unpacksBlocksOnThreads()
{
    if (QThread::idealThreadCount() < 2)
        QSKIP("one core: unpacking stays on the caller's thread");
    QTemporaryDir source;
    const QMap<QString, QByteArray> files = makeGameTree(source.path());
    const QString archive = packGameTree(source.path(), QStringLiteral("game.7z"));
    QVERIFY(!archive.isEmpty());
    QTemporaryDir destination;
    RecordedProgress<ISevenZipCallback> progress;
    m_log.newText();
    QVERIFY(sevenZipExtract(archive, destination.path(), &progress));
    QVERIFY(m_log.newText().contains(QStringLiteral("7z extract on 2 threads")) ||
            QThread::idealThreadCount() > 2);
    QCOMPARE(snapshot(destination.path()), snapshot(source.path()));
    const qint64 total = fileBytes(snapshot(source.path()));
    QCOMPARE(progress.reports.front(), Report(total, 0));
    QCOMPARE(progress.reports.back(), Report(total, total));
}

void SevenZipTest::stopsThreadedUnpacking_data()
{
    QTest::addColumn<int>("stopAfter"); // reports seen before the stop
    QTest::newRow("before the threads start") << 0;
    QTest::newRow("while they unpack") << 1;
}

// A stop reaches every thread: the unpack fails and what it leaves are whole files only.
void SevenZipTest::stopsThreadedUnpacking()
{
    QFETCH(int, stopAfter);
    QTemporaryDir source;
    const QMap<QString, QByteArray> files = makeGameTree(source.path());
    const QString archive = packGameTree(source.path(), QStringLiteral("stopped.7z"));
    QVERIFY(!archive.isEmpty());
    QTemporaryDir destination;
    StoppingProgress<ISevenZipCallback> progress(size_t(stopAfter) + 1);
    m_log.newText();
    QVERIFY(!sevenZipExtract(archive, destination.path(), &progress));
    QVERIFY(m_log.newText().contains(QStringLiteral("error: stopped")));
    QVERIFY(onlyWholeFiles(destination.path(), files));
    if (stopAfter == 0)
        QCOMPARE(fileBytes(snapshot(destination.path())), 0);
}

// A damaged block in the middle fails the whole unpack; no file is left half written.
void SevenZipTest::threadedUnpackingFailsOnDamage()
{
    QTemporaryDir source;
    const QMap<QString, QByteArray> files = makeGameTree(source.path());
    const QString archive = packGameTree(source.path(), QStringLiteral("damaged-block.7z"));
    QVERIFY(!archive.isEmpty());
    QByteArray bytes = readAll(archive);
    const int middle = bytes.size() / 2;
    for (int i = 0; i < 64; ++i)
        bytes[middle + i] = char(~bytes.at(middle + i));
    QVERIFY(writeAll(archive, bytes));
    QTemporaryDir destination;
    m_log.newText();
    QVERIFY(!sevenZipExtract(archive, destination.path(), nullptr));
    QVERIFY(m_log.newText().contains(QStringLiteral("7z extract failed")));
    QVERIFY(onlyWholeFiles(destination.path(), files));
}

QTEST_GUILESS_MAIN(SevenZipTest)
#include "tst_sevenzip.moc"
