#include "net/speedlimit.h"
#include "net/torrentsession_p.h"
#include "net/torrentsessionstate.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <libtorrent/alert.hpp>
#include <libtorrent/bdecode.hpp>

#include <QNetworkProxy>
#include <QtTest>

using THash = TorrentSession::THash;

// The session wrapper that both torrent sessions of the launcher are built with: its settings, the
// proxy it copies, what it strips from torrents, its state file, and downloads on 127.0.0.1.
class TorrentSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingsFollowReach_data();
    void settingsFollowReach();
    void downloadLimitInSettings_data();
    void downloadLimitInSettings();
    void downloadLimitIsAppliedAndLifted_data();
    void downloadLimitIsAppliedAndLifted();
    void loopbackSwitchKeepsInternetSessionsOnLoopback();
    void proxyFollowsApplicationProxy_data();
    void proxyFollowsApplicationProxy();
    void webSeedsOnlyDownloadsWithoutListening();
    void sessionsWithoutPeersDropTheTorrentsOwnSources_data();
    void sessionsWithoutPeersDropTheTorrentsOwnSources();
    void reportsStatusAndFilePaths();
    void pausedTorrentStaysPaused();
    void addedTorrentIsNotQueued();
    void stateFileRoundTrip();
    void stateFileKeepsNoStaleProxy();
    void damagedStateIsIgnored_data();
    void damagedStateIsIgnored();
    void unwritableStateFileIsLogged_data();
    void unwritableStateFileIsLogged();

private:
    static lt::settings_pack settingsOf(const TorrentSession &session)
    {
        return session.native().session.get_settings();
    }

    QTemporaryDir m_root;
    QString m_sources;
    QByteArray m_game;
    NginxServer m_nginx;
    LogCapture m_log;
};

void TorrentSessionTest::initTestCase()
{
    m_sources = m_root.filePath(QStringLiteral("src"));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/a.bin"), 700 * 1024, 11));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/b.bin"), 300 * 1024, 12));
    m_game = makeTorrent(m_sources + QStringLiteral("/Game"), 64 * 1024);
    QVERIFY(!m_game.isEmpty());
    QVERIFY2(m_nginx.start(m_sources), qPrintable(m_nginx.errorLog()));
}

void TorrentSessionTest::init()
{
    m_log.reset();
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void TorrentSessionTest::cleanup()
{
    TorrentSession::setLoopbackOnly(false);
    SpeedLimit::instance().setBytesPerSecond(0);
}

void TorrentSessionTest::settingsFollowReach_data()
{
    QTest::addColumn<int>("reach");
    QTest::addColumn<QString>("interfaces");
    QTest::addColumn<bool>("discovery");
    QTest::newRow("internet") << int(TorrentSession::Reach::Internet) << "0.0.0.0:6969" << true;
    QTest::newRow("web seeds only") << int(TorrentSession::Reach::WebSeedsOnly) << "" << false;
    QTest::newRow("loopback") << int(TorrentSession::Reach::Loopback) << "127.0.0.1:6969" << false;
}

// Only the settings: an Internet session would reach beyond this machine.
void TorrentSessionTest::settingsFollowReach()
{
    QFETCH(int, reach);
    QFETCH(QString, interfaces);
    QFETCH(bool, discovery);
    TorrentSession::Config config;
    config.reach = static_cast<TorrentSession::Reach>(reach);
    lt::settings_pack pack;
    TorrentSession::Native::applySettings(pack, config, QNetworkProxy(QNetworkProxy::NoProxy));

    QCOMPARE(QString::fromStdString(pack.get_str(lt::settings_pack::listen_interfaces)), interfaces);
    QCOMPARE(pack.get_int(lt::settings_pack::max_retry_port_bind), 3030);
    QCOMPARE(pack.get_bool(lt::settings_pack::listen_system_port_fallback), true);
    QCOMPARE(pack.get_bool(lt::settings_pack::enable_dht), discovery);
    QCOMPARE(pack.get_bool(lt::settings_pack::enable_lsd), discovery);
    QCOMPARE(pack.get_bool(lt::settings_pack::enable_upnp), discovery);
    QCOMPARE(pack.get_bool(lt::settings_pack::enable_natpmp), discovery);
    const lt::alert_category_t mask(static_cast<std::uint32_t>(pack.get_int(lt::settings_pack::alert_mask)));
    const lt::alert_category_t needed =
        lt::alert_category::error | lt::alert_category::status | lt::alert_category::storage;
    QVERIFY((mask & needed) == needed);
    // Web seeds are connected, and bandwidth handed out, on libtorrent's tick.
    QCOMPARE(pack.get_int(lt::settings_pack::tick_interval), 100);
}

void TorrentSessionTest::downloadLimitInSettings_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("expected");
    QTest::newRow("unlimited") << qint64(0) << 0;
    QTest::newRow("1 MiB/s") << qint64(1024 * 1024) << 1024 * 1024;
    QTest::newRow("beyond what libtorrent holds")
        << qint64(8) * 1024 * 1024 * 1024 << std::numeric_limits<int>::max();
}

