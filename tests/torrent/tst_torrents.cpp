#include "net/speedlimit.h"
#include "net/torrents.h"
#include "net/torrentsession_p.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <libtorrent/add_torrent_params.hpp>
#include <libtorrent/torrent_info.hpp>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>

using THash = TorrentAlerts::THash;

// The recovery's session end to end on 127.0.0.1: web seeds served by nginx, a second libtorrent
// session and aria2c as peers.
class TorrentsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addWithoutSessionFailsQuietly();
    void addRejectsBadInput_data();
    void addRejectsBadInput();
    void downloadsWantedFilesFromWebSeed_data();
    void downloadsWantedFilesFromWebSeed();
    void reportsProgressOnlyWhileActive();
    void sessionPauseAndResumeMoveTorrentsOutAndIn();
    void oneFinishedPerTick();
    void reemitsErrors();
    void listenFailureKeepsWebSeeds();
    void downloadsFromPeers_data();
    void downloadsFromPeers();
    void stopWritesStateThatTheNextStartLoads();
    void stopFromAFinishedListener();
    void sessionFollowsDownloadLimit();

private:
    struct Progress
    {
        THash id;
        float p;
        qlonglong total;
        qlonglong current;
    };

    bool startTorrents(const QString &statePath = QString());
    QString scratch(const QString &name) const { return m_root.filePath(name); }
    int countOf(const QList<THash> &ids, const THash &id) const { return static_cast<int>(ids.count(id)); }

    QTemporaryDir m_root;
    QString m_sources;
    QByteArray m_game;
    QByteArray m_other;
    NginxServer m_nginx;
    LogCapture m_log;
    std::unique_ptr<Torrents> m_torrents;
    QList<THash> m_added;
    QList<THash> m_finished;
    QList<THash> m_paused;
    QList<THash> m_resumed;
    QList<THash> m_removed;
    QList<THash> m_errors;
    QList<Progress> m_progress;
};

void TorrentsTest::initTestCase()
{
    m_sources = m_root.filePath(QStringLiteral("src"));
    // Whole pieces only: aria2c knows nothing of pad files.
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/a.bin"), 1024 * 1024, 21));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/b.bin"), 512 * 1024, 22));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/c.bin"), 768 * 1024, 23));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/docs/readme.txt"), 64 * 1024, 24));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/other.bin"), 256 * 1024, 25));
    m_game = makeTorrent(m_sources + QStringLiteral("/Game"), 64 * 1024);
    m_other = makeTorrent(m_sources + QStringLiteral("/other.bin"), 64 * 1024);
    QVERIFY(!m_game.isEmpty() && !m_other.isEmpty());
    // The throttled copy keeps a download running long enough to pause it.
    const QString slow = QStringLiteral("location /slow/ { alias %1/; limit_rate 128k; }").arg(m_sources);
    QVERIFY2(m_nginx.start(m_sources, slow), qPrintable(m_nginx.errorLog()));
}

void TorrentsTest::init()
{
    m_log.reset();
    m_torrents = std::make_unique<Torrents>();
    m_torrents->setSessionConfig(loopbackConfig());
    m_added.clear();
    m_finished.clear();
    m_paused.clear();
    m_resumed.clear();
    m_removed.clear();
    m_errors.clear();
    m_progress.clear();
    Torrents *torrents = m_torrents.get();
    connect(torrents, &Torrents::added, this, [this](const THash &id) { m_added.append(id); });
    connect(torrents, &Torrents::finished, this, [this](const THash &id) { m_finished.append(id); });
    connect(torrents, &Torrents::paused, this, [this](const THash &id) { m_paused.append(id); });
    connect(torrents, &Torrents::resumed, this, [this](const THash &id) { m_resumed.append(id); });
    connect(torrents, &Torrents::removed, this, [this](const THash &id) { m_removed.append(id); });
    connect(torrents, &Torrents::error, this, [this](const THash &id) { m_errors.append(id); });
    connect(torrents, &Torrents::progress_time, this,
            [this](const THash &id, float p, qlonglong total, qlonglong current, int) {
                m_progress.append({id, p, total, current});
            });
}

