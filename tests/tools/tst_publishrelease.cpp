// A release cut with gd7-publish from three generated builds, read back the way the launcher reads
// it: verify, the patch streams through the applier, the manifest through selectContents, and the
// torrents through a loopback session whose only source is nginx.

#include "publishkit.h"

#include "app/version.h"
#include "net/torrents.h"
#include "patch/filesha1.h"
#include "patch/jdiff.h"
#include "patch/patchconfig.h"
#include "patch/sevenzip.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"
#include "update/contentselection.h"
#include "update/productupdateinfo.h"
#include "update/updateinfo.h"

#include <QCryptographicHash>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Unicode = QStringLiteral("dir with blank/ünïcödé файл.txt");
const QString CpuArchitecture = QStringLiteral("x86_64");

QSet<QString> paths(const QList<PatchContent> &entries)
{
    QSet<QString> result;
    for (const PatchContent &entry : entries)
        result.insert(entry.string(QStringLiteral("path")));
    return result;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

bool writeJson(const QString &path, const QJsonObject &object)
{
    return writeFile(path, QJsonDocument(object).toJson());
}

// Repacks a patch package whose first modified file promises a wrong new digest, and lists the
// new archive's size in the manifest.
bool breakPatchDigest(const QString &release, const QString &id)
{
    const QString archive = release + QLatin1Char('/') + id + QStringLiteral(".7z");
    const QString unpacked = release + QStringLiteral("/unpacked");
    if (!sevenZipExtract(archive, unpacked, nullptr))
        return false;
    QJsonObject conf = readJson(unpacked + QStringLiteral("/patch.conf"));
    QJsonObject patch = conf.value(QStringLiteral("patch")).toObject();
    QJsonArray modified = patch.value(QStringLiteral("modified")).toArray();
    QJsonObject entry = modified.at(0).toObject();
    entry.insert(QStringLiteral("sha1_new"), QString(40, QLatin1Char('0')));
    modified.replace(0, entry);
    patch.insert(QStringLiteral("modified"), modified);
    conf.insert(QStringLiteral("patch"), patch);
    if (!writeJson(unpacked + QStringLiteral("/patch.conf"), conf) || !QFile::remove(archive) ||
        !sevenZipPack(archive, unpacked, release, nullptr) || !QDir(unpacked).removeRecursively())
        return false;
    QJsonObject manifest = readJson(release + QStringLiteral("/update.json"));
    QJsonObject game = manifest.value(QStringLiteral("gd7")).toObject();
    QJsonArray contents = game.value(QStringLiteral("content")).toArray();
    for (int i = 0; i < contents.size(); ++i) {
        QJsonObject content = contents.at(i).toObject();
        if (content.value(QStringLiteral("id")).toString() == id) {
            content.insert(QStringLiteral("size"), static_cast<double>(QFileInfo(archive).size()));
            contents.replace(i, content);
        }
    }
    game.insert(QStringLiteral("content"), contents);
    manifest.insert(QStringLiteral("gd7"), game);
    return writeJson(release + QStringLiteral("/update.json"), manifest);
}

QByteArray edited(QByteArray bytes, quint32 seed)
{
    bytes.insert(5000, randomBytes(1000, seed));
    bytes.remove(100000, 2000);
    bytes.replace(150000, 16, randomBytes(16, seed + 1));
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPublishRelease : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verifyPasses();
    void verifyComparesBuilds();
    void verifyFindsDamage_data();
    void verifyFindsDamage();
    void patchLists_data();
    void patchLists();
    void streamsRoundTrip_data();
    void streamsRoundTrip();
    void manifestProduct();
    void selectsChain_data();
    void selectsChain();
    void torrentDownloadsFromWebSeed_data();
    void torrentDownloadsFromWebSeed();
    void archiveDigests();
    void signsManifests_data();
    void signsManifests();

private:
    QString build(const QString &version) const { return m_dir.filePath(QStringLiteral("build-") + version); }
    QString release() const { return m_dir.filePath(QStringLiteral("release")); }
    void makeBuilds();
    ProductUpdateInfo game() const;
    UpdateContent content(const QString &id) const;
    QString unpack(const QString &id);

    QTemporaryDir m_dir;
    NginxServer m_server;
};

void TestPublishRelease::makeBuilds()
{
    const QString b1 = build(QStringLiteral("1.0.0"));
    const QByteArray modified = randomBytes(200000, 7);
    QVERIFY(writeFile(b1 + QStringLiteral("/same.txt"), "unchanged\n"));
    QVERIFY(writeFile(b1 + QStringLiteral("/empty.txt"), QByteArray()));
    QVERIFY(writeBigFile(b1 + QStringLiteral("/data/big.bin"), 1040, 3)); // 65 MiB
    QVERIFY(writeFile(b1 + QLatin1Char('/') + Unicode, randomBytes(3000, 5)));
    QVERIFY(writeFile(b1 + QStringLiteral("/old place/moved.dat"), randomBytes(100000, 6)));
    QVERIFY(writeFile(b1 + QStringLiteral("/removed.txt"), "gone soon\n"));
    QVERIFY(writeFile(b1 + QStringLiteral("/modified.bin"), modified));

    const QString b2 = build(QStringLiteral("1.1.0"));
    QVERIFY(copyFolder(b1, b2));
    QVERIFY(QDir(b2).rename(QStringLiteral("old place"), QStringLiteral("new place")));
    QVERIFY(QFile::remove(b2 + QStringLiteral("/removed.txt")));
    QVERIFY(writeFile(b2 + QStringLiteral("/modified.bin"), edited(modified, 11)));
    QVERIFY(writeFile(b2 + QStringLiteral("/added.txt"), "new in 1.1.0\n"));
    QVERIFY(writeFile(b2 + QLatin1Char('/') + Unicode, randomBytes(3000, 5) + "appended"));

    const QString b3 = build(QStringLiteral("1.2.0"));
    QVERIFY(copyFolder(b2, b3));
    QFile big(b3 + QStringLiteral("/data/big.bin"));
    QVERIFY(big.open(QIODevice::ReadWrite) && big.seek(50000000) && big.write("CHANGED") == 7);
    QVERIFY(big.seek(big.size()) && big.write(randomBytes(1000, 13)) == 1000);
    big.close();
    QVERIFY(QFile::remove(b3 + QStringLiteral("/added.txt")));
    QVERIFY(writeFile(b3 + QStringLiteral("/nested/deeper/new ñ.bin"), randomBytes(5000, 17)));
    QVERIFY(writeFile(b3 + QStringLiteral("/modified.bin"), edited(edited(modified, 11), 19)));
}

void TestPublishRelease::initTestCase()
{
    QVERIFY(m_dir.isValid());
    makeBuilds();
    QVERIFY(QDir().mkpath(release()));
    QVERIFY2(m_server.start(release()), qPrintable(m_server.errorLog()));
    const QString base = m_server.url().toString();
    // No platform given: the tool names the one it runs on.
    const QStringList common{QStringLiteral("--base-url"), base};
    const QList<QStringList> steps{
        QStringList{QStringLiteral("full"), QStringLiteral("--version"), QStringLiteral("1.0.0"),
                    build(QStringLiteral("1.0.0")), release()},
        QStringList{QStringLiteral("patch"), QStringLiteral("--from"), QStringLiteral("1.0.0"),
                    QStringLiteral("--to"), QStringLiteral("1.1.0"), build(QStringLiteral("1.0.0")),
                    build(QStringLiteral("1.1.0")), release()},
        QStringList{QStringLiteral("patch"), QStringLiteral("--from"), QStringLiteral("1.1.0"),
                    QStringLiteral("--to"), QStringLiteral("1.2.0"), build(QStringLiteral("1.1.0")),
                    build(QStringLiteral("1.2.0")), release()},
    };
    for (const QStringList &step : steps) {
        const PublishRun run = runPublish(step + common);
        QVERIFY2(run.exitCode == 0, qPrintable(step.join(QLatin1Char(' ')) + QStringLiteral(": ") + run.err));
    }
}

void TestPublishRelease::verifyPasses()
{
    // The full package and both patches rebuild exactly the three build folders.
    QStringList args{QStringLiteral("verify"), release()};
    for (const QString &version : {QStringLiteral("1.0.0"), QStringLiteral("1.1.0"), QStringLiteral("1.2.0")})
        args << QStringLiteral("--build") << version + QLatin1Char('=') + build(version);
    const PublishRun run = runPublish(args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(QStringLiteral("3 contents checked")), qPrintable(run.out));
}

void TestPublishRelease::verifyComparesBuilds()
{
    const PublishRun run = runPublish({QStringLiteral("verify"), release(), QStringLiteral("--build"),
                                       QStringLiteral("1.2.0=") + build(QStringLiteral("1.1.0"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("gd7 1.2.0 built from the release: differs from ")),
             qPrintable(run.err));
}

void TestPublishRelease::verifyFindsDamage_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("recovery file changed") << "recovery"
                                           << "recovery file " + Unicode + " does not match package.conf";
    QTest::newRow("archive truncated") << "truncate"
                                       << "gd7_1.1.0_1.2.0: archive";
    QTest::newRow("torrent of another archive") << "torrent"
                                                << "is not the one the manifest names";
    QTest::newRow("patch promises another digest") << "digest"
                                                   << "gd7_1.0.0_1.1.0: does not apply to the build of 1.0.0";
}

void TestPublishRelease::verifyFindsDamage()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QTemporaryDir copy;
    QVERIFY(copyFolder(release(), copy.path()));
    if (damage == QLatin1String("recovery")) {
        QFile file(copy.filePath(QStringLiteral("recover/gd7_1.0.0/") + Unicode));
        QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
    } else if (damage == QLatin1String("truncate")) {
        QVERIFY(QFile::resize(copy.filePath(QStringLiteral("gd7_1.1.0_1.2.0.7z")), 100));
    } else if (damage == QLatin1String("digest")) {
        QVERIFY(breakPatchDigest(copy.path(), QStringLiteral("gd7_1.0.0_1.1.0")));
    } else {
        const QString torrent = copy.filePath(QStringLiteral("gd7_1.1.0_1.2.0.7z.torrent"));
        QVERIFY(QFile::remove(torrent) &&
                QFile::copy(copy.filePath(QStringLiteral("gd7_1.0.0_1.1.0.7z.torrent")), torrent));
    }
    const PublishRun run = runPublish({QStringLiteral("verify"), copy.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

ProductUpdateInfo TestPublishRelease::game() const
{
    QFile file(release() + QStringLiteral("/update.json"));
    UpdateInfo info;
    ProductUpdateInfo product;
    if (file.open(QIODevice::ReadOnly) && info.setJson(QJsonDocument::fromJson(file.readAll()).object()))
        info.product(QStringLiteral("gd7"), product);
    return product;
}

UpdateContent TestPublishRelease::content(const QString &id) const
{
    for (const UpdateContent &content : game().contents()) {
        if (content.id() == id)
            return content;
    }
    return UpdateContent();
}

QString TestPublishRelease::unpack(const QString &id)
{
    const QString folder = m_dir.filePath(QStringLiteral("unpacked/") + id);
    if (!QFileInfo::exists(folder))
        sevenZipExtract(release() + QLatin1Char('/') + content(id).name(), folder, nullptr);
    return folder;
}

void TestPublishRelease::patchLists_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("modified");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("1.0.0 to 1.1.0") << "gd7_1.0.0_1.1.0"
                                    << QStringList{QStringLiteral("modified.bin"), Unicode}
                                    << QStringList{QStringLiteral("added.txt"),
                                                   QStringLiteral("new place/moved.dat")}
                                    << QStringList{QStringLiteral("old place/moved.dat"),
                                                   QStringLiteral("removed.txt")};
    QTest::newRow("1.1.0 to 1.2.0") << "gd7_1.1.0_1.2.0"
                                    << QStringList{QStringLiteral("data/big.bin"),
                                                   QStringLiteral("modified.bin")}
                                    << QStringList{QStringLiteral("nested/deeper/new ñ.bin")}
                                    << QStringList{QStringLiteral("added.txt")};
}

void TestPublishRelease::patchLists()
{
    QFETCH(QString, id);
    QFETCH(QStringList, modified);
    QFETCH(QStringList, added);
    QFETCH(QStringList, removed);
    PatchConfig config;
    QVERIFY(config.load(unpack(id) + QStringLiteral("/patch.conf")));
    QCOMPARE(paths(config.contents(QStringLiteral("modified"))),
             QSet<QString>(modified.begin(), modified.end()));
    QCOMPARE(paths(config.contents(QStringLiteral("added"))), QSet<QString>(added.begin(), added.end()));
    QCOMPARE(paths(config.contents(QStringLiteral("removed"))),
             QSet<QString>(removed.begin(), removed.end()));
    QCOMPARE(config.string(QStringLiteral("version_from")), id.section(QLatin1Char('_'), 1, 1));
    QCOMPARE(config.string(QStringLiteral("version_to")), id.section(QLatin1Char('_'), 2, 2));
    // The big file's patch is a few bytes, not 65 MiB.
    QVERIFY(QFileInfo(release() + QLatin1Char('/') + content(id).name()).size() < 1000000);
}

void TestPublishRelease::streamsRoundTrip_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("1.0.0 to 1.1.0") << "gd7_1.0.0_1.1.0"
                                    << "1.0.0"
                                    << "1.1.0";
    QTest::newRow("1.1.0 to 1.2.0") << "gd7_1.1.0_1.2.0"
                                    << "1.1.0"
                                    << "1.2.0";
}

void TestPublishRelease::streamsRoundTrip()
{
    QFETCH(QString, id);
    QFETCH(QString, from);
    QFETCH(QString, to);
    const QString package = unpack(id);
    PatchConfig config;
    QVERIFY(config.load(package + QStringLiteral("/patch.conf")));
    const QList<PatchContent> modified = config.contents(QStringLiteral("modified"));
    QVERIFY(!modified.isEmpty());
    for (const PatchContent &entry : modified) {
        const QString path = entry.string(QStringLiteral("path"));
        const QString out = m_dir.filePath(QStringLiteral("roundtrip.out"));
        QCOMPARE(entry.string(QStringLiteral("sha1_old")), fileSha1(build(from) + QLatin1Char('/') + path));
        QCOMPARE(jdiff::applyPatchFile(build(from) + QLatin1Char('/') + path,
                                       package + QLatin1Char('/') + path, out, nullptr),
                 int(jdiff::Success));
        QCOMPARE(fileSha1(out), fileSha1(build(to) + QLatin1Char('/') + path));
        QCOMPARE(entry.string(QStringLiteral("sha1_new")), fileSha1(out));
        QCOMPARE(entry.integer64(QStringLiteral("size")), QFileInfo(out).size());
    }
}

void TestPublishRelease::manifestProduct()
{
    const ProductUpdateInfo product = game();
    QCOMPARE(product.string(QStringLiteral("version")), QStringLiteral("1.2.0"));
    qint64 size = 0;
    for (const QString &digestPath : folderDigests(build(QStringLiteral("1.2.0"))).keys())
        size += QFileInfo(build(QStringLiteral("1.2.0")) + QLatin1Char('/') + digestPath).size();
    QCOMPARE(product.integer64(QStringLiteral("size")), size);
    const UpdateContent full = content(QStringLiteral("gd7_1.0.0"));
    QVERIFY(full.isFull());
    QVERIFY(full.hasTorrent() && full.hasRecoverHttp() && full.hasRecoverTorrents());
    QCOMPARE(full.size(), QFileInfo(release() + QStringLiteral("/gd7_1.0.0.7z")).size());
    for (const UpdateContent &each : product.contents())
        QCOMPARE(each.platform(), QStringLiteral("linux64"));
    // Where the file checker fetches the file list: below a "recover_http" base, the id, then "package.conf".
    const QUrl recoverBase = full.recoverHttp().first();
    QCOMPARE(recoverBase.host(), QStringLiteral("127.0.0.1"));
    QVERIFY(QFileInfo::exists(release() + recoverBase.path() + full.id() + QStringLiteral("/package.conf")));
}

void TestPublishRelease::selectsChain_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << "" << QStringList{"gd7_1.0.0", "gd7_1.0.0_1.1.0", "gd7_1.1.0_1.2.0"};
    QTest::newRow("1.0.0") << "1.0.0" << QStringList{"gd7_1.0.0_1.1.0", "gd7_1.1.0_1.2.0"};
    QTest::newRow("1.1.0") << "1.1.0" << QStringList{"gd7_1.1.0_1.2.0"};
}

void TestPublishRelease::selectsChain()
{
    QFETCH(QString, installed);
    QFETCH(QStringList, expected);
    QList<UpdateContent> selected;
    QVERIFY(selectContents(parseVersion(installed), game(), selected, CpuArchitecture));
    QStringList ids;
    for (const UpdateContent &content : selected)
        ids.append(content.id());
    QCOMPARE(ids, expected);
}

void TestPublishRelease::torrentDownloadsFromWebSeed_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("recovery");
    QTest::addColumn<QStringList>("wanted");
    QTest::newRow("patch package") << "gd7_1.0.0_1.1.0" << false << QStringList();
    QTest::newRow("recovery, one damaged file") << "gd7_1.0.0" << true << QStringList{Unicode};
}