// At creation, and followed while the session runs; a limit kept in a saved state never outlives
// the player's choice.
void TorrentSessionTest::downloadLimitInSettings()
{
    QFETCH(qint64, limit);
    QFETCH(int, expected);
    const QString path = m_root.filePath(QStringLiteral("limit-Session.conf"));
    SpeedLimit::instance().setBytesPerSecond(12345);
    QVERIFY(TorrentSession::create(loopbackConfig(), QString())->saveState(path));

    SpeedLimit::instance().setBytesPerSecond(limit);
    const std::shared_ptr<TorrentSession> created = TorrentSession::create(loopbackConfig(), path);
    QVERIFY(created);
    QCOMPARE(settingsOf(*created).get_int(lt::settings_pack::download_rate_limit), expected);

    SpeedLimit::instance().setBytesPerSecond(0);
    const std::shared_ptr<TorrentSession> running = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(running);
    SpeedLimit::instance().setBytesPerSecond(limit);
    QVERIFY(waitFor([&] {
        return settingsOf(*created).get_int(lt::settings_pack::download_rate_limit) == expected &&
               settingsOf(*running).get_int(lt::settings_pack::download_rate_limit) == expected;
    }));
}

void TorrentSessionTest::downloadLimitIsAppliedAndLifted_data()
{
    QTest::addColumn<bool>("atCreation");
    QTest::newRow("set before the session starts") << true;
    QTest::newRow("set while it runs") << false;
}

