// gd7-publish given bad input: a clear message, a non-zero exit, and the release folder exactly as
// it was. Also diff and apply on single files.

#include "publishkit.h"

#include "patch/filesha1.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestPublishInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badInputLeavesReleaseAlone_data();
    void badInputLeavesReleaseAlone();
    void helpAndUsage_data();
    void helpAndUsage();
    void manifestEdits();
    void diffThenApply_data();
    void diffThenApply();
    void applyFailureGivesApplierCode();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList common() const
    {
        return {QStringLiteral("--base-url"), QStringLiteral("http://127.0.0.1:9/gd7")};
    }

    QTemporaryDir m_dir;
};

void TestPublishInput::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(path(QStringLiteral("b1/game.bin")), randomBytes(20000, 1)));
    QVERIFY(writeFile(path(QStringLiteral("b2/game.bin")), randomBytes(20000, 2)));
    QVERIFY(writeFile(path(QStringLiteral("dangling/ok.txt")), "ok"));
    QVERIFY(QFile::link(path(QStringLiteral("nowhere")), path(QStringLiteral("dangling/broken.bin"))));
    QVERIFY(writeFile(path(QStringLiteral("clash/patch.conf")),
                      "a game file that looks like the package description"));
    QVERIFY(writeFile(path(QStringLiteral("a-file")), "not a folder"));
    const PublishRun run =
        runPublish(QStringList{QStringLiteral("full"), QStringLiteral("--version"), QStringLiteral("1.0.0"),
                               path(QStringLiteral("b1")), path(QStringLiteral("release"))} +
                   common());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
}

void TestPublishInput::badInputLeavesReleaseAlone_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString release = path(QStringLiteral("release"));
    const QString b1 = path(QStringLiteral("b1"));
    const QString b2 = path(QStringLiteral("b2"));
    const QString v2 = QStringLiteral("--version=2.0.0");
    QTest::newRow("missing folder") << QStringList{"full", v2, path(QStringLiteral("missing")), release} << 1
                                    << "not a folder: " + path(QStringLiteral("missing"));
    QTest::newRow("unreadable file") << QStringList{"full", v2, path(QStringLiteral("dangling")), release}
                                     << 1
                                     << "cannot read file: " + path(QStringLiteral("dangling/broken.bin"));
    QTest::newRow("version does not parse") << QStringList{"full", "--version=1.x", b1, release} << 2
                                            << "--version: not a version major.minor.build: \"1.x\"";
    QTest::newRow("from equals to") << QStringList{"patch", "--from=1.0.0", "--to=1.0.0", b1, b2, release}
                                    << 2 << "a patch must go to a newer version: 1.0.0 => 1.0.0";
    QTest::newRow("output not writable")
        << QStringList{"full", v2, b1, path(QStringLiteral("a-file/release"))} << 1
        << "cannot create release folder";
    QTest::newRow("content exists") << QStringList{"full", "--version=1.0.0", b1, release} << 1
                                    << "content gd7_1.0.0 is already in";
    QTest::newRow("fails after work began")
        << QStringList{"patch", "--from=1.0.0", "--to=1.1.0", b1, path(QStringLiteral("clash")), release} << 1
        << "clashes with the package description";
    QTest::newRow("bad mirror URL") << QStringList{"full", v2, b1, release, "--base-url=ftp:/x"} << 2
                                    << "--base-url: not an http(s) URL";
}

void TestPublishInput::badInputLeavesReleaseAlone()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString release = path(QStringLiteral("release"));
    const QMap<QString, QString> before = folderDigests(release);
    QVERIFY(before.contains(QStringLiteral("update.json")));
    const PublishRun run = runPublish(args + common());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(QStringLiteral("gd7-publish: ")) && run.err.contains(message),
             qPrintable(run.err));
    QCOMPARE(folderDigests(release), before);
    QCOMPARE(QDir(release).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
}

void TestPublishInput::helpAndUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("text");
    QTest::newRow("overview") << QStringList{"--help"} << 0 << "full BUILD RELEASE";
    QTest::newRow("command help") << QStringList{"patch", "--help"} << 0
                                  << "gd7-publish patch [options] old new release";
    QTest::newRow("unknown command") << QStringList{"publish"} << 2 << "unknown command: publish";
    QTest::newRow("missing arguments") << QStringList{"diff", "a"} << 2 << "diff takes 3 arguments, got 1";
    QTest::newRow("no mirror") << QStringList{"full", "--version=1.0.0", "a", "b"} << 2
                               << "--base-url is required";
}

