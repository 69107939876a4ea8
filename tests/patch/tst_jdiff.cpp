#include "app/hasher.h"
#include "patch/jdiff.h"
#include "tests/patch/recordedprogress.h"
#include "tests/patch/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Output that keeps only the digest of what is written, for outputs too big to store.
class HashingSink : public QIODevice
{
public:
    qint64 written = 0;
    Hasher hasher{Hasher::Sha1};

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        hasher.addData(data, size);
        written += size;
        return size;
    }
};

// An old file of zeros that needs neither disk nor page cache, however long it is.
class ZeroFile : public QIODevice
{
public:
    explicit ZeroFile(qint64 size) : m_size(size) {}
    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = qBound(qint64(0), m_size - pos(), maxSize);
        std::memset(data, 0, size_t(count));
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_size;
};

// Vectors whose old and new files are not stored or too big for a test run.
bool isRebuiltOnly(const QString &name)
{
    return name == QLatin1String("big_64m") || name == QLatin1String("huge_512m") ||
           name == QLatin1String("len64_sparse");
}

} // namespace

class JDiffTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void reproducesReferenceVectors_data();
    void reproducesReferenceVectors();
    void appliesCraftedStreams_data();
    void appliesCraftedStreams();
    void followsStreamGrammar_data();
    void followsStreamGrammar();
    void decodesLengthFields_data();
    void decodesLengthFields();
    void reportsFileFailures_data();
    void reportsFileFailures();
    void reportsProgressOncePerKilobyte();
    void emptyPatchReportsItsEnd();
    void copiesBeyondFourGigabytes();

private:
    QString m_vectors;
    QTemporaryDir m_work;
};

void JDiffTest::initTestCase()
{
    m_vectors = qEnvironmentVariable("GD7_TEST_DATA") + QStringLiteral("/jdiff");
    QVERIFY2(QFile::exists(m_vectors + QStringLiteral("/MANIFEST.tsv")),
             qPrintable(QStringLiteral("no reference vectors in ") + m_vectors));
    QVERIFY(m_work.isValid());
}

void JDiffTest::reproducesReferenceVectors_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("patchName");
    const QDir vectors(m_vectors);
    const QStringList cases = vectors.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : cases) {
        if (isRebuiltOnly(name) || name == QLatin1String("crafted"))
            continue;
        const QDir folder(vectors.filePath(name));
        for (const QString &patch : folder.entryList({QStringLiteral("patch*")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name + QLatin1Char('/') + patch)) << folder.path() << patch;
    }
}

void JDiffTest::reproducesReferenceVectors()
{
    QFETCH(QString, folder);
    QFETCH(QString, patchName);
    const QString output = m_work.filePath(QStringLiteral("vector.out"));
    RecordedProgress<jdiff::JDiffProgress> progress;
    QCOMPARE(jdiff::applyPatchFile(folder + QStringLiteral("/old"), folder + QLatin1Char('/') + patchName,
                                   output, &progress),
             int(jdiff::Success));
    QVERIFY(readAll(output) == readAll(folder + QStringLiteral("/new")));
    const qint64 patchSize = QFileInfo(folder + QLatin1Char('/') + patchName).size();
    QVERIFY(!progress.reports.empty());
    QCOMPARE(progress.reports.back(), Report(patchSize, patchSize));
}

void JDiffTest::appliesCraftedStreams_data()
{
    // What each malformed stream must end with.
    const QHash<QString, int> rejections = {
        {QStringLiteral("bkt_before_start"), jdiff::OldFileSeekFailed},
        {QStringLiteral("eql_past_eof"), jdiff::OldFileTooShort},
        {QStringLiteral("lone_esc_at_boundary"), jdiff::OutputOrStreamFailed},
        {QStringLiteral("lone_esc_in_data"), jdiff::OutputOrStreamFailed},
        {QStringLiteral("truncated_length"), jdiff::OutputOrStreamFailed},
    };
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("expectedResult");
    const QDir crafted(m_vectors + QStringLiteral("/crafted"));
    for (const QString &name : crafted.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = crafted.filePath(name);
        const bool malformed = QFile::exists(folder + QStringLiteral("/MALFORMED"));
        const int expected = malformed ? rejections.value(name, -1) : int(jdiff::Success);
        QTest::newRow(qPrintable(name)) << folder << expected;
    }
}