// A web seed on 127.0.0.1 is held to the limit like any other source, and the download goes on
// unlimited once the player lifts it. Only "not far above the limit" is asserted: a busy machine
// may make it slower, never faster.
void TorrentSessionTest::downloadLimitIsAppliedAndLifted()
{
    QFETCH(bool, atCreation);
    const qint64 limit = 2 * 1024 * 1024;
    const qint64 size = 32 * 1024 * 1024;
    const QString sources = m_root.filePath(QStringLiteral("limited"));
    // Two files: a torrent of one file has no top folder for the web seed's URL.
    QVERIFY(QFileInfo::exists(sources + QStringLiteral("/Big/big.bin")) ||
            (writeRandomFile(sources + QStringLiteral("/Big/big.bin"), size, 21) &&
             writeRandomFile(sources + QStringLiteral("/Big/small.bin"), 1024, 22)));
    const QByteArray torrent = makeTorrent(sources + QStringLiteral("/Big"), 256 * 1024);
    NginxServer nginx;
    QVERIFY2(nginx.start(sources), qPrintable(nginx.errorLog()));

    if (atCreation)
        SpeedLimit::instance().setBytesPerSecond(limit);
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    if (!atCreation)
        SpeedLimit::instance().setBytesPerSecond(limit);
    QVERIFY(waitFor(
        [&] { return settingsOf(*session).get_int(lt::settings_pack::download_rate_limit) == limit; }));

    const QString download =
        m_root.filePath(atCreation ? QStringLiteral("limit-a") : QStringLiteral("limit-b"));
    QElapsedTimer clock;
    clock.start();
    const THash id = session->addTorrent(download, torrent, {nginx.url()});
    QVERIFY(!id.empty());
    QVERIFY(waitFor([&] { return session->status(id).downloadedBytes >= 6 * 1024 * 1024; }, 60000));
    const qint64 downloaded = session->status(id).downloadedBytes;
    // libtorrent lets unused quota pile up for a few seconds before the web seed connects.
    const double allowedSeconds = double(clock.elapsed()) / 1000.0 + 3.0;
    QVERIFY2(double(downloaded) <= 1.25 * double(limit) * allowedSeconds,
             qPrintable(QStringLiteral("%1 bytes in %2 ms").arg(downloaded).arg(clock.elapsed())));
    QVERIFY(!session->status(id).complete());

    SpeedLimit::instance().setBytesPerSecond(0);
    QVERIFY(
        waitFor([&] { return settingsOf(*session).get_int(lt::settings_pack::download_rate_limit) == 0; }));
    QVERIFY(waitFor([&] { return session->status(id).complete(); }, 120000));
    QVERIFY(waitFor([&] {
        return readFileBytes(download + QStringLiteral("/Big/big.bin")) ==
               readFileBytes(sources + QStringLiteral("/Big/big.bin"));
    }));
}

void TorrentSessionTest::loopbackSwitchKeepsInternetSessionsOnLoopback()
{
    TorrentSession::setLoopbackOnly(true);
    const std::shared_ptr<TorrentSession> session =
        TorrentSession::create(TorrentSession::Config(), QString());
    QVERIFY(session);
    QVERIFY(session->config().reach == TorrentSession::Reach::Loopback);
    const lt::settings_pack settings = settingsOf(*session);
    QCOMPARE(settings.get_str(lt::settings_pack::listen_interfaces), std::string("127.0.0.1:6969"));
    QVERIFY(!settings.get_bool(lt::settings_pack::enable_dht));
    QVERIFY(!settings.get_bool(lt::settings_pack::enable_lsd));
    QVERIFY(!settings.get_bool(lt::settings_pack::enable_upnp));
    QVERIFY(!settings.get_bool(lt::settings_pack::enable_natpmp));
    QVERIFY(session->checkListening());
    QVERIFY(session->listenPort() >= 6969 && session->listenPort() <= 9999);
}

void TorrentSessionTest::proxyFollowsApplicationProxy_data()
{
    QTest::addColumn<int>("qtType");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("type");
    QTest::newRow("no proxy") << int(QNetworkProxy::NoProxy) << ""
                              << "" << int(lt::settings_pack::none);
    QTest::newRow("never set") << int(QNetworkProxy::DefaultProxy) << ""
                               << "" << int(lt::settings_pack::none);
    QTest::newRow("socks5") << int(QNetworkProxy::Socks5Proxy) << "127.0.0.1"
                            << "" << int(lt::settings_pack::socks5);
    QTest::newRow("socks5 with user") << int(QNetworkProxy::Socks5Proxy) << "127.0.0.1"
                                      << "player" << int(lt::settings_pack::socks5_pw);
    QTest::newRow("http") << int(QNetworkProxy::HttpProxy) << "127.0.0.1"
                          << "" << int(lt::settings_pack::http);
    QTest::newRow("http with user") << int(QNetworkProxy::HttpProxy) << "127.0.0.1"
                                    << "player" << int(lt::settings_pack::http_pw);
    QTest::newRow("user without host") << int(QNetworkProxy::Socks5Proxy) << ""
                                       << "player" << int(lt::settings_pack::none);
}

