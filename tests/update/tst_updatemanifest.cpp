#include "tests/support/logcapture.h"
#include "update/contentselection.h"
#include "update/updateinfo.h"
#include "update/updatemirrors.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

#ifdef Q_OS_WIN
const QString Native = QStringLiteral("win64");
#else
const QString Native = QStringLiteral("linux64");
#endif

QJsonObject content(const QString &id, const QString &from, const QString &to, qint64 size,
                    const QString &platform = Native)
{
    QJsonObject object{
        {"id", id}, {"name", id + ".7z"}, {"platform", platform}, {"version_to", to}, {"size", size}};
    if (!from.isEmpty())
        object.insert(QStringLiteral("version_from"), from);
    return object;
}

ProductUpdateInfo product(const QList<QJsonObject> &contents)
{
    QJsonArray array;
    for (const QJsonObject &object : contents)
        array.append(object);
    return ProductUpdateInfo(QJsonObject{{"version", "1.2.0"}, {"content", array}});
}

QStringList ids(const QList<UpdateContent> &contents)
{
    QStringList list;
    for (const UpdateContent &item : contents)
        list.append(item.id());
    return list;
}

UpdateInfo parse(const QByteArray &text)
{
    return UpdateInfo(QJsonDocument::fromJson(text).object());
}

} // namespace

// The manifest records, the platform filter and the choice of contents to apply.
class UpdateManifestTest : public QObject
{
    Q_OBJECT
private slots:
    void readsManifest();
    void readsOddMembersAsEmpty_data();
    void readsOddMembersAsEmpty();
    void refusesBrokenDocuments_data();
    void refusesBrokenDocuments();
    void filtersPlatforms_data();
    void filtersPlatforms();
    void ordersContents();
    void selectsContents_data();
    void selectsContents();
    void listsDefaultMirrors();

private:
    LogCapture m_log;
};

void UpdateManifestTest::readsManifest()
{
    const UpdateInfo info = parse(R"({
        "gd7_launcher_en": {"version": "4.0.18085", "content": []},
        "gd7": {"version": "1.2", "size": "123456789012", "content": [
            {"id": "full_1_2", "name": "full.7z", "platform": "win64", "version_to": "1.2.0",
             "size": 5000000000, "http": ["http://127.0.0.1/a b.7z", "http://127.0.0.1/b.7z"],
             "torrent": "  yes ", "torrents": ["http://127.0.0.1/full.torrent"],
             "recover_http": ["http://127.0.0.1/files/"], "recover_torrents": []},
            {"id": "patch", "version_from": "1.1.0", "version_to": "1.2.0", "torrent": "   "}
        ]},
        "other": 5
    })");
    QVERIFY(info.isValid());
    ProductUpdateInfo launcher;
    QVERIFY(info.product(QStringLiteral("gd7_launcher_en"), launcher));
    QCOMPARE(launcher.version(), Version(4, 0, 18085));
    QVERIFY(launcher.contents().isEmpty());

    ProductUpdateInfo game;
    QVERIFY(info.product(QStringLiteral("gd7"), game));
    QCOMPARE(game.version(), Version(1, 2, 0));
    QCOMPARE(game.size(), Q_INT64_C(123456789012));
    const QList<UpdateContent> contents = game.contents();
    QCOMPARE(ids(contents), QStringList({"full_1_2", "patch"}));

    const UpdateContent &full = contents[0];
    QCOMPARE(full.name(), QStringLiteral("full.7z"));
    QCOMPARE(full.platform(), QStringLiteral("win64"));
    QVERIFY(full.isFull());
    QCOMPARE(full.versionTo(), Version(1, 2, 0));
    QCOMPARE(full.size(), Q_INT64_C(5000000000));
    QCOMPARE(full.http(), QList<QUrl>({QUrl("http://127.0.0.1/a%20b.7z"), QUrl("http://127.0.0.1/b.7z")}));
    QVERIFY(full.hasHttp());
    QVERIFY(full.hasTorrent());
    QCOMPARE(full.torrents(), QList<QUrl>({QUrl("http://127.0.0.1/full.torrent")}));
    QVERIFY(full.hasRecoverHttp());
    QVERIFY(!full.hasRecoverTorrents());

    const UpdateContent &patch = contents[1];
    QVERIFY(!patch.isFull());
    QCOMPARE(patch.versionFrom(), Version(1, 1, 0));
    QVERIFY(!patch.hasTorrent());
    QVERIFY(!patch.hasHttp());
    QVERIFY(patch.http().isEmpty());
}