void JDiffTest::appliesCraftedStreams()
{
    QFETCH(QString, folder);
    QFETCH(int, expectedResult);
    QVERIFY2(expectedResult >= 0, "a malformed stream without an expected result");
    const QString output = m_work.filePath(QStringLiteral("crafted.out"));
    QCOMPARE(jdiff::applyPatchFile(folder + QStringLiteral("/old"), folder + QStringLiteral("/patch"), output,
                                   nullptr),
             expectedResult);
    if (expectedResult == jdiff::Success)
        QCOMPARE(readAll(output).toHex(), readAll(folder + QStringLiteral("/expected")).toHex());
}

void JDiffTest::followsStreamGrammar_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QByteArray>("patch");
    QTest::addColumn<int>("expectedResult");
    QTest::addColumn<QByteArray>("expectedOutput");
    const QByteArray letters("ABCDEFGHIJ");
    QTest::newRow("inserted escape pair")
        << letters << QByteArray::fromHex("a7a5a700") << 0 << QByteArray::fromHex("a700");
    QTest::newRow("inserted literal escape")
        << letters << QByteArray::fromHex("a7a5a7a7") << 0 << QByteArray::fromHex("a7");
    QTest::newRow("overwritten bytes are skipped at the next copy")
        << letters << QByteArray("\xa7\xa6xyz\xa7\xa3\x04") << 0 << QByteArray("xyzDEFGH");
    QTest::newRow("overwrite stays pending across inserts") << letters
                                                            << QByteArray("\xa7\xa6xyz\xa7\xa5"
                                                                          "12\xa7\xa3\x01")
                                                            << 0 << QByteArray("xyz12DE");
    QTest::newRow("escape pair overwrites two bytes")
        << letters << QByteArray::fromHex("a7a6a741a7a300") << 0 << QByteArray::fromHex("a74143");
    QTest::newRow("data after an insert and a copy overwrites")
        << letters << QByteArray::fromHex("a7a531a7a3007aa7a300") << 0 << QByteArray("1AzC");
    QTest::newRow("delete skips the pending overwrite too")
        << letters << QByteArray::fromHex("7879a7a401a7a300") << 0 << QByteArray("xyE");
    QTest::newRow("backtrack after overwrite")
        << letters << QByteArray::fromHex("78797aa7a200a7a301") << 0 << QByteArray("xyzCD");
    QTest::newRow("zero-length copy") << letters << QByteArray::fromHex("a7a3fd0000") << 0 << QByteArray();
    QTest::newRow("trailing overwrite past the old end")
        << QByteArray("AB") << QByteArray("wxyz") << 0 << QByteArray("wxyz");
    QTest::newRow("empty patch") << letters << QByteArray() << 0 << QByteArray();
    QTest::newRow("lone escape") << letters << QByteArray("ab\xa7") << int(jdiff::OutputOrStreamFailed)
                                 << QByteArray("ab");
    QTest::newRow("length cut off") << letters << QByteArray::fromHex("a7a3fd01")
                                    << int(jdiff::OutputOrStreamFailed) << QByteArray();
    QTest::newRow("backtrack before the start") << letters << QByteArray::fromHex("a7a301a7a203")
                                                << int(jdiff::OldFileSeekFailed) << QByteArray("AB");
    QTest::newRow("seek overflow") << letters << QByteArray::fromHex("78a7a4ff7fffffffffffffff")
                                   << int(jdiff::OldFileSeekFailed) << QByteArray("x");
    const QByteArray nineThousand(9000, 'q');
    QTest::newRow("short copy keeps whole blocks") << nineThousand << QByteArray::fromHex("a7a3fd270f")
                                                   << int(jdiff::OldFileTooShort) << QByteArray(8192, 'q');
    QTest::newRow("short last block")
        << QByteArray(3, 'q') << QByteArray::fromHex("a7a304") << int(jdiff::OldFileTooShort) << QByteArray();
}

