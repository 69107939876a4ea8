#include "update/formatting.h"
#include "update/updateprogress.h"

#include <QTranslator>
#include <QtTest>

// Sizes and rates with the English units of the shipped translation, and the time left that a
// progress report implies.
class FormattingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formats_data();
    void formats();
    void secondsLeft_data();
    void secondsLeft();

private:
    QTranslator m_english;
};

void FormattingTest::initTestCase()
{
    QVERIFY(m_english.load(QStringLiteral(":/Language/en/translation")));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
}

void FormattingTest::formats_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("rate");

    const qint64 GiB = Q_INT64_C(1) << 30;
    QTest::newRow("zero") << qint64(0) << "0 bytes"
                          << "0 bytes/s";
    QTest::newRow("one byte") << qint64(1) << "1 bytes"
                              << "1 bytes/s";
    QTest::newRow("exactly 1 KiB stays in bytes") << qint64(1024) << "1024 bytes"
                                                  << "1024 bytes/s";
    QTest::newRow("1023 bytes") << qint64(1023) << "1023 bytes"
                                << "1023 bytes/s";
    QTest::newRow("1025 bytes") << qint64(1025) << "1 kB"
                                << "1 kB/s";
    QTest::newRow("kilobytes round") << qint64(1700) << "2 kB"
                                     << "2 kB/s";
    QTest::newRow("exactly 1 MiB stays in kB") << qint64(1 << 20) << "1024 kB"
                                               << "1024 kB/s";
    QTest::newRow("megabytes") << qint64(5.7 * (1 << 20)) << "5.7 MB"
                               << "5.7 MB/s";
    QTest::newRow("exactly 1 GiB stays in MB") << GiB << "1024.0 MB"
                                               << "1024.0 MB/s";
    QTest::newRow("1.5 GiB") << GiB * 3 / 2 << "1.50 GB"
                             << "1.50 GB/s";
    QTest::newRow("large") << GiB * 1000 << "1000.00 GB"
                           << "1000.00 GB/s";
    QTest::newRow("negative") << qint64(-5000000) << "-5000000 bytes"
                              << "-5000000 bytes/s";
}

void FormattingTest::formats()
{
    QFETCH(qint64, value);
    QTEST(formatSize(value), "size");
    QTEST(formatRate(value), "rate");
}

void FormattingTest::secondsLeft_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("even") << qint64(0) << qint64(1000) << qint64(100) << qint64(10);
    QTest::newRow("rounded up") << qint64(1) << qint64(1000) << qint64(100) << qint64(10);
    QTest::newRow("last byte") << qint64(999) << qint64(1000) << qint64(100) << qint64(1);
    QTest::newRow("done") << qint64(1000) << qint64(1000) << qint64(100) << qint64(0);
    QTest::newRow("no rate yet") << qint64(0) << qint64(1000) << qint64(0) << qint64(-1);
    // A new step restarts the count and the next sample comes out negative.
    QTest::newRow("negative rate") << qint64(0) << qint64(1000) << qint64(-50) << qint64(-1);
    QTest::newRow("total unknown") << qint64(500) << qint64(0) << qint64(100) << qint64(-1);
    QTest::newRow("past the total") << qint64(1200) << qint64(1000) << qint64(100) << qint64(-1);
    QTest::newRow("3 GiB at 5 MB/s") << qint64(0) << (qint64(3) << 30) << qint64(5000000) << qint64(645);
}

void FormattingTest::secondsLeft()
{
    UpdateProgress progress;
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(qint64, rate);
    progress.done = done;
    progress.total = total;
    progress.rate = rate;
    QTEST(progress.secondsLeft(), "seconds");
}

QTEST_GUILESS_MAIN(FormattingTest)
#include "tst_formatting.moc"