void TorrentSessionTest::proxyFollowsApplicationProxy()
{
    QFETCH(int, qtType);
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(int, type);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(static_cast<QNetworkProxy::ProxyType>(qtType), host,
                                                     1080, user, QStringLiteral("secret")));
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    const lt::settings_pack settings = settingsOf(*session);
    QCOMPARE(settings.get_int(lt::settings_pack::proxy_type), type);
    const bool used = type != lt::settings_pack::none;
    const bool withUser = type == lt::settings_pack::socks5_pw || type == lt::settings_pack::http_pw;
    QCOMPARE(QString::fromStdString(settings.get_str(lt::settings_pack::proxy_hostname)),
             used ? host : QString());
    QCOMPARE(settings.get_int(lt::settings_pack::proxy_port), used ? 1080 : 0);
    QCOMPARE(QString::fromStdString(settings.get_str(lt::settings_pack::proxy_username)),
             withUser ? user : QString());
    QCOMPARE(QString::fromStdString(settings.get_str(lt::settings_pack::proxy_password)),
             withUser ? QStringLiteral("secret") : QString());
    QVERIFY(settings.get_bool(lt::settings_pack::proxy_peer_connections));
    QVERIFY(settings.get_bool(lt::settings_pack::proxy_hostnames));
}

void TorrentSessionTest::webSeedsOnlyDownloadsWithoutListening()
{
    TorrentSession::Config config;
    config.reach = TorrentSession::Reach::WebSeedsOnly;
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(config, QString());
    QVERIFY(session);
    QVERIFY(!session->native().session.is_listening());
    QVERIFY(session->checkListening());

    const QString download = m_root.filePath(QStringLiteral("webseedsonly"));
    const THash id = session->addTorrent(download, m_game, {m_nginx.url()});
    QCOMPARE(id, torrentId(m_game));
    QVERIFY(waitFor([&] { return session->status(id).complete(); }));
    QVERIFY(waitFor([&] {
        return readFileBytes(download + QStringLiteral("/Game/a.bin")) ==
               readFileBytes(m_sources + QStringLiteral("/Game/a.bin"));
    }));
    QCOMPARE(m_log.critTexts(), QStringList());
}

void TorrentSessionTest::sessionsWithoutPeersDropTheTorrentsOwnSources_data()
{
    QTest::addColumn<int>("reach");
    QTest::addColumn<QStringList>("webSeeds");
    const QString given = QStringLiteral("http://127.0.0.1:9/given/");
    const QString embedded = QStringLiteral("http://127.0.0.1:9/embedded/");
    QTest::newRow("web seeds only") << int(TorrentSession::Reach::WebSeedsOnly)
                                    << QStringList({embedded, given});
    QTest::newRow("loopback") << int(TorrentSession::Reach::Loopback) << QStringList({given});
}

void TorrentSessionTest::sessionsWithoutPeersDropTheTorrentsOwnSources()
{
    QFETCH(int, reach);
    QFETCH(QStringList, webSeeds);
    const QByteArray torrent = makeTorrent(m_sources + QStringLiteral("/Game"), 64 * 1024,
                                           {QStringLiteral("http://127.0.0.1:9/announce")},
                                           {QStringLiteral("http://127.0.0.1:9/embedded/")});
    TorrentSession::Config config = loopbackConfig();
    config.reach = static_cast<TorrentSession::Reach>(reach);
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(config, QString());
    QVERIFY(session);
    const THash id = session->addTorrent(m_root.filePath(QStringLiteral("sources")), torrent,
                                         {QUrl(QStringLiteral("http://127.0.0.1:9/given/"))});
    QVERIFY(!id.empty());
    const lt::torrent_handle handle = session->native().find(id);
    QVERIFY(handle.trackers().empty());
    QStringList seeds;
    for (const std::string &seed : handle.url_seeds())
        seeds.append(QString::fromStdString(seed));
    seeds.sort();
    QCOMPARE(seeds, webSeeds);
}