void TorrentsTest::cleanup()
{
    if (m_torrents)
        m_torrents->stop(QString());
    m_torrents.reset();
    SpeedLimit::instance().setBytesPerSecond(0);
}

bool TorrentsTest::startTorrents(const QString &statePath)
{
    return m_torrents->start(statePath) && m_torrents->session();
}

void TorrentsTest::addWithoutSessionFailsQuietly()
{
    QVERIFY(!m_torrents->add(scratch(QStringLiteral("early")), m_game, {m_nginx.url()}, {}));
    QVERIFY(!QFileInfo::exists(scratch(QStringLiteral("early"))));
    QVERIFY(startTorrents());
    m_torrents->stop(QString());
    QVERIFY(!m_torrents->session());
    QVERIFY(!m_torrents->add(scratch(QStringLiteral("late")), m_game, {m_nginx.url()}, {}));
    QCOMPARE(m_log.critTexts(), QStringList());
}

void TorrentsTest::addRejectsBadInput_data()
{
    QTest::addColumn<bool>("validTorrent");
    QTest::addColumn<bool>("validFolder");
    QTest::addColumn<QString>("line");
    QTest::newRow("not a torrent") << false << true << "failed to create torrent info: ";
    QTest::newRow("folder cannot be made") << true << false << "failed to create download path: ";
}

void TorrentsTest::addRejectsBadInput()
{
    QFETCH(bool, validTorrent);
    QFETCH(bool, validFolder);
    QFETCH(QString, line);
    QVERIFY(writeTorrentFile(scratch(QStringLiteral("plainfile")), "x"));
    const QString folder =
        validFolder ? scratch(QStringLiteral("bad-input")) : scratch(QStringLiteral("plainfile/below"));
    QVERIFY(startTorrents());

    QVERIFY(!m_torrents->add(folder, validTorrent ? m_game : QByteArray("d4:infoi1ee"), {m_nginx.url()}, {}));
    const QStringList logged = m_log.critTexts();
    QVERIFY2(!logged.isEmpty() && logged.last().startsWith(line), qPrintable(logged.join('\n')));
    if (validFolder) {
        QVERIFY(logged.last().contains(QRegularExpression(QStringLiteral(" code: \\d+$"))));
    } else {
        QCOMPARE(logged.last(), line + folder);
        QCOMPARE(logged.first(), QStringLiteral("makepath FAIL: ") + folder);
    }
    QTest::qWait(300);
    QVERIFY(m_added.isEmpty() && m_errors.isEmpty());
}

void TorrentsTest::downloadsWantedFilesFromWebSeed_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two of four")
        << QStringList({QStringLiteral("data/b.bin"), QStringLiteral("docs/readme.txt")})
        << QStringList({QStringLiteral("Game/data/b.bin"), QStringLiteral("Game/docs/readme.txt")});
    QTest::newRow("names are case-sensitive")
        << QStringList({QStringLiteral("data/c.bin"), QStringLiteral("DATA/B.BIN")})
        << QStringList({QStringLiteral("Game/data/c.bin")});
    QTest::newRow("every file") << QStringList()
                                << QStringList({QStringLiteral("Game/a.bin"),
                                                QStringLiteral("Game/data/b.bin"),
                                                QStringLiteral("Game/data/c.bin"),
                                                QStringLiteral("Game/docs/readme.txt")});
}