void UpdateManifestTest::readsOddMembersAsEmpty_data()
{
    QTest::addColumn<QByteArray>("contentJson");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("httpCount");
    QTest::addColumn<bool>("full");

    QTest::newRow("plain") << QByteArray(R"({"size": 42, "name": "a", "http": ["x"], "version_from": "1.0"})")
                           << qint64(42) << "a" << 1 << false;
    QTest::newRow("numeric string size")
        << QByteArray(R"({"size": " 77 "})") << qint64(77) << "" << 0 << true;
    QTest::newRow("size not a number") << QByteArray(R"({"size": "12ab"})") << qint64(0) << "" << 0 << true;
    QTest::newRow("size of wrong type")
        << QByteArray(R"({"size": [1], "name": 5})") << qint64(0) << "" << 0 << true;
    QTest::newRow("size far above 64 bits")
        << QByteArray(R"({"size": 1e30})") << qint64(0) << "" << 0 << true;
    QTest::newRow("size far below 64 bits")
        << QByteArray(R"({"size": -1e30})") << qint64(0) << "" << 0 << true;
    QTest::newRow("size string above 64 bits")
        << QByteArray(R"({"size": "99999999999999999999"})") << qint64(0) << "" << 0 << true;
    QTest::newRow("largest exact double")
        << QByteArray(R"({"size": 9007199254740992})") << qint64(9007199254740992) << "" << 0 << true;
    QTest::newRow("http not an array")
        << QByteArray(R"({"http": "http://127.0.0.1/"})") << qint64(0) << "" << 0 << true;
    QTest::newRow("version_from not a version")
        << QByteArray(R"({"version_from": "1.x", "name": ["n"]})") << qint64(0) << "" << 0 << true;
    QTest::newRow("version_from of wrong type")
        << QByteArray(R"({"version_from": 1})") << qint64(0) << "" << 0 << true;
}

void UpdateManifestTest::readsOddMembersAsEmpty()
{
    QFETCH(QByteArray, contentJson);
    const UpdateContent item(QJsonDocument::fromJson(contentJson).object());
    QVERIFY(item.isValid());
    QTEST(item.size(), "size");
    QTEST(item.name(), "name");
    QTEST(item.http().size(), "httpCount");
    QTEST(item.isFull(), "full");
}

void UpdateManifestTest::refusesBrokenDocuments_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("gameFound");
    QTest::addColumn<int>("contentCount");

    QTest::newRow("not JSON") << QByteArray("<html>502 Bad Gateway</html>") << false << false << 0;
    QTest::newRow("truncated") << QByteArray(R"({"gd7": {"version": "1.0")") << false << false << 0;
    QTest::newRow("array") << QByteArray(R"([{"gd7": {"version": "1.0"}}])") << false << false << 0;
    QTest::newRow("empty object") << QByteArray("{}") << false << false << 0;
    QTest::newRow("product missing") << QByteArray(R"({"gd7_launcher_en": {"version": "1.0"}})") << true
                                     << false << 0;
    QTest::newRow("product not an object") << QByteArray(R"({"gd7": "1.0.0"})") << true << false << 0;
    QTest::newRow("product empty") << QByteArray(R"({"gd7": {}})") << true << false << 0;
    QTest::newRow("content not an array")
        << QByteArray(R"({"gd7": {"version": "1", "content": {"id": "a"}}})") << true << true << 0;
    QTest::newRow("content items not objects")
        << QByteArray(R"({"gd7": {"version": "1", "content": [1, "a", null]}})") << true << true << 3;
}

void UpdateManifestTest::refusesBrokenDocuments()
{
    QFETCH(QByteArray, document);
    QFETCH(int, contentCount);
    const UpdateInfo info = parse(document);
    QTEST(info.isValid(), "valid");
    ProductUpdateInfo game;
    QTEST(info.product(QStringLiteral("gd7"), game), "gameFound");
    const QList<UpdateContent> contents = game.contents();
    QCOMPARE(contents.size(), contentCount);
    for (const UpdateContent &item : contents)
        QVERIFY(!item.isValid());
    QList<UpdateContent> selected;
    QVERIFY(!selectContents(Version(1, 0, 0), game, selected, QStringLiteral("x86_64")));
}

