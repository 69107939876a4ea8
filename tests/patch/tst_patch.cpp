#include "patch/filesha1.h"
#include "patch/patch.h"
#include "tests/patch/logtail.h"
#include "tests/patch/recordedprogress.h"
#include "tests/patch/testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>
#include <utility>
#include <vector>

namespace {

QString sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// A game folder, a patch package for it and a work folder, built from the JojoDiff reference vectors.
class Package
{
public:
    explicit Package(const QString &vectors, const QString &root = QString())
        : m_vectors(vectors), m_root(root.isEmpty() ? QDir::tempPath() + QStringLiteral("/gd7-XXXXXX") : root)
    {}
    bool isValid() const { return m_root.isValid(); }
    QString game(const QString &path = QString()) const
    {
        return m_root.filePath(QStringLiteral("game/") + path);
    }
    QString package(const QString &path = QString()) const
    {
        return m_root.filePath(QStringLiteral("package/") + path);
    }
    QString work(const QString &path = QString()) const
    {
        return m_root.filePath(QStringLiteral("work/") + path);
    }
    QString root(const QString &path) const { return m_root.filePath(path); }

    QByteArray vectorFile(const QString &vector, const QString &name) const
    {
        return readAll(m_vectors + QLatin1Char('/') + vector + QLatin1Char('/') + name);
    }
    // The game holds the vector's old file at path, the package its patch.
    QJsonObject addModified(const QString &path, const QString &vector)
    {
        const QString local = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
        writeAll(game(local), vectorFile(vector, QStringLiteral("old")));
        writeAll(package(local), vectorFile(vector, QStringLiteral("patch")));
        const QByteArray newFile = vectorFile(vector, QStringLiteral("new"));
        QJsonObject entry{{QStringLiteral("path"), path},
                          {QStringLiteral("size"), newFile.size()},
                          {QStringLiteral("sha1_old"), sha1(vectorFile(vector, QStringLiteral("old")))},
                          {QStringLiteral("sha1_new"), sha1(newFile)}};
        m_modified.append(entry);
        return entry;
    }
    void addAdded(const QString &path, const QByteArray &content)
    {
        writeAll(package(path), content);
        m_added.append(QJsonObject{{QStringLiteral("path"), path}});
    }
    void addRemoved(const QString &path)
    {
        writeAll(game(path), QByteArray("obsolete"));
        m_removed.append(QJsonObject{{QStringLiteral("path"), path}});
    }
    QJsonArray &modified() { return m_modified; }
    QJsonArray &added() { return m_added; }
    QJsonArray &removed() { return m_removed; }