void TorrentsTest::downloadsWantedFilesFromWebSeed()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, expected);
    const QString folder = scratch(QStringLiteral("wanted-") + QTest::currentDataTag());
    QVERIFY(startTorrents());
    QVERIFY(m_torrents->add(folder, m_game, {m_nginx.url()}, wanted));
    const THash id = torrentId(m_game);
    QTRY_COMPARE(m_added, QList<THash>{id});
    QTRY_VERIFY_WITH_TIMEOUT(m_finished.contains(id), 15000);

    const lt::torrent_handle handle = m_torrents->session()->native().find(id);
    const std::shared_ptr<const lt::torrent_info> info = handle.torrent_file();
    const std::vector<lt::download_priority_t> priorities = handle.get_file_priorities();
    qint64 wantedBytes = 0;
    // Listed files at top priority, the others skipped; with no list, libtorrent's defaults.
    const lt::download_priority_t listedPriority = wanted.isEmpty() ? lt::default_priority : lt::top_priority;
    for (const lt::file_index_t index : info->files().file_range()) {
        if (info->files().pad_file_at(index))
            continue;
        const QString path = QString::fromStdString(info->files().file_path(index));
        const bool listed = expected.contains(path);
        QCOMPARE(priorities[static_cast<size_t>(static_cast<int>(index))],
                 listed ? listedPriority : lt::dont_download);
        wantedBytes += listed ? info->files().file_size(index) : 0;
    }

    m_torrents->session()->flushCache(id);
    QTRY_VERIFY(m_torrents->session()->status(id).complete());
    QStringList onDisk = filesBelow(folder);
    onDisk.removeAll(
        QStringLiteral(".%1.parts").arg(QString::fromLatin1(QByteArray::fromStdString(id).toHex())));
    QCOMPARE(onDisk, expected);
    for (const QString &file : expected)
        QVERIFY(waitFor(
            [&] { return readFileBytes(folder + '/' + file) == readFileBytes(m_sources + '/' + file); }));
    QCOMPARE(m_torrents->session()->status(id).wantedBytes, wantedBytes);
    QCOMPARE(m_errors, QList<THash>());
    QCOMPARE(m_log.critTexts(), QStringList());
}

void TorrentsTest::reportsProgressOnlyWhileActive()
{
    QVERIFY(startTorrents());
    QVERIFY(!m_torrents->reportsProgress());
    const QUrl slow = m_nginx.url(QStringLiteral("slow/"));
    QVERIFY(m_torrents->add(scratch(QStringLiteral("progress")), m_other, {slow}, {}));
    const THash id = torrentId(m_other);
    QTRY_VERIFY(m_torrents->isActive(id));
    QVERIFY(m_torrents->reportsProgress());

    QTRY_VERIFY_WITH_TIMEOUT(m_finished.contains(id), 15000);
    QVERIFY(!m_torrents->isActive(id));
    QVERIFY(!m_torrents->reportsProgress());
    // 256 KiB at 128 KiB/s: a few reports, twice a second, each for the wanted bytes.
    QVERIFY2(m_progress.size() >= 2, qPrintable(QString::number(m_progress.size())));
    for (const Progress &progress : m_progress) {
        QCOMPARE(progress.id, id);
        QCOMPARE(progress.total, qlonglong(256 * 1024));
        QVERIFY(progress.current >= 0 && progress.current <= progress.total);
        QVERIFY(progress.p >= 0.0f && progress.p <= 1.0f);
    }
    QVERIFY(m_progress.first().current < m_progress.first().total);
    const int reports = m_progress.size();
    QTest::qWait(1200);
    QCOMPARE(m_progress.size(), reports);
}

void TorrentsTest::sessionPauseAndResumeMoveTorrentsOutAndIn()
{
    QVERIFY(startTorrents());
    QVERIFY(m_torrents->add(scratch(QStringLiteral("paused")), m_game, {m_nginx.url(QStringLiteral("slow/"))},
                            {}));
    const THash id = torrentId(m_game);
    QTRY_VERIFY(m_torrents->isActive(id));
    // A torrent is added paused and started by libtorrent's queueing a moment later; only a running
    // torrent has a pause to report.
    QTRY_VERIFY(m_resumed.contains(id));
    m_resumed.clear();

    m_torrents->pauseSession();
    QTRY_VERIFY(m_paused.contains(id));
    QVERIFY(!m_torrents->isActive(id));
    QVERIFY(!m_torrents->reportsProgress());
    const int reports = m_progress.size();
    QTest::qWait(1100);
    QCOMPARE(m_progress.size(), reports);

    m_torrents->resumeSession();
    QTRY_VERIFY(m_resumed.contains(id));
    QVERIFY(m_torrents->isActive(id));
    QTRY_VERIFY(m_progress.size() > reports);

    m_torrents->removeAll();
    QTRY_COMPARE(m_removed, QList<THash>{id});
    QTRY_VERIFY(!m_torrents->reportsProgress());
    QVERIFY(m_finished.isEmpty());
}