void JDiffTest::followsStreamGrammar()
{
    QFETCH(QByteArray, old);
    QFETCH(QByteArray, patch);
    QFETCH(int, expectedResult);
    QFETCH(QByteArray, expectedOutput);
    QBuffer oldDevice(&old);
    QBuffer patchDevice(&patch);
    QByteArray output;
    QBuffer outputDevice(&output);
    QVERIFY(oldDevice.open(QIODevice::ReadOnly) && patchDevice.open(QIODevice::ReadOnly) &&
            outputDevice.open(QIODevice::WriteOnly));
    QCOMPARE(jdiff::applyPatchStream(&oldDevice, &patchDevice, &outputDevice, nullptr), expectedResult);
    QCOMPARE(output.toHex(), expectedOutput.toHex());
}

void JDiffTest::decodesLengthFields_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("one byte, smallest") << QByteArray::fromHex("00") << true << qint64(1);
    QTest::newRow("one byte, largest") << QByteArray::fromHex("fb") << true << qint64(252);
    QTest::newRow("two bytes, smallest") << QByteArray::fromHex("fc00") << true << qint64(253);
    QTest::newRow("two bytes, largest") << QByteArray::fromHex("fcff") << true << qint64(508);
    QTest::newRow("16 bits") << QByteArray::fromHex("fd0100") << true << qint64(256);
    QTest::newRow("32 bits") << QByteArray::fromHex("fe89abcdef") << true << qint64(0x89abcdef);
    QTest::newRow("64 bits") << QByteArray::fromHex("ff000000010642ac00") << true << qint64(4400000000);
    QTest::newRow("64 bits, signed") << QByteArray::fromHex("ffffffffffffffffff") << true << qint64(-1);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("cut after 0xfc") << QByteArray::fromHex("fc") << false << qint64(0);
    QTest::newRow("cut inside 16 bits") << QByteArray::fromHex("fd01") << false << qint64(0);
    QTest::newRow("cut inside 64 bits") << QByteArray::fromHex("ff000000010642ac") << false << qint64(0);
}

void JDiffTest::decodesLengthFields()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, complete);
    QFETCH(qint64, expected);
    QBuffer device(&field);
    QVERIFY(device.open(QIODevice::ReadOnly));
    qint64 value = 0;
    QCOMPARE(jdiff::readLength(&device, value), complete);
    if (complete) {
        QCOMPARE(value, expected);
        QVERIFY(device.atEnd());
    }
}

void JDiffTest::reportsFileFailures_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("patch");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("expectedResult");
    const QString identical = m_vectors + QStringLiteral("/identical/");
    const QString oldFile = identical + QStringLiteral("old");
    const QString patch = identical + QStringLiteral("patch");
    const QString missing = m_work.filePath(QStringLiteral("missing"));
    const QString output = m_work.filePath(QStringLiteral("failure.out"));
    QTest::newRow("old missing, patch too") << missing << missing << output << int(jdiff::OldFileUnreadable);
    QTest::newRow("old is a folder") << identical << patch << output << int(jdiff::OldFileUnreadable);
    QTest::newRow("patch missing") << oldFile << missing << output << int(jdiff::PatchUnreadable);
    QTest::newRow("patch is a folder") << oldFile << identical << output << int(jdiff::PatchUnreadable);
    QTest::newRow("output folder missing")
        << oldFile << patch << missing + QStringLiteral("/new") << int(jdiff::OutputOrStreamFailed);
    QTest::newRow("disk full while copying")
        << oldFile << patch << QStringLiteral("/dev/full") << int(jdiff::OutputWriteFailed);
    const QString insert = m_vectors + QStringLiteral("/insert_start/");
    QTest::newRow("disk full after inserting")
        << insert + QStringLiteral("old") << insert + QStringLiteral("patch") << QStringLiteral("/dev/full")
        << int(jdiff::OutputWriteFailed);
}