    bool writeConfig() const
    {
        const QJsonObject lists{{QStringLiteral("modified"), m_modified},
                                {QStringLiteral("added"), m_added},
                                {QStringLiteral("removed"), m_removed}};
        const QJsonObject config{{QStringLiteral("version_from"), QStringLiteral("1.0.5")},
                                 {QStringLiteral("patch"), lists}};
        return writeAll(package(QStringLiteral("patch.conf")), QJsonDocument(config).toJson());
    }
    bool apply(IPatchProgress *progress = nullptr) const
    {
        Patch patch(progress);
        return writeConfig() && patch.load(package()) && patch.apply(game(), work());
    }

private:
    QString m_vectors;
    QTemporaryDir m_root;
    QJsonArray m_modified;
    QJsonArray m_added;
    QJsonArray m_removed;
};

// Makes a folder refuse new and removed entries, even to root, while it lives.
class SealedFolder
{
public:
    explicit SealedFolder(const QString &path) : m_path(path)
    {
        m_sealed = geteuid() == 0
                       ? QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0
                       : QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~SealedFolder()
    {
        if (!m_sealed)
            return;
        if (geteuid() == 0)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool isSealed() const { return m_sealed; }

private:
    QString m_path;
    bool m_sealed;
};

} // namespace

class PatchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void appliesModifiedAddedAndRemovedFiles();
    void skipsFileAlreadyAtNewDigest();
    void validatesEveryEntryBeforeTouchingFiles_data();
    void validatesEveryEntryBeforeTouchingFiles();
    void stopsAtFailedModification_data();
    void stopsAtFailedModification();
    void keepsTargetWhenReplacingFails();
    void stopsWhenAsked_data();
    void stopsWhenAsked();
    void holdsHugeSizes_data();
    void holdsHugeSizes();
    void replacesAcrossFileSystems();
    void replacesExistingAddedTarget();
    void goesOnPastMissingRemovedFile();
    void loadsConfig_data();
    void loadsConfig();
    void readsEntryNumbers_data();
    void readsEntryNumbers();
    void hashesFiles_data();
    void hashesFiles();

private:
    QString m_vectors;
    QTemporaryDir m_logFolder;
    LogTail m_log;
};

void PatchTest::initTestCase()
{
    m_vectors = qEnvironmentVariable("GD7_TEST_DATA") + QStringLiteral("/jdiff");
    QVERIFY2(QFileInfo(m_vectors + QStringLiteral("/text_edit/patch")).isFile(),
             qPrintable(QStringLiteral("no reference vectors in ") + m_vectors));
    QVERIFY(m_log.open(m_logFolder.filePath(QStringLiteral("log.txt"))));
}

void PatchTest::appliesModifiedAddedAndRemovedFiles()
{
    Package package(m_vectors);
    QVERIFY(package.isValid());
    package.addModified(QStringLiteral("readme.txt"), QStringLiteral("text_edit"));
    package.addModified(QStringLiteral("Data\\maps\\world.bin"), QStringLiteral("insert_middle"));
    package.addAdded(QStringLiteral("Data/sounds/new.ogg"), QByteArray(70000, 's'));
    package.addRemoved(QStringLiteral("Data/old.pak"));
    RecordedProgress<IPatchProgress> progress;
    m_log.newText();
    QVERIFY(package.apply(&progress));

    QCOMPARE(readAll(package.game(QStringLiteral("readme.txt"))), package.vectorFile("text_edit", "new"));
    QCOMPARE(readAll(package.game(QStringLiteral("Data/maps/world.bin"))),
             package.vectorFile("insert_middle", "new"));
    QCOMPARE(readAll(package.game(QStringLiteral("Data/sounds/new.ogg"))), QByteArray(70000, 's'));
    QVERIFY(!QFile::exists(package.game(QStringLiteral("Data/old.pak"))));
    QVERIFY(!QFile::exists(package.package(QStringLiteral("Data/sounds/new.ogg"))));
    QCOMPARE(filesBelow(package.work()), QStringList());

    // Work counted: both old files and new files hashed, both streams consumed, the added file moved.
    const qint64 total = 20000 + 19981 + 51 + 65536 + 65836 + 312 + 70000;
    QCOMPARE(progress.reports.back(), Report(total, total));
    for (size_t i = 1; i < progress.reports.size(); ++i) {
        QVERIFY(progress.reports[i].first >= progress.reports[i - 1].first);
        QCOMPARE(progress.reports[i].second, total);
    }
    const QString log = m_log.newText();
    QVERIFY(log.contains(QStringLiteral("applying patch to ")));
    QVERIFY(log.contains(QStringLiteral("patch apply success:  orig: ") +
                         package.game(QStringLiteral("readme.txt")) + QStringLiteral(" patch:") +
                         package.package(QStringLiteral("readme.txt")) + QStringLiteral(" work: ") +
                         package.work(QStringLiteral("readme.txt"))));
    QVERIFY(log.contains(QStringLiteral("patch apply add file: ") +
                         package.game(QStringLiteral("Data/sounds/new.ogg"))));
    QVERIFY(log.contains(QStringLiteral("patch apply remove obsolete file: ") +
                         package.game(QStringLiteral("Data/old.pak"))));
}

void PatchTest::skipsFileAlreadyAtNewDigest()
{
    Package package(m_vectors);
    const QJsonObject entry = package.addModified(QStringLiteral("done.bin"), QStringLiteral("delete_start"));
    package.addModified(QStringLiteral("todo.txt"), QStringLiteral("text_edit"));
    const QByteArray newFile = package.vectorFile(QStringLiteral("delete_start"), QStringLiteral("new"));
    QVERIFY(writeAll(package.game(QStringLiteral("done.bin")), newFile));
    RecordedProgress<IPatchProgress> progress;
    m_log.newText();
    QVERIFY(package.apply(&progress));
    QCOMPARE(readAll(package.game(QStringLiteral("done.bin"))), newFile);
    QCOMPARE(readAll(package.game(QStringLiteral("todo.txt"))), package.vectorFile("text_edit", "new"));
    QVERIFY(m_log.newText().contains(
        QStringLiteral("patch apply old hash match new hash for: done.bin actual: ") + sha1(newFile) +
        QStringLiteral(" new: ") + entry.value("sha1_new").toString()));
    const qint64 total = 61440 + 10 + 61440 + 20000 + 51 + 19981;
    QCOMPARE(progress.reports.back(), Report(total, total));
}

void PatchTest::validatesEveryEntryBeforeTouchingFiles_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QJsonValue>("entry");
    QTest::addColumn<QString>("logged");
    const QString leaves = QStringLiteral("patch apply path leaves the folder: ");
    const QStringList paths = {QStringLiteral("../outside.txt"),
                               QStringLiteral("Data/../../outside.txt"),
                               QStringLiteral("..\\outside.txt"),
                               QStringLiteral("//server/outside.txt"),
                               QStringLiteral("C:/outside.txt"),
                               QStringLiteral("c:outside.txt"),
                               QString()};
    for (const QString &list :
         {QStringLiteral("modified"), QStringLiteral("added"), QStringLiteral("removed")}) {
        for (const QString &path : paths) {
            QTest::addRow("%s %s", qPrintable(list), qPrintable(path))
                << list << QJsonValue(QJsonObject{{QStringLiteral("path"), path}}) << leaves + path;
        }
        QTest::addRow("%s not an object", qPrintable(list)) << list << QJsonValue(42) << QString();
    }
}