void UpdateManifestTest::filtersPlatforms_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<QStringList>("log");

    const QString cpuMismatch = QStringLiteral("crit content does not match cpu: c/%1 CPU: %2");
    const QString unknown = QStringLiteral("crit content platform not supported: c/%1");
    const auto refused = [&](const char *platform, const char *cpu) {
        return QStringList({unknown.arg(platform), cpuMismatch.arg(platform, cpu)});
    };
#ifdef Q_OS_WIN
    QTest::newRow("win64 on x86_64") << "win64"
                                     << "x86_64" << true << QStringList();
    QTest::newRow("win32 on x86_64") << "win32"
                                     << "x86_64" << true << QStringList();
    QTest::newRow("win32 on i386") << "win32"
                                   << "i386" << true << QStringList();
    QTest::newRow("win64 on i386") << "win64"
                                   << "i386" << false << QStringList({cpuMismatch.arg("win64", "i386")});
    QTest::newRow("win32 on arm64") << "win32"
                                    << "arm64" << false << QStringList({cpuMismatch.arg("win32", "arm64")});
    QTest::newRow("linux64 refused") << "linux64"
                                     << "x86_64" << false << refused("linux64", "x86_64");
#else
    QTest::newRow("linux64 on x86_64") << "linux64"
                                       << "x86_64" << true << QStringList();
    QTest::newRow("linux64 on i386") << "linux64"
                                     << "i386" << false << QStringList({cpuMismatch.arg("linux64", "i386")});
    // Windows contents in a manifest that serves both platforms are not ours to install.
    QTest::newRow("win64 refused") << "win64"
                                   << "x86_64" << false << refused("win64", "x86_64");
    QTest::newRow("win32 refused") << "win32"
                                   << "x86_64" << false << refused("win32", "x86_64");
#endif
    QTest::newRow("unknown platform")
        << "osx"
        << "x86_64" << false << QStringList({unknown.arg("osx"), cpuMismatch.arg("osx", "x86_64")});
    QTest::newRow("platform case matters")
        << "Win64"
        << "x86_64" << false << QStringList({unknown.arg("Win64"), cpuMismatch.arg("Win64", "x86_64")});
    QTest::newRow("no platform") << ""
                                 << "x86_64" << false
                                 << QStringList({unknown.arg(""), cpuMismatch.arg("", "x86_64")});
}

void UpdateManifestTest::filtersPlatforms()
{
    QFETCH(QString, platform);
    QFETCH(QString, cpu);
    m_log.takeLines();
    const UpdateContent item(QJsonObject{{"id", "c"}, {"platform", platform}});
    QTEST(isPlatformSupported(item, cpu), "supported");
    QTEST(m_log.takeLines(), "log");
}

void UpdateManifestTest::ordersContents()
{
    QList<UpdateContent> contents =
        product({content("full2", "", "2.0.0", 1), content("p11_13", "1.1", "1.3", 1),
                 content("full1", "", "1.0.0", 1), content("p10_11", "1.0", "1.1", 1),
                 content("p11_12", "1.1", "1.2", 1), content("badfrom", "x", "0.5", 1)})
            .contents();
    std::stable_sort(contents.begin(), contents.end(), contentLess);
    QCOMPARE(ids(contents), QStringList({"p10_11", "p11_12", "p11_13", "badfrom", "full1", "full2"}));
}

