#include "patch/sevenzip.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Archives made by 7-Zip with names no single ANSI code page holds, unpacked on Windows: the
// archive library would turn such names into nothing through the code page, so they must reach
// the disk in their wide form, whole.
class WindowsArchivesTest : public QObject
{
    Q_OBJECT
private slots:
    void unpacksUnicodeNames_data();
    void unpacksUnicodeNames();
    void countsUnicodeNames();
};

void WindowsArchivesTest::unpacksUnicodeNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("Latin") << QString::fromUtf8("Glänzende Tiefe 游戏/ärger.txt") << QByteArray("one");
    QTest::newRow("Cyrillic") << QString::fromUtf8("Glänzende Tiefe 游戏/Данные/уровень 1.pak")
                              << QByteArray("two");
    QTest::newRow("ASCII") << QStringLiteral("plain.txt") << QByteArray("three");
}

void WindowsArchivesTest::unpacksUnicodeNames()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QTemporaryDir target;
    QVERIFY(target.isValid());
    QVERIFY(sevenZipExtract(QStringLiteral(NAMES_ARCHIVE), target.path(), nullptr));
    QFile unpacked(target.filePath(file));
    QVERIFY2(unpacked.open(QIODevice::ReadOnly), qPrintable(file));
    QCOMPARE(unpacked.readAll(), contents);
}

void WindowsArchivesTest::countsUnicodeNames()
{
    QCOMPARE(sevenZipUnpackedSize(QStringLiteral(NAMES_ARCHIVE)), qint64(3 + 3 + 5));
}

QTEST_GUILESS_MAIN(WindowsArchivesTest)
#include "tst_windowsarchives.moc"