void PatchTest::validatesEveryEntryBeforeTouchingFiles()
{
    QFETCH(QString, list);
    QFETCH(QJsonValue, entry);
    QFETCH(QString, logged);
    Package package(m_vectors);
    package.addModified(QStringLiteral("readme.txt"), QStringLiteral("text_edit"));
    package.addAdded(QStringLiteral("new.txt"), QByteArray("new"));
    package.addRemoved(QStringLiteral("old.txt"));
    QVERIFY(writeAll(package.root(QStringLiteral("outside.txt")), QByteArray("keep")));
    QJsonArray &entries = list == QLatin1String("modified") ? package.modified()
                          : list == QLatin1String("added")  ? package.added()
                                                            : package.removed();
    entries.append(entry);
    m_log.newText();
    QVERIFY(!package.apply());
    QCOMPARE(readAll(package.game(QStringLiteral("readme.txt"))), package.vectorFile("text_edit", "old"));
    QVERIFY(!QFile::exists(package.game(QStringLiteral("new.txt"))));
    QVERIFY(QFile::exists(package.game(QStringLiteral("old.txt"))));
    QCOMPARE(readAll(package.root(QStringLiteral("outside.txt"))), QByteArray("keep"));
    QCOMPARE(filesBelow(package.work()), QStringList());
    const QString log = m_log.newText();
    if (logged.isEmpty())
        QVERIFY(!log.contains(QStringLiteral("crit")));
    else
        QVERIFY2(log.contains(logged), qPrintable(log));
}

void PatchTest::stopsAtFailedModification_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("logged");
    QTest::newRow("target changed") << "changed"
                                    << "patch apply old hash mismatch for: b.txt actual: ";
    QTest::newRow("target missing") << "missing"
                                    << "patch apply old hash mismatch for: b.txt actual:  excpected: ";
    QTest::newRow("upper-case digest") << "upper"
                                       << "patch apply old hash mismatch for: b.txt actual: ";
    QTest::newRow("stream cut after escape") << "cut"
                                             << "patch apply failed: code: 20 orig: ";
    QTest::newRow("stream gives other content") << "empty"
                                                << "patch apply new hash mismatch for: b.txt actual: "
                                                   "da39a3ee5e6b4b0d3255bfef95601890afd80709 excpected: ";
}