void JDiffTest::reportsFileFailures()
{
    QFETCH(QString, old);
    QFETCH(QString, patch);
    QFETCH(QString, output);
    QFETCH(int, expectedResult);
    RecordedProgress<jdiff::JDiffProgress> progress;
    QCOMPARE(jdiff::applyPatchFile(old, patch, output, &progress), expectedResult);
    QVERIFY(progress.reports.empty() || progress.reports.back().first < progress.reports.back().second);
}

void JDiffTest::reportsProgressOncePerKilobyte()
{
    const QByteArray copy4096 = QByteArray::fromHex("a7a3fd1000");
    QByteArray patch = QByteArray::fromHex("a7a5") + QByteArray(5000, 'i') + copy4096 + QByteArray(3000, 'm');
    QByteArray old(8192, 'o');
    QByteArray output;
    QBuffer oldDevice(&old), patchDevice(&patch), outputDevice(&output);
    QVERIFY(oldDevice.open(QIODevice::ReadOnly) && patchDevice.open(QIODevice::ReadOnly) &&
            outputDevice.open(QIODevice::WriteOnly));
    RecordedProgress<jdiff::JDiffProgress> progress;
    QCOMPARE(jdiff::applyPatchStream(&oldDevice, &patchDevice, &outputDevice, &progress),
             int(jdiff::Success));
    QCOMPARE(output, QByteArray(5000, 'i') + QByteArray(4096, 'o') + QByteArray(3000, 'm'));
    const qint64 size = patch.size();
    QCOMPARE(progress.reports.back(), Report(size, size));
    qint64 lastBlock = 0;
    for (const Report &report : progress.reports) {
        QCOMPARE(report.second, size);
        QVERIFY2(report.first / 1024 > lastBlock || report == progress.reports.back(),
                 "more than one report in a kilobyte of patch");
        lastBlock = report.first / 1024;
    }
    QVERIFY(progress.reports.size() >= 2);
}

void JDiffTest::emptyPatchReportsItsEnd()
{
    const QString empty = m_work.filePath(QStringLiteral("empty.patch"));
    const QString output = m_work.filePath(QStringLiteral("empty.out"));
    QVERIFY(writeAll(empty, QByteArray()));
    QVERIFY(writeAll(output, QByteArray("stale content")));
    RecordedProgress<jdiff::JDiffProgress> progress;
    QCOMPARE(jdiff::applyPatchFile(m_vectors + QStringLiteral("/identical/old"), empty, output, &progress),
             int(jdiff::Success));
    QCOMPARE(QFileInfo(output).size(), qint64(0));
    QCOMPARE(progress.reports, std::vector<Report>{Report(0, 0)});
}

// The sparse vector: a 64-bit EQL over 4.4 GB of zeros, then four new bytes.
void JDiffTest::copiesBeyondFourGigabytes()
{
    const QString vector = m_vectors + QStringLiteral("/len64_sparse/");
    const QString sums = QString::fromLatin1(readAll(vector + QStringLiteral("SHA1SUMS")));
    const QRegularExpressionMatch newSum =
        QRegularExpression(QStringLiteral("^([0-9a-f]{40})  new$"), QRegularExpression::MultilineOption)
            .match(sums);
    QVERIFY(newSum.hasMatch());
    ZeroFile old(4400000000);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QFile patch(vector + QStringLiteral("patch"));
    QVERIFY(patch.open(QIODevice::ReadOnly));
    HashingSink output;
    QVERIFY(output.open(QIODevice::WriteOnly));
    QCOMPARE(jdiff::applyPatchStream(&old, &patch, &output, nullptr), int(jdiff::Success));
    QCOMPARE(output.written, qint64(4400000004));
    QCOMPARE(output.hasher.hexDigest(), newSum.captured(1));
}

QTEST_GUILESS_MAIN(JDiffTest)
#include "tst_jdiff.moc"