void TorrentSessionTest::reportsStatusAndFilePaths()
{
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    QVERIFY(!session->status(torrentId(m_game)).valid);
    QVERIFY(!session->contains(torrentId(m_game)));
    QVERIFY(!session->hasTorrents());

    const THash id = session->addTorrent(m_sources, m_game, {});
    QVERIFY(waitFor([&] { return session->status(id).state == TorrentSession::Seeding; }));
    const TorrentSession::Status status = session->status(id);
    QVERIFY(status.valid && status.complete() && !status.paused);
    QCOMPARE(status.progress, 1.0f);
    QCOMPARE(status.wantedBytes, qint64((700 + 300) * 1024));
    QCOMPARE(status.wantedBytesDone, status.wantedBytes);
    QVERIFY(session->contains(id));
    QVERIFY(session->hasTorrents());
    QCOMPARE(session->torrents(), QList<THash>{id});
    QCOMPARE(session->filePath(id, 0), QStringLiteral("Game/a.bin"));
    QCOMPARE(session->filePath(id, -1), QString());
    QCOMPARE(session->filePath(id, 1000), QString());
    QCOMPARE(session->filePath(THash(20, 'x'), 0), QString());

    session->removeAll();
    QVERIFY(waitFor([&] { return !session->hasTorrents(); }));
    QVERIFY(!session->status(id).valid);
    QVERIFY(QFileInfo::exists(m_sources + QStringLiteral("/Game/a.bin")));
}

// libtorrent's automatic queueing resumes a paused auto-managed torrent about a second later.
void TorrentSessionTest::pausedTorrentStaysPaused()
{
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    const THash id = session->addTorrent(m_sources, m_game, {});
    QVERIFY(waitFor([&] { return session->status(id).state == TorrentSession::Seeding; }));
    session->pauseTorrent(id);
    QVERIFY(waitFor([&] { return session->status(id).paused; }));
    QTest::qWait(2500);
    QVERIFY(session->status(id).paused);
    session->resumeTorrent(id);
    QVERIFY(waitFor([&] { return !session->status(id).paused; }));
}

// The update waits for its torrent: neither libtorrent's queue nor a torrent stuck before it holds
// it back.
void TorrentSessionTest::addedTorrentIsNotQueued()
{
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    lt::settings_pack queue;
    queue.set_int(lt::settings_pack::active_downloads, 1);
    queue.set_int(lt::settings_pack::active_limit, 1);
    queue.set_bool(lt::settings_pack::dont_count_slow_torrents, false);
    session->native().session.apply_settings(std::move(queue));

    const QByteArray stuck = makeTorrent(m_sources + QStringLiteral("/Game/data"), 64 * 1024);
    const THash stuckId = session->addTorrent(m_root.filePath(QStringLiteral("stuck")), stuck,
                                              {QUrl(QStringLiteral("http://127.0.0.1:9/"))});
    QVERIFY(!stuckId.empty());
    const QString download = m_root.filePath(QStringLiteral("unqueued"));
    const THash id = session->addTorrent(download, m_game, {m_nginx.url()});
    QVERIFY(!id.empty());
    QVERIFY(!session->status(id).paused);
    QVERIFY(waitFor([&] { return session->status(id).complete(); }));
    QVERIFY(!session->status(stuckId).complete());
    QCOMPARE(readFileBytes(download + QStringLiteral("/Game/a.bin")),
             readFileBytes(m_sources + QStringLiteral("/Game/a.bin")));
}