void PatchTest::stopsAtFailedModification()
{
    QFETCH(QString, fault);
    QFETCH(QString, logged);
    Package package(m_vectors);
    package.addModified(QStringLiteral("a.bin"), QStringLiteral("delete_start"));
    package.addModified(QStringLiteral("b.txt"), QStringLiteral("text_edit"));
    package.addModified(QStringLiteral("c.bin"), QStringLiteral("insert_start"));
    package.addAdded(QStringLiteral("new.txt"), QByteArray("new"));
    QByteArray oldB = package.vectorFile(QStringLiteral("text_edit"), QStringLiteral("old"));
    if (fault == QLatin1String("changed"))
        oldB[100] = 'X';
    if (fault == QLatin1String("missing"))
        oldB.clear();
    QVERIFY(fault == QLatin1String("missing") ? QFile::remove(package.game(QStringLiteral("b.txt")))
                                              : writeAll(package.game(QStringLiteral("b.txt")), oldB));
    if (fault == QLatin1String("upper")) {
        QJsonObject entry = package.modified()[1].toObject();
        entry[QStringLiteral("sha1_old")] = entry.value(QStringLiteral("sha1_old")).toString().toUpper();
        package.modified()[1] = entry;
    }
    if (fault == QLatin1String("cut"))
        QVERIFY(writeAll(package.package(QStringLiteral("b.txt")), QByteArray("\xa7\xa3\x03\xa7")));
    if (fault == QLatin1String("empty"))
        QVERIFY(writeAll(package.package(QStringLiteral("b.txt")), QByteArray()));
    m_log.newText();
    QVERIFY(!package.apply());
    QCOMPARE(readAll(package.game(QStringLiteral("a.bin"))), package.vectorFile("delete_start", "new"));
    QCOMPARE(readAll(package.game(QStringLiteral("b.txt"))), oldB);
    QCOMPARE(readAll(package.game(QStringLiteral("c.bin"))), package.vectorFile("insert_start", "old"));
    QVERIFY(!QFile::exists(package.game(QStringLiteral("new.txt"))));
    const QString log = m_log.newText();
    QVERIFY2(log.contains(logged), qPrintable(log));
}

// A failed rename must leave the old file in place, with the good new one in the work folder.
void PatchTest::stopsWhenAsked_data()
{
    QTest::addColumn<double>("stopAt"); // the share of a whole run's progress reports seen before the stop
    QTest::newRow("before the first file") << 0.0;
    QTest::newRow("early") << 0.2;
    QTest::newRow("halfway") << 0.5;
    QTest::newRow("late") << 0.75;
}

// A stop ends the patch soon: every game file is whole, at its old or its new version, and nothing
// is added after it.
void PatchTest::stopsWhenAsked()
{
    QFETCH(double, stopAt);
    const auto fill = [](Package &package) {
        package.addModified(QStringLiteral("first.bin"), QStringLiteral("insert_middle"));
        package.addModified(QStringLiteral("second.txt"), QStringLiteral("text_edit"));
        package.addAdded(QStringLiteral("added.bin"), QByteArray(1000, 'a'));
    };
    Package whole(m_vectors);
    fill(whole);
    RecordedProgress<IPatchProgress> wholeRun;
    QVERIFY(whole.apply(&wholeRun));
    Package package(m_vectors);
    fill(package);
    StoppingProgress<IPatchProgress> progress(size_t(double(wholeRun.reports.size()) * stopAt) + 1);
    m_log.newText();
    QVERIFY(!package.apply(&progress));
    const QString log = m_log.newText();
    QVERIFY2(log.contains(QStringLiteral("patch apply stopped at: ")) ||
                 log.contains(QStringLiteral("patch apply failed: code: 21")),
             qPrintable(log));
    QVERIFY(!QFile::exists(package.game(QStringLiteral("added.bin"))));
    const QMap<QString, QString> vectors{{"first.bin", "insert_middle"}, {"second.txt", "text_edit"}};
    for (auto it = vectors.cbegin(); it != vectors.cend(); ++it) {
        const QByteArray now = readAll(package.game(it.key()));
        QVERIFY2(now == package.vectorFile(it.value(), "old") || now == package.vectorFile(it.value(), "new"),
                 qPrintable(it.key()));
    }
}