void TestPublishRelease::torrentDownloadsFromWebSeed()
{
    QFETCH(QString, id);
    QFETCH(bool, recovery);
    QFETCH(QStringList, wanted);
    const UpdateContent entry = content(id);
    const QUrl torrentUrl = recovery ? entry.recoverTorrents().first() : entry.torrents().first();
    const QString torrentPath = release() + torrentUrl.path();
    const QByteArray torrent = readFileBytes(torrentPath);
    QVERIFY2(!torrent.isEmpty(), qPrintable(torrentPath));
    QTemporaryDir save;
    Torrents torrents;
    torrents.setSessionConfig(loopbackConfig());
    QSignalSpy finished(&torrents, &Torrents::finished);
    QSignalSpy failed(&torrents, &Torrents::error);
    QVERIFY(torrents.start(QString()));
    QVERIFY(torrents.add(save.path(), torrent, recovery ? entry.recoverHttp() : entry.http(), wanted));
    QVERIFY2(waitFor([&]() { return !finished.isEmpty() || !failed.isEmpty(); }, 60000),
             "torrent never finished");
    QVERIFY(failed.isEmpty());
    if (recovery) {
        QCOMPARE(fileSha1(save.path() + QLatin1Char('/') + id + QLatin1Char('/') + Unicode),
                 fileSha1(build(QStringLiteral("1.0.0")) + QLatin1Char('/') + Unicode));
    } else {
        QCOMPARE(fileSha1(save.path() + QLatin1Char('/') + entry.name()),
                 fileSha1(release() + QLatin1Char('/') + entry.name()));
    }
    torrents.removeAll();
    torrents.stop(QString());
}

