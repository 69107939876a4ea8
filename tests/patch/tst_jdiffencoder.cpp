#include "patch/jdiff.h"
#include "patch/jdiffencoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString vectorsFolder()
{
    return qEnvironmentVariable("GD7_TEST_DATA") + QStringLiteral("/jdiff");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), qint64(data.size()));
}

// Random bytes drawn mostly from the opcode range, so escapes and would-be opcodes abound.
QByteArray awkwardBytes(QRandomGenerator &random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(4) == 0 ? random.bounded(256) : 0xA1 + random.bounded(8));
    return bytes;
}

// A new version made of the old one by the edits releases see: overwrites, insertions,
// removals, and blocks moved or copied from elsewhere in the file.
QByteArray edited(QRandomGenerator &random, const QByteArray &old)
{
    QByteArray result = old;
    const int edits = 1 + random.bounded(12);
    for (int i = 0; i < edits; ++i) {
        const int at = result.isEmpty() ? 0 : random.bounded(result.size());
        const int length = 1 + random.bounded(300);
        switch (random.bounded(5)) {
        case 0:
            result.replace(at, length, awkwardBytes(random, length));
            break;
        case 1:
            result.insert(at, awkwardBytes(random, length));
            break;
        case 2:
            result.remove(at, length);
            break;
        default:
            if (!old.isEmpty()) {
                const int from = random.bounded(old.size());
                result.insert(at, old.mid(from, length));
            }
        }
    }
    return result;
}

} // namespace

class JDiffEncoderTest : public QObject
{
    Q_OBJECT
private slots:
    void reproducesReferenceVectors_data();
    void reproducesReferenceVectors();
    void roundTripsEditedFiles();
    void reportsUnreadableInput();
};

void JDiffEncoderTest::reproducesReferenceVectors_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("referenceSize");
    const QDir root(vectorsFolder());
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(cases.size() > 25);
    for (const QString &name : cases) {
        const QString folder = root.filePath(name);
        if (QFile::exists(folder + QStringLiteral("/old")) && QFile::exists(folder + QStringLiteral("/new")))
            QTest::newRow(qPrintable(name)) << folder << QFileInfo(folder + QStringLiteral("/patch")).size();
    }
}

// Every patch we write applies back to the new file, and is no larger than the one the
// format's reference encoder wrote for the same pair.
void JDiffEncoderTest::reproducesReferenceVectors()
{
    QFETCH(QString, folder);
    QFETCH(qint64, referenceSize);
    QTemporaryDir work;
    const QString patch = work.filePath(QStringLiteral("patch"));
    const QString rebuilt = work.filePath(QStringLiteral("rebuilt"));
    QCOMPARE(jdiff::createPatchFile(folder + QStringLiteral("/old"), folder + QStringLiteral("/new"), patch),
             0);
    QCOMPARE(jdiff::applyPatchFile(folder + QStringLiteral("/old"), patch, rebuilt, nullptr), 0);
    QVERIFY(readAll(rebuilt) == readAll(folder + QStringLiteral("/new")));
    QVERIFY2(
        QFileInfo(patch).size() <= referenceSize,
        qPrintable(QStringLiteral("%1 bytes, reference %2").arg(QFileInfo(patch).size()).arg(referenceSize)));
}

void JDiffEncoderTest::roundTripsEditedFiles()
{
    QRandomGenerator random(20261210);
    QTemporaryDir work;
    const QString oldPath = work.filePath(QStringLiteral("old"));
    const QString newPath = work.filePath(QStringLiteral("new"));
    const QString patchPath = work.filePath(QStringLiteral("patch"));
    const QString outPath = work.filePath(QStringLiteral("out"));
    for (int round = 0; round < 300; ++round) {
        const QByteArray old = awkwardBytes(random, random.bounded(round % 10 == 0 ? 40 : 20000));
        const QByteArray updated = edited(random, old);
        writeAll(oldPath, old);
        writeAll(newPath, updated);
        QCOMPARE(jdiff::createPatchFile(oldPath, newPath, patchPath), 0);
        QCOMPARE(jdiff::applyPatchFile(oldPath, patchPath, outPath, nullptr), 0);
        QVERIFY2(readAll(outPath) == updated, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void JDiffEncoderTest::reportsUnreadableInput()
{
    QTemporaryDir work;
    const QString present = work.filePath(QStringLiteral("present"));
    writeAll(present, "data");
    const QString missing = work.filePath(QStringLiteral("missing"));
    QCOMPARE(jdiff::createPatchFile(missing, present, work.filePath(QStringLiteral("p"))),
             int(jdiff::EncodeOldUnreadable));
    QCOMPARE(jdiff::createPatchFile(present, missing, work.filePath(QStringLiteral("p"))),
             int(jdiff::EncodeNewUnreadable));
    QCOMPARE(jdiff::createPatchFile(present, present, work.filePath(QStringLiteral("no/such/folder/p"))),
             int(jdiff::EncodeWriteFailed));
    QVERIFY(!QFile::exists(work.filePath(QStringLiteral("p"))));
}

QTEST_GUILESS_MAIN(JDiffEncoderTest)
#include "tst_jdiffencoder.moc"