void PatchTest::holdsHugeSizes_data()
{
    QTest::addColumn<QJsonValue>("size");
    QTest::newRow("largest as text") << QJsonValue(QStringLiteral("9223372036854775807"));
    QTest::newRow("negative") << QJsonValue(QStringLiteral("-9223372036854775807"));
}

// A size in patch.conf only feeds the progress total: nonsense there must neither overflow it nor
// fail the patch.
void PatchTest::holdsHugeSizes()
{
    QFETCH(QJsonValue, size);
    Package package(m_vectors);
    package.addModified(QStringLiteral("first.bin"), QStringLiteral("insert_middle"));
    package.addModified(QStringLiteral("second.txt"), QStringLiteral("text_edit"));
    // One entry only: two such sizes would wrap around twice and hide the fault.
    QJsonObject entry = package.modified().at(0).toObject();
    entry[QStringLiteral("size")] = size;
    package.modified()[0] = entry;
    RecordedProgress<IPatchProgress> progress;
    QVERIFY(package.apply(&progress));
    QCOMPARE(readAll(package.game(QStringLiteral("second.txt"))), package.vectorFile("text_edit", "new"));
    QVERIFY(!progress.reports.empty());
    for (const Report &report : progress.reports) {
        QVERIFY(report.second > 0);
        QVERIFY(report.first >= 0);
    }
}

void PatchTest::keepsTargetWhenReplacingFails()
{
    Package package(m_vectors);
    package.addModified(QStringLiteral("Data/map.bin"), QStringLiteral("insert_middle"));
    QVERIFY(writeAll(package.work(QStringLiteral("Data/map.bin")), QByteArray()));
    const SealedFolder sealed(package.work(QStringLiteral("Data")));
    if (!sealed.isSealed())
        QSKIP("cannot make a folder refuse renames here");
    m_log.newText();
    QVERIFY(!package.apply());
    QCOMPARE(readAll(package.game(QStringLiteral("Data/map.bin"))),
             package.vectorFile("insert_middle", "old"));
    QCOMPARE(readAll(package.work(QStringLiteral("Data/map.bin"))),
             package.vectorFile("insert_middle", "new"));
    QVERIFY(m_log.newText().contains(QStringLiteral("patch apply failed to move: from: ") +
                                     package.work(QStringLiteral("Data/map.bin")) + QStringLiteral(" to: ") +
                                     package.game(QStringLiteral("Data/map.bin"))));
}

void PatchTest::replacesAcrossFileSystems()
{
    const QString memory = QStringLiteral("/dev/shm");
    if (!QFileInfo(memory).isDir() ||
        QStorageInfo(memory).device() == QStorageInfo(QDir::tempPath()).device())
        QSKIP("no second file system for the work folder");
    QTemporaryDir work(memory + QStringLiteral("/gd7-work-XXXXXX"));
    QVERIFY(work.isValid());
    Package package(m_vectors);
    package.addModified(QStringLiteral("Data/map.bin"), QStringLiteral("insert_middle"));
    QVERIFY(package.writeConfig());
    Patch patch(nullptr);
    QVERIFY(patch.load(package.package()));
    QVERIFY(patch.apply(package.game(), work.path()));
    QCOMPARE(readAll(package.game(QStringLiteral("Data/map.bin"))),
             package.vectorFile("insert_middle", "new"));
    QCOMPARE(filesBelow(work.path()), QStringList());
    QCOMPARE(filesBelow(package.game()), QStringList{package.game(QStringLiteral("Data/map.bin"))});
}

void PatchTest::replacesExistingAddedTarget()
{
    Package package(m_vectors);
    package.addAdded(QStringLiteral("Data/config.ini"), QByteArray("fresh"));
    QVERIFY(writeAll(package.game(QStringLiteral("Data/config.ini")), QByteArray("stale and longer")));
    QVERIFY(package.apply());
    QCOMPARE(readAll(package.game(QStringLiteral("Data/config.ini"))), QByteArray("fresh"));
}