void TorrentSessionTest::stateFileRoundTrip()
{
    const QString path = m_root.filePath(QStringLiteral("roundtrip/Session.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    // A copy left readable by everyone must not stay so.
    QVERIFY(writeTorrentFile(path, "old"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ReadOther));
    {
        const std::shared_ptr<TorrentSession> first = TorrentSession::create(loopbackConfig(), QString());
        QVERIFY(first);
        lt::settings_pack changed;
        changed.set_int(lt::settings_pack::active_downloads, 7);
        changed.set_str(lt::settings_pack::listen_interfaces, "127.0.0.1:0");
        first->native().session.apply_settings(changed);
        QVERIFY(first->saveState(path));
    }
    // Replaced in one step: nothing of the write is left beside it.
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Session.conf"});
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    QVERIFY(permissions & QFileDevice::ReadOwner);
    QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                             QFileDevice::WriteOther)));
    const QByteArray state = TorrentSessionState::read(path);
    lt::error_code error;
    const lt::bdecode_node root = lt::bdecode({state.constData(), state.size()}, error);
    QVERIFY(!error);
    QCOMPARE(root.dict_find_dict("settings").dict_find_int_value("active_downloads"), 7);

    // Loaded, except what the new session decides for itself.
    const std::shared_ptr<TorrentSession> second = TorrentSession::create(loopbackConfig(), path);
    QVERIFY(second);
    const lt::settings_pack settings = settingsOf(*second);
    QCOMPARE(settings.get_int(lt::settings_pack::active_downloads), 7);
    QCOMPARE(settings.get_str(lt::settings_pack::listen_interfaces), std::string("127.0.0.1:6969"));
    QVERIFY(second->checkListening());
}

void TorrentSessionTest::stateFileKeepsNoStaleProxy()
{
    const QString path = m_root.filePath(QStringLiteral("proxy-Session.conf"));
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::Socks5Proxy, QStringLiteral("127.0.0.1"),
                                                     1080, QStringLiteral("player"),
                                                     QStringLiteral("secret")));
    QVERIFY(TorrentSession::create(loopbackConfig(), QString())->saveState(path));
    QVERIFY(TorrentSessionState::read(path).contains("secret"));

    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), path);
    QVERIFY(session);
    QCOMPARE(settingsOf(*session).get_int(lt::settings_pack::proxy_type), int(lt::settings_pack::none));
    QVERIFY(session->saveState(path));
    QVERIFY(!TorrentSessionState::read(path).contains("secret"));
}

void TorrentSessionTest::damagedStateIsIgnored_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray garbage(4096, Qt::Uninitialized);
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919) % 251);
    QTest::newRow("garbage") << garbage;
    QTest::newRow("cut short") << QByteArray("d8:settingsd16:active_downloadsi7e");
    QTest::newRow("not a dictionary") << QByteArray("i42e");
    QTest::newRow("wrong types inside") << QByteArray("d8:settingsi1e9:dht statel3:xyzee");
    QTest::newRow("empty") << QByteArray();
}

void TorrentSessionTest::damagedStateIsIgnored()
{
    QFETCH(QByteArray, content);
    const QString path = m_root.filePath(QStringLiteral("damaged-Session.conf"));
    QVERIFY(writeTorrentFile(path, content));
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), path);
    QVERIFY(session);
    QVERIFY(session->checkListening());
    QCOMPARE(settingsOf(*session).get_int(lt::settings_pack::active_downloads),
             lt::default_settings().get_int(lt::settings_pack::active_downloads));
    QCOMPARE(m_log.critTexts(), QStringList());
}

void TorrentSessionTest::unwritableStateFileIsLogged_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::newRow("a file where its folder should be") << "folder";
    QTest::newRow("a folder where it should be") << "file";
}

void TorrentSessionTest::unwritableStateFileIsLogged()
{
    QFETCH(QString, blocked);
    const QString folder = m_root.filePath(QStringLiteral("blocked-") + blocked);
    QString path = folder + QStringLiteral("/Session.conf");
    if (blocked == QLatin1String("folder")) {
        QVERIFY(writeTorrentFile(folder, "file"));
    } else {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(writeTorrentFile(path + QStringLiteral("/kept"), "kept"));
    }
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(session);
    QVERIFY(!session->saveState(path));
    QCOMPARE(m_log.critTexts(),
             QStringList{QStringLiteral("failed to open torrent session file for writing: ") + path});
    // A failed write leaves nothing of itself behind, and what was there as it was.
    if (blocked == QLatin1String("file")) {
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Session.conf"});
        QCOMPARE(QDir(path).entryList(QDir::Files), QStringList{"kept"});
    }
}

QTEST_GUILESS_MAIN(TorrentSessionTest)
#include "tst_torrentsession.moc"
