#include "app/jsonsettings.h"
#include "app/productinfo.h"
#include "platform/processes.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The two contents the crash child alternates between; each is large enough that a write
// takes several system calls.
JsonSettings generation(int n)
{
    JsonSettings settings;
    settings.setValue(QStringLiteral("generation"), n);
    settings.setValue(QStringLiteral("padding"), QString(64 * 1024, QLatin1Char('a' + n)));
    return settings;
}

[[noreturn]] void saveForever(const QString &path)
{
    for (int n = 0;; n ^= 1)
        generation(n).save(path);
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void storesFlatKeysAndJsonTypes();
    void savesIndentedSortedJson();
    void loadKeepsStoreOnBadInput_data();
    void loadKeepsStoreOnBadInput();
    void gameVersionComesFromSettings_data();
    void gameVersionComesFromSettings();
    void saveFailsInMissingFolder();
    void killedWriterLeavesAWholeFile();
};

void SettingsTest::storesFlatKeysAndJsonTypes()
{
    JsonSettings settings;
    QVERIFY(!settings.value(QStringLiteral("general.ui_language")).isValid());
    settings.setValue(QStringLiteral("general.ui_language"), QStringLiteral("pt_BR"));
    settings.setValue(QStringLiteral("eula_accepted"), EulaAcceptedValue);
    settings.setValue(QStringLiteral("use_torrents"), false);
    settings.setValue(QStringLiteral("read_news"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    settings.setValue(QStringLiteral("eula_accepted"), 1);

    const QVariant eula = settings.value(QStringLiteral("eula_accepted"));
    bool isNumber = false;
    QCOMPARE(eula.toInt(&isNumber), 1);
    QVERIFY(isNumber);
    QCOMPARE(settings.value(QStringLiteral("use_torrents")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("read_news")).toStringList(),
             (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GD7Launcher.conf"));
    QVERIFY(settings.save(path));
    JsonSettings reloaded;
    QVERIFY(reloaded.load(path));
    QCOMPARE(reloaded.value(QStringLiteral("general.ui_language")).toString(), QStringLiteral("pt_BR"));
    QCOMPARE(reloaded.value(QStringLiteral("eula_accepted")).toInt(), 1);
}

void SettingsTest::savesIndentedSortedJson()
{
    JsonSettings settings;
    settings.setValue(QStringLiteral("use_torrents"), true);
    settings.setValue(QStringLiteral("general.ui_language"), QStringLiteral("en"));
    settings.setValue(QStringLiteral("eula_accepted"), EulaAcceptedValue);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GD7Launcher.conf"));
    QVERIFY(settings.save(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("{\n"
                                        "    \"eula_accepted\": 20171002,\n"
                                        "    \"general.ui_language\": \"en\",\n"
                                        "    \"use_torrents\": true\n"
                                        "}\n"));
}

void SettingsTest::loadKeepsStoreOnBadInput_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<bool>("keepsOldValue");
    QTest::newRow("not JSON") << QByteArray("{\"a\": ") << false << true;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe garbage", 12) << false << true;
    QTest::newRow("empty file") << QByteArray() << false << true;
    QTest::newRow("top-level array") << QByteArray("[1, 2, 3]") << true << false;
    QTest::newRow("object") << QByteArray("{\"other\": 1}") << true << false;
}

void SettingsTest::loadKeepsStoreOnBadInput()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(bool, keepsOldValue);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GD7Launcher.conf"));
    writeFile(path, content);
    JsonSettings settings;
    settings.setValue(QStringLiteral("kept"), 7);
    QCOMPARE(settings.load(path), loads);
    QCOMPARE(settings.value(QStringLiteral("kept")).isValid(), keepsOldValue);
    QVERIFY(!settings.load(dir.filePath(QStringLiteral("missing.conf"))));
}

void SettingsTest::gameVersionComesFromSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absent") << QVariant() << "-1.-1.-1";
    QTest::newRow("empty") << QVariant(QString()) << "-1.-1.-1";
    QTest::newRow("three parts") << QVariant(QStringLiteral("1.4.200")) << "1.4.200";
    QTest::newRow("two parts") << QVariant(QStringLiteral("1.2")) << "1.2.0";
    QTest::newRow("four parts") << QVariant(QStringLiteral("1.2.3.4")) << "-1.-1.-1";
}

void SettingsTest::gameVersionComesFromSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    JsonSettings settings;
    if (stored.isValid())
        settings.setValue(QStringLiteral("gd7.installed_version"), stored);
    const ProductInfo game = makeGameProduct(&settings);
    QCOMPARE(game.productId, QStringLiteral("gd7"));
    QCOMPARE(game.applicationId, QStringLiteral("com.gd7play.gd7"));
    QCOMPARE(formatVersion(game.version), expected);
}

void SettingsTest::saveFailsInMissingFolder()
{
    QTemporaryDir dir;
    JsonSettings settings;
    settings.setValue(QStringLiteral("a"), 1);
    QVERIFY(!settings.save(dir.filePath(QStringLiteral("missing/GD7Launcher.conf"))));
    QVERIFY(!settings.save(dir.path()));
}

// A writer killed at random moments while it saves in a tight loop must always leave a file
// that parses and holds one complete generation.
void SettingsTest::killedWriterLeavesAWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GD7Launcher.conf"));
    QVERIFY(generation(0).save(path));
    for (int round = 0; round < 15; ++round) {
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("GD7_SETTINGS_SAVE_LOOP"), path);
        writer.setProcessEnvironment(env);
        writer.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(writer.waitForStarted());
        QTest::qWait(20 + QRandomGenerator::global()->bounded(60));
        QVERIFY(platform::killProcess(writer.processId()));
        QVERIFY(writer.waitForFinished());

        JsonSettings loaded;
        QVERIFY2(loaded.load(path), "the settings file no longer parses");
        const int n = loaded.value(QStringLiteral("generation")).toInt();
        QVERIFY(n == 0 || n == 1);
        QCOMPARE(loaded.value(QStringLiteral("padding")).toString(),
                 QString(64 * 1024, QLatin1Char('a' + n)));
    }
}

int main(int argc, char **argv)
{
    const QString loopPath = qEnvironmentVariable("GD7_SETTINGS_SAVE_LOOP");
    if (!loopPath.isEmpty())
        saveForever(loopPath);
    QCoreApplication app(argc, argv);
    SettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