void UpdateManifestTest::selectsContents_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QList<QJsonObject>>("contents");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("cpu");

    const QJsonObject p10 = content("p10", "1.0.0", "1.1.0", 10);
    const QJsonObject p11 = content("p11", "1.1.0", "1.2.0", 10);
    QTest::newRow("chain smaller than full package")
        << "1.0.0" << QList<QJsonObject>{content("full", "", "1.2.0", 30), p11, p10}
        << QStringList({"p10", "p11"}) << "x86_64";
    QTest::newRow("full package no larger than chain")
        << "1.0.0" << QList<QJsonObject>{content("full", "", "1.2.0", 20), p11, p10} << QStringList({"full"})
        << "x86_64";
    QTest::newRow("chain sizes that overflow 64 bits")
        << "1.0.0"
        << QList<QJsonObject>{content("full", "", "1.2.0", 30),
                              content("p10", "1.0.0", "1.1.0", 0x7ffffffffffffc00),
                              content("p11", "1.1.0", "1.2.0", 0x7ffffffffffffc00)}
        << QStringList({"full"}) << "x86_64";
    QTest::newRow("no patch from installed version")
        << "0.9.0"
        << QList<QJsonObject>{p10, content("full", "", "1.1.0", 30), p11, content("p12", "1.2.0", "1.3.0", 5)}
        << QStringList({"full", "p11", "p12"}) << "x86_64";
    QTest::newRow("no installed version: best full package and its patches")
        << "" << QList<QJsonObject>{content("old", "", "1.0.0", 5), content("new", "", "1.1.0", 50), p10, p11}
        << QStringList({"new", "p11"}) << "x86_64";
    QTest::newRow("chain ends below full package")
        << "1.0.0" << QList<QJsonObject>{p10, content("full", "", "1.2.0", 100)} << QStringList({"full"})
        << "x86_64";
    QTest::newRow("chain ends above full package")
        << "1.0.0" << QList<QJsonObject>{p10, p11, content("full", "", "1.1.0", 1)}
        << QStringList({"p10", "p11"}) << "x86_64";
    QTest::newRow("patches only") << "1.0.0" << QList<QJsonObject>{p11, p10} << QStringList({"p10", "p11"})
                                  << "x86_64";
    QTest::newRow("up to date") << "1.2.0" << QList<QJsonObject>{p10, p11} << QStringList() << "x86_64";
    QTest::newRow("smallest step first")
        << "1.0.0"
        << QList<QJsonObject>{content("p10_13", "1.0.0", "1.3.0", 1), content("p10_11", "1.0.0", "1.1.0", 1),
                              content("p11_12", "1.1.0", "1.2.0", 1)}
        << QStringList({"p10_11", "p11_12"}) << "x86_64";
    QTest::newRow("unknown platform never selected")
        << "1.0.0"
        << QList<QJsonObject>{content("p10", "1.0.0", "1.1.0", 1), content("p11", "1.1.0", "1.2.0", 1, "mac"),
                              content("full", "", "1.2.0", 999)}
        << QStringList({"full"}) << "x86_64";
    QTest::newRow("nothing runs on i386")
        << "1.0.0"
        << QList<QJsonObject>{content("p10", "1.0.0", "1.1.0", 1), content("p11", "1.1.0", "1.2.0", 1),
                              content("full", "", "1.2.0", 999)}
        << QStringList() << "i386";
#ifndef Q_OS_WIN
    QTest::newRow("other platforms beside ours")
        << "1.0.0"
        << QList<QJsonObject>{content("p10", "1.0.0", "1.1.0", 1),
                              content("w10", "1.0.0", "1.1.0", 1, "win64"),
                              content("w11", "1.1.0", "1.2.0", 1, "win64"),
                              content("full", "", "1.2.0", 999, "win32")}
        << QStringList({"p10"}) << "x86_64";
#endif
    QTest::newRow("nothing") << "1.0.0" << QList<QJsonObject>{} << QStringList() << "x86_64";
}

void UpdateManifestTest::selectsContents()
{
    QFETCH(QString, installed);
    QFETCH(QList<QJsonObject>, contents);
    QFETCH(QStringList, expected);
    QFETCH(QString, cpu);
    QList<UpdateContent> selected{UpdateContent(QJsonObject{{"id", "stale"}})};
    const bool any = selectContents(parseVersion(installed), product(contents), selected, cpu);
    QCOMPARE(ids(selected), expected);
    QCOMPARE(any, !expected.isEmpty());
}

void UpdateManifestTest::listsDefaultMirrors()
{
    // The compiled-in deployment: five mirrors, the maker's numeric server first.
    const QList<QUrl> mirrors = defaultUpdateMirrors();
    QCOMPARE(mirrors.size(), 5);
    QCOMPARE(QHostAddress(mirrors.first().host()).protocol(), QAbstractSocket::IPv4Protocol);
    for (int i = 0; i < mirrors.size(); ++i) {
        QCOMPARE(mirrors[i].scheme(), QStringLiteral("http"));
        QCOMPARE(mirrors[i].path(),
                 i < 4 ? QStringLiteral("/gd7/update.json") : QStringLiteral("/update.json"));
    }
}

QTEST_GUILESS_MAIN(UpdateManifestTest)
#include "tst_updatemanifest.moc"
