#include "app/logger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <vector>

class LoggerTest : public QObject
{
    Q_OBJECT
private slots:
    void formatsLines_data();
    void formatsLines();
    void rotatesOnOpen();
    void filtersByThreshold();
    void keepsLinesWholeAcrossThreads();

private:
    static QStringList readLines(const QString &path);
};

QStringList LoggerTest::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void LoggerTest::formatsLines_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("msec");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString info = QStringLiteral("info") + QString(11, QLatin1Char(' '));
    QTest::newRow("example line") << 2 << 5 << "GD7Launcher 4.0.18085"
                                  << info + " 2026-12-08T12:03:04.5     GD7Launcher 4.0.18085";
    QTest::newRow("two-digit milliseconds")
        << 0 << 45 << "x"
        << QStringLiteral("crit") + QString(11, QLatin1Char(' ')) + " 2026-12-08T12:03:04.45    x";
    QTest::newRow("three-digit milliseconds")
        << 3 << 999 << "y"
        << QStringLiteral("debg") + QString(11, QLatin1Char(' ')) + " 2026-12-08T12:03:04.999   y";
    QTest::newRow("line feeds become #")
        << 2 << 0 << "a\nb\r\nc" << info + " 2026-12-08T12:03:04.0     a#b\r#c";
    QTest::newRow("placeholders in the text stay")
        << 2 << 0 << "%1 %2 %4" << info + " 2026-12-08T12:03:04.0     %1 %2 %4";
    QTest::newRow("unknown level has an empty tag")
        << 7 << 0 << "z" << QString(15, QLatin1Char(' ')) + " 2026-12-08T12:03:04.0     z";
}

void LoggerTest::formatsLines()
{
    QFETCH(int, level);
    QFETCH(int, msec);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QDateTime time(QDate(2026, 12, 8), QTime(12, 3, 4, msec), Qt::LocalTime);
    QCOMPARE(Logger::formatLine(time, level, text), expected);
}

void LoggerTest::rotatesOnOpen()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const QString previous = dir.filePath(QStringLiteral("log_prev.txt"));
    Logger &logger = Logger::instance();
    logger.setThreshold(2);

    logger.info(QStringLiteral("before open is dropped"));
    QVERIFY(logger.open(log, previous));
    QVERIFY(!QFile::exists(previous));
    logger.info(QStringLiteral("first run"));

    QVERIFY(logger.open(log, previous));
    logger.info(QStringLiteral("second run"));
    QVERIFY(logger.open(log, previous));
    logger.info(QStringLiteral("third run"));

    const QStringList prev = readLines(previous);
    const QStringList current = readLines(log);
    QCOMPARE(prev.size(), 1);
    QVERIFY(prev[0].endsWith(QStringLiteral(" second run")));
    QCOMPARE(current.size(), 1);
    QVERIFY(current[0].endsWith(QStringLiteral(" third run")));
}

void LoggerTest::filtersByThreshold()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    Logger &logger = Logger::instance();
    QVERIFY(logger.open(log, QString()));
    logger.setThreshold(2);
    logger.crit(QStringLiteral("c"));
    logger.info(QStringLiteral("i"));
    logger.debug(QStringLiteral("Location:/somewhere"));
    logger.setThreshold(0);
    logger.info(QStringLiteral("hidden at zero"));
    logger.crit(QStringLiteral("still written"));
    logger.setThreshold(3);
    logger.debug(QStringLiteral("d"));

    const QStringList lines = readLines(log);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(QStringLiteral("crit ")) && lines[0].endsWith(QStringLiteral(" c")));
    QVERIFY(lines[1].startsWith(QStringLiteral("info ")) && lines[1].endsWith(QStringLiteral(" i")));
    QVERIFY(lines[2].endsWith(QStringLiteral(" still written")));
    QVERIFY(lines[3].startsWith(QStringLiteral("debg ")) && lines[3].endsWith(QStringLiteral(" d")));
}

void LoggerTest::keepsLinesWholeAcrossThreads()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    Logger &logger = Logger::instance();
    QVERIFY(logger.open(log, QString()));
    logger.setThreshold(2);

    const int threadCount = 8;
    const int linesPerThread = 500;
    const QString payload(200, QLatin1Char('x'));
    std::vector<QThread *> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.push_back(QThread::create([&, t] {
            for (int i = 0; i < linesPerThread; ++i)
                logger.info(QStringLiteral("T%1 L%2 ").arg(t).arg(i) + payload);
        }));
        threads.back()->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(30000));
        delete thread;
    }

    const QStringList lines = readLines(log);
    QCOMPARE(lines.size(), threadCount * linesPerThread);
    QRegularExpression whole(QStringLiteral("^info {11} \\S+ +T\\d+ L\\d+ x{200}$"));
    for (const QString &line : lines)
        QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
}

QTEST_GUILESS_MAIN(LoggerTest)
#include "tst_logger.moc"
