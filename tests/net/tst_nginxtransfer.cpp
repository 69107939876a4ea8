#include "net/downloader.h"
#include "net/downloadjsonvalidator.h"
#include "net/httpconnection.h"
#include "net/ihttpprogress.h"
#include "tests/support/logcapture.h"
#include "tests/support/nginxserver.h"
#include "tests/support/testfiles.h"
#include "update/contentselection.h"
#include "update/updateinfo.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class LastProgress : public net::IHttpProgress
{
public:
    void progress(net::HttpConnection *, qint64 total, qint64 current) override { last = {total, current}; }
    QPair<qint64, qint64> last{-2, -2};
};

} // namespace

// The client, the download manager and the manifest records against nginx from the system.
class NginxTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { m_log.takeLines(); }
    void fetchesManifestAndContent();
    void followsNginxRedirects_data();
    void followsNginxRedirects();
    void failsOnNginxErrors_data();
    void failsOnNginxErrors();
    void downloaderKeepsValidatedCopy();
    void refusesUntrustedCertificate();

private:
    QJsonObject manifest() const;

    QTemporaryDir m_root;
    QTemporaryDir m_work;
    NginxServer m_nginx;
    quint16 m_tlsPort = 0;
    QByteArray m_full;
    QByteArray m_patch;
    LogCapture m_log;
};

QJsonObject NginxTransferTest::manifest() const
{
    const auto content = [this](const QString &id, const QString &from, const QString &to, qint64 size) {
        QJsonObject object{{"id", id},
                           {"name", id + ".7z"},
                           {"platform", nativePlatform()},
                           {"version_to", to},
                           {"size", size},
                           {"http", QJsonArray{m_nginx.url("files/" + id + ".7z").toString()}}};
        if (!from.isEmpty())
            object.insert(QStringLiteral("version_from"), from);
        return object;
    };
    return QJsonObject{
        {"gd7_launcher_en", QJsonObject{{"version", "4.0.18085"}, {"content", QJsonArray()}}},
        {"gd7", QJsonObject{{"version", "1.1.0"},
                            {"size", 5000000},
                            {"content", QJsonArray{content("full", "", "1.1.0", m_full.size()),
                                                   content("patch", "1.0.0", "1.1.0", m_patch.size())}}}}};
}

void NginxTransferTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    m_full.resize(6 * 1024 * 1024);
    QRandomGenerator(11).fillRange(reinterpret_cast<quint32 *>(m_full.data()), m_full.size() / 4);
    m_patch = m_full.left(300000);
    QVERIFY(testfiles::write(m_root.filePath(QStringLiteral("files/full.7z")), m_full));
    QVERIFY(testfiles::write(m_root.filePath(QStringLiteral("files/patch.7z")), m_patch));
    QVERIFY(testfiles::write(m_root.filePath(QStringLiteral("files/empty.bin")), QByteArray()));
    QVERIFY(
        testfiles::write(m_root.filePath(QStringLiteral("gd7/not-json.json")), "<html>maintenance</html>"));
    const QString locations = QStringLiteral("location = /moved { return 302 /files/patch.7z; }\n"
                                             "location = /dir/moved { return 302 ../files/patch.7z; }\n"
                                             "location = /moved-absolute { return 301 "
                                             "http://$host:$server_port/files/patch.7z; }\n"
                                             "location = /loop { return 302 /loop; }\n"
                                             "location = /broken { return 500; }\n");
    // The same files over TLS, with a self-signed certificate for 127.0.0.1.
    m_tlsPort = freeLocalPort();
    const QString tls = QStringLiteral("listen 127.0.0.1:%1 ssl;\n"
                                       "ssl_certificate %2/selfsigned.crt;\n"
                                       "ssl_certificate_key %2/selfsigned.key;\n")
                            .arg(m_tlsPort)
                            .arg(QStringLiteral(TEST_CERTIFICATES));
    QVERIFY2(m_nginx.start(m_root.path(), locations + tls), qPrintable(m_nginx.errorLog()));
    QVERIFY(testfiles::write(m_root.filePath(QStringLiteral("gd7/update.json")),
                             QJsonDocument(manifest()).toJson()));
}