void PatchTest::goesOnPastMissingRemovedFile()
{
    Package package(m_vectors);
    package.addRemoved(QStringLiteral("gone.txt"));
    package.addRemoved(QStringLiteral("also.txt"));
    QVERIFY(QFile::remove(package.game(QStringLiteral("gone.txt"))));
    m_log.newText();
    QVERIFY(package.apply());
    QVERIFY(!QFile::exists(package.game(QStringLiteral("also.txt"))));
    QVERIFY(m_log.newText().contains(QStringLiteral("patch apply failed to remove obsolete file: ") +
                                     package.game(QStringLiteral("gone.txt"))));
}

void PatchTest::loadsConfig_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("logged");
    QTest::newRow("empty object") << QByteArray("{}") << false << QString();
    QTest::newRow("array") << QByteArray("[{\"patch\": {}}]") << false << QString();
    QTest::newRow("broken JSON") << QByteArray("{\"patch\": ") << false
                                 << QStringLiteral("PatchConfig failed to load: ");
    QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("PatchConfig failed to open: ");
    QTest::newRow("no lists") << QByteArray("{\"version_from\": \"1.0.5\"}") << true << QString();
    QTest::newRow("lists of another type")
        << QByteArray("{\"version_from\": \"1.0.5\", \"patch\": {\"modified\": {}, \"added\": 3}}") << true
        << QString();
}

void PatchTest::loadsConfig()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loaded);
    QFETCH(QString, logged);
    QTemporaryDir folder;
    if (!content.isEmpty())
        QVERIFY(writeAll(folder.filePath(QStringLiteral("patch.conf")), content));
    m_log.newText();
    Patch patch(nullptr);
    QCOMPARE(patch.load(folder.path()), loaded);
    const QString log = m_log.newText();
    if (logged.isEmpty())
        QCOMPARE(log, QString());
    else
        QVERIFY(log.contains(logged + folder.filePath(QStringLiteral("patch.conf"))));
    if (loaded) {
        QCOMPARE(patch.config().string(QStringLiteral("version_from")), QStringLiteral("1.0.5"));
        QVERIFY(patch.config().contents(QStringLiteral("modified")).isEmpty());
        QVERIFY(
            patch.apply(folder.filePath(QStringLiteral("game")), folder.filePath(QStringLiteral("work"))));
    }
}

void PatchTest::readsEntryNumbers_data()
{
    QTest::addColumn<QJsonValue>("size");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("number") << QJsonValue(4400000000.0) << qint64(4400000000);
    QTest::newRow("numeric string") << QJsonValue(QStringLiteral("1024")) << qint64(1024);
    QTest::newRow("other string") << QJsonValue(QStringLiteral("big")) << qint64(0);
    QTest::newRow("boolean") << QJsonValue(true) << qint64(0);
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << qint64(0);
}

void PatchTest::readsEntryNumbers()
{
    QFETCH(QJsonValue, size);
    QFETCH(qint64, expected);
    QJsonObject json{{QStringLiteral("path"), QStringLiteral("a")}};
    if (!size.isUndefined())
        json.insert(QStringLiteral("size"), size);
    PatchContent entry;
    QVERIFY(entry.setJson(json));
    QCOMPARE(entry.integer64(QStringLiteral("size")), expected);
    QCOMPARE(entry.string(QStringLiteral("size")), size.isString() ? size.toString() : QString());
}

void PatchTest::hashesFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("three bytes") << QByteArray("abc");
    QByteArray large(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < large.size(); ++i)
        large[i] = char(i * 7 + i / 251);
    QTest::newRow("several blocks") << large;
}

void PatchTest::hashesFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file"));
    QVERIFY(writeAll(path, content));
    qint64 counted = 0;
    const QString digest = fileSha1(path, [&counted](qint64 block) {
        counted += block;
        return true;
    });
    QCOMPARE(digest, sha1(content));
    QCOMPARE(counted, qint64(content.size()));
    QCOMPARE(fileSha1(folder.filePath(QStringLiteral("missing"))), QString());
    QCOMPARE(fileSha1(folder.path()), QString());
}

QTEST_GUILESS_MAIN(PatchTest)
#include "tst_patch.moc"