// Both torrents are complete from the start, and the session's resume brings both back at once.
void TorrentsTest::oneFinishedPerTick()
{
    QVERIFY(startTorrents());
    QVERIFY(m_torrents->add(m_sources, m_game, {}, {}));
    QVERIFY(m_torrents->add(m_sources, m_other, {}, {}));
    const THash game = torrentId(m_game);
    const THash other = torrentId(m_other);
    QTRY_VERIFY(m_finished.contains(game) && m_finished.contains(other));
    QTRY_VERIFY(!m_torrents->reportsProgress());

    m_torrents->pauseSession();
    QTRY_VERIFY(m_paused.contains(game) && m_paused.contains(other));
    m_finished.clear();
    QElapsedTimer clock;
    QList<qint64> times;
    connect(m_torrents.get(), &Torrents::finished, this, [&] { times.append(clock.elapsed()); });
    clock.start();
    m_torrents->resumeSession();
    QTRY_VERIFY(m_resumed.contains(game) && m_resumed.contains(other));
    QTRY_COMPARE(m_finished.size(), 2);
    QVERIFY(m_finished.contains(game) && m_finished.contains(other));
    QVERIFY2(times.at(1) - times.at(0) >= 400, qPrintable(QString::number(times.at(1) - times.at(0))));
    QTRY_VERIFY(!m_torrents->reportsProgress());
}

void TorrentsTest::reemitsErrors()
{
    QVERIFY(startTorrents());
    const QString folder = scratch(QStringLiteral("file-error"));
    QVERIFY(writeRandomFile(folder + QStringLiteral("/Game"), 10, 26));
    QVERIFY(m_torrents->add(folder, m_game, {m_nginx.url()}, {}));
    QTRY_VERIFY_WITH_TIMEOUT(m_errors.contains(torrentId(m_game)), 15000);
    QVERIFY(m_log.critTexts().contains(QStringLiteral("Torrent error: can't write torrent file")));

    // An add that libtorrent itself refuses.
    m_errors.clear();
    lt::add_torrent_params duplicate;
    duplicate.ti = std::make_shared<lt::torrent_info>(lt::span<const char>(m_game.constData(), m_game.size()),
                                                      lt::from_span);
    duplicate.save_path = folder.toStdString();
    duplicate.flags |= lt::torrent_flags::duplicate_is_error;
    m_torrents->session()->native().session.async_add_torrent(std::move(duplicate));
    QTRY_COMPARE(m_errors, QList<THash>{THash()});
    QVERIFY(m_log.critTexts().contains(QStringLiteral("Torrent error: Add torrent failed")));
    QCOMPARE(m_added, QList<THash>{torrentId(m_game)});
}

// A port that cannot be opened costs the peers only: the web seeds still finish the download.
void TorrentsTest::listenFailureKeepsWebSeeds()
{
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::LocalHost, 0));
    m_torrents->setSessionConfig(loopbackConfig(occupant.serverPort(), 0, false));
    QVERIFY(startTorrents());
    const QString folder = scratch(QStringLiteral("no-port"));
    QVERIFY(m_torrents->add(folder, m_other, {m_nginx.url()}, {}));
    const THash id = torrentId(m_other);
    QTRY_VERIFY_WITH_TIMEOUT(m_finished.contains(id), 15000);
    m_torrents->session()->flushCache(id);
    QVERIFY(waitFor([&] {
        return readFileBytes(folder + QStringLiteral("/other.bin")) ==
               readFileBytes(m_sources + QStringLiteral("/other.bin"));
    }));
    QCOMPARE(m_errors, QList<THash>());
    QCOMPARE(m_log.critTexts(),
             QStringList({QStringLiteral("torrent.listen_on() failed: Address already in use code: 98"),
                          QStringLiteral("Torrent error: can't listen ports")}));
}

void TorrentsTest::downloadsFromPeers_data()
{
    QTest::addColumn<bool>("aria2");
    QTest::newRow("libtorrent session") << false;
    QTest::newRow("aria2c") << true;
}