void NginxTransferTest::fetchesManifestAndContent()
{
    const auto connection = net::HttpConnection::create(false);
    QJsonObject document;
    QVERIFY(connection->getJson(m_nginx.url(QStringLiteral("gd7/update.json")), &document));
    const UpdateInfo info(document);
    QVERIFY(info.isValid());
    ProductUpdateInfo game;
    QVERIFY(info.product(QStringLiteral("gd7"), game));
    QList<UpdateContent> selected;
    QVERIFY(selectContents(Version(1, 0, 0), game, selected, QStringLiteral("x86_64")));
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().id(), QStringLiteral("patch"));

    LastProgress progress;
    const auto download = net::HttpConnection::create(true);
    download->setProgressListener(&progress);
    for (const QString &installed : {QStringLiteral("1.0.0"), QString()}) {
        QVERIFY(selectContents(parseVersion(installed), game, selected, QStringLiteral("x86_64")));
        const UpdateContent &content = selected.first();
        const QString target = m_work.filePath(content.name());
        QVERIFY(download->download(content.http().first(), target));
        QCOMPARE(testfiles::read(target).size(), int(content.size()));
        QVERIFY(testfiles::read(target) == (content.isFull() ? m_full : m_patch));
        QCOMPARE(progress.last, qMakePair(content.size(), content.size()));
    }
}

void NginxTransferTest::followsNginxRedirects_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ok");
    QTest::newRow("relative") << "moved" << true;
    QTest::newRow("relative up") << "dir/moved" << true;
    QTest::newRow("absolute") << "moved-absolute" << true;
    QTest::newRow("loop") << "loop" << false;
}

void NginxTransferTest::followsNginxRedirects()
{
    QFETCH(QString, path);
    QFETCH(bool, ok);
    const QString target = m_work.filePath(QStringLiteral("redirected.7z"));
    QCOMPARE(net::HttpConnection::create(true)->download(m_nginx.url(path), target), ok);
    QCOMPARE(testfiles::read(target), ok ? m_patch : QByteArray("<missing>"));
    if (!ok)
        QCOMPARE(m_log.takeLines().last(), "crit too many redirects: " + m_nginx.url(path).toString());
}

void NginxTransferTest::failsOnNginxErrors_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("404") << "files/none.7z"
                         << QStringList({"crit network error: 203", "crit http some error happened: 203"});
    QTest::newRow("500") << "broken"
                         << QStringList({"crit network error: 401", "crit http some error happened: 401"});
    QTest::newRow("empty file") << "files/empty.bin" << QStringList();
}

void NginxTransferTest::failsOnNginxErrors()
{
    QFETCH(QString, path);
    QFETCH(QStringList, log);
    const QString target = m_work.filePath(QStringLiteral("failed.7z"));
    QVERIFY(testfiles::write(target, "previous content"));
    QVERIFY(!net::HttpConnection::create(true)->download(m_nginx.url(path), target));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_log.takeLines(), QStringList("debg download: " + m_nginx.url(path).toString()) + log);
}

void NginxTransferTest::downloaderKeepsValidatedCopy()
{
    Downloader downloader;
    QJsonObject parsed;
    DownloadJSONValidator validator(&parsed);
    const QString savePath = m_work.filePath(QStringLiteral("package.conf"));
    const QList<QUrl> mirrors{m_nginx.url(QStringLiteral("gd7/missing.json")),
                              m_nginx.url(QStringLiteral("gd7/not-json.json")),
                              m_nginx.url(QStringLiteral("gd7/update.json"))};
    QVERIFY(downloader.download(mirrors, nullptr, savePath, true, true, &validator));
    QCOMPARE(parsed, manifest());
    QCOMPARE(QJsonDocument::fromJson(testfiles::read(savePath)).object(), manifest());

    // Later calls are served from the saved copy, even without network.
    parsed = QJsonObject();
    QVERIFY(downloader.download(mirrors, nullptr, savePath, false, false, &validator));
    QCOMPARE(parsed, manifest());
}

void NginxTransferTest::refusesUntrustedCertificate()
{
    const QUrl url(QStringLiteral("https://127.0.0.1:%1/files/patch.7z").arg(m_tlsPort));
    const QString target = m_work.filePath(QStringLiteral("untrusted.7z"));
    QVERIFY(!net::HttpConnection::create(true)->download(url, target));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_log.takeLines(), QStringList({"debg download: " + url.toString(),
                                             "crit ssl errors: The certificate is self-signed, and untrusted",
                                             "crit network error: 6", "crit http some error happened: 6"}));
}

QTEST_GUILESS_MAIN(NginxTransferTest)
#include "tst_nginxtransfer.moc"