void TestPublishInput::helpAndUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, text);
    const PublishRun run = runPublish(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.out + run.err).contains(text), qPrintable(run.out + run.err));
}

void TestPublishInput::manifestEdits()
{
    const QString release = path(QStringLiteral("manifest-release"));
    QVERIFY(QDir().mkpath(release));
    QVERIFY(writeFile(path(QStringLiteral("launcher.json")),
                      R"({"id": "launcher_4.0.2", "name": "launcher_4.0.2.7z", "version_to": "4.0.2"})"));
    const QStringList args{QStringLiteral("manifest"),      release,
                           QStringLiteral("--product"),     QStringLiteral("gd7_launcher_en"),
                           QStringLiteral("--add-content"), path(QStringLiteral("launcher.json")),
                           QStringLiteral("--version"),     QStringLiteral("4.0.2"),
                           QStringLiteral("--size"),        QStringLiteral("123456789012")};
    PublishRun run = runPublish(args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QFile file(release + QStringLiteral("/update.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject product =
        QJsonDocument::fromJson(file.readAll()).object().value("gd7_launcher_en").toObject();
    file.close();
    QCOMPARE(product.value("version").toString(), QStringLiteral("4.0.2"));
    QCOMPARE(static_cast<qint64>(product.value("size").toDouble()), Q_INT64_C(123456789012));
    QCOMPARE(product.value("content").toArray().size(), 1);
    // Adding the same id again replaces it instead of listing it twice.
    run = runPublish(args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QMap<QString, QString> before = folderDigests(release);
    QCOMPARE(before.size(), 1);

    run = runPublish({QStringLiteral("manifest"), release, QStringLiteral("--product=gd7_launcher_en"),
                      QStringLiteral("--remove-content=no_such_id")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("no content no_such_id")), qPrintable(run.err));
    run = runPublish({QStringLiteral("manifest"), release, QStringLiteral("--version=4.x")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(folderDigests(release), before);

    run = runPublish({QStringLiteral("manifest"), release, QStringLiteral("--product=gd7_launcher_en"),
                      QStringLiteral("--remove-content=launcher_4.0.2")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QJsonDocument::fromJson(file.readAll())
                .object()
                .value("gd7_launcher_en")
                .toObject()
                .value("content")
                .toArray()
                .isEmpty());
}

void TestPublishInput::diffThenApply_data()
{
    QTest::addColumn<QByteArray>("oldBytes");
    QTest::addColumn<QByteArray>("newBytes");
    const QByteArray base = randomBytes(100000, 21);
    QTest::newRow("insert and delete") << base << (base.left(30000) + randomBytes(500, 22) + base.mid(40000));
    QTest::newRow("moved blocks") << base << (base.mid(60000) + base.left(60000));
    QTest::newRow("empty old") << QByteArray() << base;
    QTest::newRow("empty new") << base << QByteArray();
}

void TestPublishInput::diffThenApply()
{
    QFETCH(QByteArray, oldBytes);
    QFETCH(QByteArray, newBytes);
    QVERIFY(writeFile(path(QStringLiteral("old.bin")), oldBytes));
    QVERIFY(writeFile(path(QStringLiteral("new.bin")), newBytes));
    PublishRun run = runPublish({QStringLiteral("diff"), path(QStringLiteral("old.bin")),
                                 path(QStringLiteral("new.bin")), path(QStringLiteral("p.jdf"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    run = runPublish({QStringLiteral("apply"), path(QStringLiteral("old.bin")), path(QStringLiteral("p.jdf")),
                      path(QStringLiteral("out.bin"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(fileSha1(path(QStringLiteral("out.bin"))), fileSha1(path(QStringLiteral("new.bin"))));
}

void TestPublishInput::applyFailureGivesApplierCode()
{
    // Old file missing: the applier's code 3, passed on as the exit code.
    const PublishRun run = runPublish({QStringLiteral("apply"), path(QStringLiteral("no-such-old")),
                                       path(QStringLiteral("p.jdf")), path(QStringLiteral("out.bin"))});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains(QStringLiteral("failed with code 3")), qPrintable(run.err));
    const PublishRun diff = runPublish({QStringLiteral("diff"), path(QStringLiteral("no-such-old")),
                                        path(QStringLiteral("b1/game.bin")), path(QStringLiteral("p2.jdf"))});
    QCOMPARE(diff.exitCode, 3);
    QVERIFY2(diff.err.contains(QStringLiteral("cannot read old file")), qPrintable(diff.err));
}

QTEST_GUILESS_MAIN(TestPublishInput)
#include "tst_publishinput.moc"