void TestPublishRelease::archiveDigests()
{
    // Every archive is promised by its exact size and SHA-256, which the launcher checks.
    const QList<UpdateContent> contents = game().contents();
    QCOMPARE(contents.size(), 3);
    for (const UpdateContent &item : contents) {
        QFile archive(QDir(release()).filePath(item.name()));
        QVERIFY(archive.open(QIODevice::ReadOnly));
        const QByteArray bytes = archive.readAll();
        QCOMPARE(item.size(), qint64(bytes.size()));
        QCOMPARE(item.sha256(),
                 QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
    }
}

void TestPublishRelease::signsManifests_data()
{
    // Each row runs on a fresh copy of the release (serial 3 after its three publishing steps),
    // signed by "publisher.key" with serial 4. %r is the copy, %k a key file, %s the other
    // key, %p the publisher's public key file, %q the other's, %b a build.
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // on stdout or stderr
    QTest::addColumn<qint64>("serial");   // of update.json afterwards
    QTest::addColumn<bool>("verifies");   // by the publisher's key afterwards

    QTest::newRow("verify by the publisher's key")
        << QStringList{"verify", "%r", "--public-key", "%p"} << 0 << "release is sound" << qint64(4) << true;
    QTest::newRow("verify by another key") << QStringList{"verify", "%r", "--public-key", "%q"} << 1
                                           << "has no valid signature by the given keys" << qint64(4) << true;
    QTest::newRow("verify by a malformed key") << QStringList{"verify", "%r", "--public-key", "bm90IGEga2V5"}
                                               << 2 << "not a base64 Ed25519 public key" << qint64(4) << true;
    QTest::newRow("sign again: next serial")
        << QStringList{"sign", "%r", "--key", "%k"} << 0 << "(serial 5)" << qint64(5) << true;
    QTest::newRow("sign with the other key")
        << QStringList{"sign", "%r", "--key", "%s"} << 0 << "(serial 5)" << qint64(5) << false;
    QTest::newRow("sign without a key")
        << QStringList{"sign", "%r"} << 2 << "--key is required" << qint64(4) << true;
    QTest::newRow("sign with a public key file")
        << QStringList{"sign", "%r", "--key", "%p"} << 2 << "not an Ed25519 private key" << qint64(4) << true;
    QTest::newRow("edit of a signed release without its key")
        << QStringList{"manifest", "%r", "--size", "5"} << 1 << "give --key to sign it again" << qint64(4)
        << true;
    QTest::newRow("edit signed again") << QStringList{"manifest", "%r", "--size", "5", "--key", "%k"} << 0
                                       << "\"serial\": 5" << qint64(5) << true;
    QTest::newRow("full package into a signed release without its key")
        << QStringList{"full", "--version", "2.0.0", "--base-url", "http://127.0.0.1/r", "%b", "%r"} << 1
        << "the release is signed: give --key to sign it again" << qint64(4) << true;
    QTest::newRow("keygen over an existing key")
        << QStringList{"keygen", "%k"} << 1 << "will not overwrite an existing key" << qint64(4) << true;
}

void TestPublishRelease::signsManifests()
{
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(qint64, serial);
    QFETCH(bool, verifies);

    QTemporaryDir work;
    const QString copy = work.filePath(QStringLiteral("release"));
    QVERIFY(copyFolder(release(), copy));
    const QString key = work.filePath(QStringLiteral("publisher.key"));
    const QString other = work.filePath(QStringLiteral("other.key"));
    for (const QString &file : {key, other}) {
        const PublishRun made = runPublish({QStringLiteral("keygen"), file});
        QCOMPARE(made.exitCode, 0);
        QCOMPARE(made.out.trimmed(), QString::fromLatin1(readAll(file + QStringLiteral(".pub")).trimmed()));
    }
    QCOMPARE(runPublish({QStringLiteral("sign"), copy, QStringLiteral("--key"), key}).exitCode, 0);

    for (QString &argument : command) {
        argument.replace(QLatin1String("%r"), copy)
            .replace(QLatin1String("%k"), key)
            .replace(QLatin1String("%s"), other)
            .replace(QLatin1String("%p"), key + QStringLiteral(".pub"))
            .replace(QLatin1String("%q"), other + QStringLiteral(".pub"))
            .replace(QLatin1String("%b"), build(QStringLiteral("1.2.0")));
    }
    const PublishRun run = runPublish(command);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.out + run.err).contains(printed), qPrintable(run.out + run.err));
    const QByteArray manifest = readAll(copy + QStringLiteral("/update.json"));
    QCOMPARE(UpdateInfo(QJsonDocument::fromJson(manifest).object()).serial(), serial);
    const PublishRun check = runPublish(
        {QStringLiteral("verify"), copy, QStringLiteral("--public-key"), key + QStringLiteral(".pub")});
    QCOMPARE(check.exitCode == 0, verifies);
}

QTEST_GUILESS_MAIN(TestPublishRelease)
#include "tst_publishrelease.moc"