void TorrentsTest::downloadsFromPeers()
{
    QFETCH(bool, aria2);
    const THash id = torrentId(m_game);
    std::shared_ptr<TorrentSession> seeder;
    Aria2Seeder aria2Seeder;
    quint16 seederPort = 0;
    if (aria2) {
        const QString torrentPath = scratch(QStringLiteral("game.torrent"));
        QVERIFY(writeTorrentFile(torrentPath, m_game));
        seederPort = freeLocalPort();
        QVERIFY(aria2Seeder.start(torrentPath, m_sources, seederPort));
    } else {
        seeder = TorrentSession::create(loopbackConfig(), QString());
        QVERIFY(seeder && seeder->checkListening());
        QCOMPARE(seeder->addTorrent(m_sources, m_game, {}), id);
        QVERIFY(waitFor([&] { return seeder->status(id).state == TorrentSession::Seeding; }));
        seederPort = seeder->listenPort();
    }

    QVERIFY(startTorrents());
    const QString folder = scratch(QStringLiteral("from-peer-") + QTest::currentDataTag());
    QVERIFY(m_torrents->add(folder, m_game, {}, {}));
    QTRY_VERIFY(m_added.contains(id));
    m_torrents->session()->connectPeer(id, QStringLiteral("127.0.0.1"), seederPort);
    QTRY_VERIFY_WITH_TIMEOUT(m_finished.contains(id), 30000);
    m_torrents->session()->flushCache(id);
    for (const QString &file : {QStringLiteral("Game/a.bin"), QStringLiteral("Game/data/c.bin")})
        QVERIFY(waitFor(
            [&] { return readFileBytes(folder + '/' + file) == readFileBytes(m_sources + '/' + file); }));
}

void TorrentsTest::stopWritesStateThatTheNextStartLoads()
{
    const QString path = scratch(QStringLiteral("state/Session.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(startTorrents());
    m_torrents->stop(QString());
    QCOMPARE(filesBelow(QFileInfo(path).path()), QStringList());

    QVERIFY(startTorrents());
    lt::settings_pack changed;
    changed.set_int(lt::settings_pack::active_seeds, 9);
    m_torrents->session()->native().session.apply_settings(changed);
    const std::shared_ptr<TorrentSession> stopped = m_torrents->session();
    m_torrents->stop(path);
    QVERIFY(stopped->isPaused());
    QVERIFY(!stopped->native().session.get_settings().get_bool(lt::settings_pack::enable_dht));
    QVERIFY(QFileInfo(path).size() > 0);

    Torrents next;
    next.setSessionConfig(loopbackConfig());
    QVERIFY(next.start(path));
    QCOMPARE(next.session()->native().session.get_settings().get_int(lt::settings_pack::active_seeds), 9);
    QVERIFY(!next.session()->isPaused());
    next.stop(QString());

    QVERIFY(writeTorrentFile(path, QByteArray(100, '\xff')));
    QVERIFY(next.start(path));
    QCOMPARE(m_log.critTexts(), QStringList());
}

// The recovery ends the session once its torrent is done, from inside the signal.
void TorrentsTest::stopFromAFinishedListener()
{
    QVERIFY(startTorrents());
    connect(m_torrents.get(), &Torrents::finished, this, [this] { m_torrents->stop(QString()); });
    QVERIFY(m_torrents->add(scratch(QStringLiteral("stop-inside")), m_other, {m_nginx.url()}, {}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_torrents->session(), 15000);
    QVERIFY(!m_torrents->reportsProgress());
    QTest::qWait(600);
}

// The recovery's session takes the player's limit when it starts and follows it while it runs
// (how a limited session downloads is tested with the session itself).
void TorrentsTest::sessionFollowsDownloadLimit()
{
    SpeedLimit::instance().setBytesPerSecond(512 * 1024);
    QVERIFY(startTorrents());
    auto limit = [this] {
        return m_torrents->session()->native().session.get_settings().get_int(
            lt::settings_pack::download_rate_limit);
    };
    QCOMPARE(limit(), 512 * 1024);
    SpeedLimit::instance().setBytesPerSecond(0);
    QVERIFY(waitFor([&] { return limit() == 0; }));
    SpeedLimit::instance().setBytesPerSecond(64 * 1024);
    QVERIFY(waitFor([&] { return limit() == 64 * 1024; }));
}

QTEST_GUILESS_MAIN(TorrentsTest)
#include "tst_torrents.moc"
