#include "net/alertwaiter.h"
#include "net/torrentalerts.h"
#include "net/torrentsession_p.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <libtorrent/add_torrent_params.hpp>
#include <libtorrent/torrent_info.hpp>

#include <QMetaMethod>
#include <QTcpServer>
#include <QThread>
#include <QtTest>

#include <atomic>

using THash = TorrentAlerts::THash;

// The alert pump against real sessions on 127.0.0.1: every alert the launcher handles that can be
// provoked there, and the waiter built on the pump's signals.
class TorrentAlertsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signalsTheLifeOfATorrent();
    void stateChangeToSeedingSignalsFinished();
    void handlesEveryAlertOfOneDrainInOrder();
    void failedAddSignalsErrorWithoutAdded();
    void fileErrorSignalsError();
    void listenFailureIsOnlyLogged();
    void removalWithFilesSignalsFilesDeleted();
    void logsLibtorrentFailures_data();
    void logsLibtorrentFailures();

    void notifiersFollowDeclarationOrder_data();
    void notifiersFollowDeclarationOrder();
    void waiterIgnoresOtherTorrents();
    void waitReturnsAtOnceWhenAlreadyDone();
    void waitReturnsAtOnceAfterTheSignalCame();
    void waitsForAPumpInAnotherThread_data();
    void waitsForAPumpInAnotherThread();

private:
    struct Event
    {
        int signal;
        THash id;
    };

    int count(int signal, const THash &id) const;
    bool signalsAfter(const std::function<void()> &action, int signal, const THash &id);
    QList<int> signalsOf(const THash &id) const;
    // Empty when the torrent does not reach seeding.
    THash addSeeding(const QByteArray &torrent);
    lt::torrent_handle handleOf(const THash &id) const { return m_session->native().find(id); }
    lt::add_torrent_params paramsFor(const QByteArray &torrent, const QString &savePath) const;

    QTemporaryDir m_root;
    NginxServer m_nginx;
    LogCapture m_log;
    QByteArray m_game;
    QByteArray m_other;
    QString m_sources;
    std::shared_ptr<TorrentSession> m_session;
    std::unique_ptr<TorrentAlerts> m_alerts;
    QList<Event> m_events;
};

void TorrentAlertsTest::initTestCase()
{
    m_sources = m_root.filePath(QStringLiteral("src"));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/a.bin"), 512 * 1024, 1));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/b.bin"), 256 * 1024 + 1000, 2));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/c.bin"), 300 * 1024, 3));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/other.bin"), 128 * 1024, 4));
    m_game = makeTorrent(m_sources + QStringLiteral("/Game"), 64 * 1024);
    m_other = makeTorrent(m_sources + QStringLiteral("/other.bin"), 64 * 1024);
    QVERIFY(!m_game.isEmpty() && !m_other.isEmpty());
    QVERIFY2(m_nginx.start(m_sources), qPrintable(m_nginx.errorLog()));
}

void TorrentAlertsTest::init()
{
    m_log.reset();
    m_events.clear();
    m_session = TorrentSession::create(loopbackConfig(), QString());
    QVERIFY(m_session);
    m_alerts = std::make_unique<TorrentAlerts>(m_session);
    for (int signal = TorrentAlerts::Finished; signal <= TorrentAlerts::FilesDeleted; ++signal) {
        connect(m_alerts.get(), TorrentAlerts::notifier(signal), this, [this, signal](const THash &id) {
            m_events.append({signal, id});
        });
    }
}

void TorrentAlertsTest::cleanup()
{
    m_alerts.reset();
    m_session.reset();
}

int TorrentAlertsTest::count(int signal, const THash &id) const
{
    return static_cast<int>(std::count_if(m_events.cbegin(), m_events.cend(), [&](const Event &event) {
        return event.signal == signal && event.id == id;
    }));
}

bool TorrentAlertsTest::signalsAfter(const std::function<void()> &action, int signal, const THash &id)
{
    const int before = count(signal, id);
    action();
    return waitFor([&] { return count(signal, id) == before + 1; });
}

QList<int> TorrentAlertsTest::signalsOf(const THash &id) const
{
    QList<int> seen;
    for (const Event &event : m_events) {
        if (event.id == id)
            seen.append(event.signal);
    }
    return seen;
}

THash TorrentAlertsTest::addSeeding(const QByteArray &torrent)
{
    const THash id = m_session->addTorrent(m_sources, torrent, {});
    if (!waitFor([&] { return m_session->status(id).state == TorrentSession::Seeding; }))
        return THash();
    return id;
}

lt::add_torrent_params TorrentAlertsTest::paramsFor(const QByteArray &torrent, const QString &savePath) const
{
    lt::add_torrent_params params;
    params.ti = std::make_shared<lt::torrent_info>(lt::span<const char>(torrent.constData(), torrent.size()),
                                                   lt::from_span);
    params.save_path = savePath.toStdString();
    return params;
}

void TorrentAlertsTest::signalsTheLifeOfATorrent()
{
    const QString download = m_root.filePath(QStringLiteral("life"));
    const THash id = m_session->addTorrent(download, m_game, {m_nginx.url()});
    QCOMPARE(id, torrentId(m_game));
    QCOMPARE(id.size(), size_t(20));

    QTRY_VERIFY_WITH_TIMEOUT(count(TorrentAlerts::Finished, id) > 0, 15000);
    QVERIFY(count(TorrentAlerts::Added, id) == 1);
    QVERIFY(count(TorrentAlerts::Checked, id) == 1);
    QVERIFY(signalsOf(id).indexOf(TorrentAlerts::Added) < signalsOf(id).indexOf(TorrentAlerts::Finished));
    QCOMPARE(readFileBytes(download + QStringLiteral("/Game/data/b.bin")),
             readFileBytes(m_sources + QStringLiteral("/Game/data/b.bin")));

    // libtorrent pauses, resumes and flushes on its own too: each call must add its own signal.
    QVERIFY(signalsAfter([&] { m_session->flushCache(id); }, TorrentAlerts::Flushed, id));
    QVERIFY(signalsAfter([&] { m_session->pauseTorrent(id); }, TorrentAlerts::Paused, id));
    QVERIFY(signalsAfter([&] { m_session->resumeTorrent(id); }, TorrentAlerts::Resumed, id));
    QVERIFY(signalsAfter([&] { m_session->removeAll(); }, TorrentAlerts::Removed, id));
    QCOMPARE(count(TorrentAlerts::Error, THash()), 0);
    QCOMPARE(m_log.critTexts(), QStringList());
}

void TorrentAlertsTest::stateChangeToSeedingSignalsFinished()
{
    // Complete on disk: checking leads straight to seeding, and only the state change tells.
    const THash id = m_session->addTorrent(m_sources, m_game, {});
    QTRY_VERIFY_WITH_TIMEOUT(count(TorrentAlerts::Finished, id) > 0, 15000);
    QCOMPARE(m_session->status(id).state, int(TorrentSession::Seeding));
}

void TorrentAlertsTest::handlesEveryAlertOfOneDrainInOrder()
{
    const THash id = addSeeding(m_game);
    QVERIFY(!id.empty());
    QTRY_VERIFY(count(TorrentAlerts::Finished, id) > 0);
    // Seeding is told twice (state change and finished alert): the second may still be queued on a
    // busy machine, and must not count among the drain below.
    QTest::qWait(500);
    m_alerts->readAlerts();
    m_events.clear();

    // No event processing in between: the alerts wait in the session's queue. libtorrent posts the
    // paused alert once the disk has let go of the torrent, so each step gets time to post its own.
    m_session->pauseTorrent(id);
    QThread::msleep(300);
    m_session->resumeTorrent(id);
    QThread::msleep(300);
    m_session->flushCache(id);
    QThread::msleep(300);
    m_alerts->readAlerts();
    const QList<int> expected = {TorrentAlerts::Paused, TorrentAlerts::Resumed, TorrentAlerts::Flushed};
    QCOMPARE(signalsOf(id), expected);

    // The callback's queued call finds nothing left.
    QTest::qWait(100);
    QCOMPARE(signalsOf(id), expected);
}

void TorrentAlertsTest::failedAddSignalsErrorWithoutAdded()
{
    const THash id = addSeeding(m_game);
    QVERIFY(!id.empty());
    QTRY_COMPARE(count(TorrentAlerts::Added, id), 1);

    lt::add_torrent_params duplicate = paramsFor(m_game, m_sources);
    duplicate.flags |= lt::torrent_flags::duplicate_is_error;
    m_session->native().session.async_add_torrent(std::move(duplicate));

    QTRY_COMPARE(count(TorrentAlerts::Error, THash()), 1);
    QCOMPARE(count(TorrentAlerts::Added, id), 1);
    QCOMPARE(m_log.critTexts(), QStringList{QStringLiteral("Torrent error: Add torrent failed")});
}

void TorrentAlertsTest::fileErrorSignalsError()
{
    // The torrent's top folder cannot be created: a plain file holds its name.
    const QString download = m_root.filePath(QStringLiteral("blocked"));
    QVERIFY(writeRandomFile(download + QStringLiteral("/Game"), 10, 5));
    const THash id = m_session->addTorrent(download, m_game, {m_nginx.url()});
    QVERIFY(!id.empty());

    // Named by the torrent, so that a download waiting for it can end at once.
    QTRY_VERIFY_WITH_TIMEOUT(count(TorrentAlerts::Error, id) > 0, 15000);
    QVERIFY(m_log.critTexts().contains(QStringLiteral("Torrent error: can't write torrent file")));
}

void TorrentAlertsTest::listenFailureIsOnlyLogged()
{
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::LocalHost, 0));
    cleanup();
    m_session = TorrentSession::create(loopbackConfig(occupant.serverPort(), 0, false), QString());
    QVERIFY(m_session);
    TorrentAlerts alerts(m_session);
    QSignalSpy errors(&alerts, &TorrentAlerts::error);

    QVERIFY(!m_session->checkListening());
    QTRY_COMPARE(m_log.critTexts(),
                 QStringList({QStringLiteral("torrent.listen_on() failed: Address already in use code: 98"),
                              QStringLiteral("Torrent error: can't listen ports")}));
    QCOMPARE(errors.count(), 0);
}

void TorrentAlertsTest::removalWithFilesSignalsFilesDeleted()
{
    const QString download = m_root.filePath(QStringLiteral("deleted"));
    const THash id = m_session->addTorrent(download, m_game, {m_nginx.url()});
    QTRY_VERIFY_WITH_TIMEOUT(count(TorrentAlerts::Finished, id) > 0, 15000);

    m_session->native().session.remove_torrent(handleOf(id), lt::session::delete_files);
    QTRY_COMPARE(count(TorrentAlerts::FilesDeleted, id), 1);
    QCOMPARE(count(TorrentAlerts::Removed, id), 1);
    QVERIFY(!QFileInfo::exists(download + QStringLiteral("/Game/a.bin")));
}

// Failures that only log, each provoked through libtorrent on 127.0.0.1.
void TorrentAlertsTest::logsLibtorrentFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("line");
    QTest::newRow("tracker answers 404") << "tracker"
                                         << "Torrent error: tracker return not 200 OK code";
    QTest::newRow("storage cannot move") << "move"
                                         << "Torrent error: storage moved failed";
    QTest::newRow("files cannot be removed") << "delete"
                                             << "Torrent error: can't remove torrent files";
    QTest::newRow("resume data not needed") << "resume"
                                            << "Torrent error: save resume data failed";
    QTest::newRow("resume data does not match") << "fastresume"
                                                << "Torrent error: fast resume file rejected";
    QTest::newRow("web seed on loopback with a query") << "blocked"
                                                       << "Torrent error: peer baned";
}

void TorrentAlertsTest::logsLibtorrentFailures()
{
    QFETCH(QString, failure);
    QFETCH(QString, line);
    const QString scratch = m_root.filePath(QStringLiteral("failure-") + failure);
    QVERIFY(QDir().mkpath(scratch));
    lt::session &session = m_session->native().session;

    if (failure == QLatin1String("tracker")) {
        const THash id = addSeeding(m_game);
        QVERIFY(!id.empty());
        QVERIFY(!id.empty());
        handleOf(id).add_tracker(
            lt::announce_entry(m_nginx.url(QStringLiteral("announce")).toString().toStdString()));
        handleOf(id).force_reannounce();
    } else if (failure == QLatin1String("move")) {
        const THash id = addSeeding(m_game);
        QVERIFY(!id.empty());
        QVERIFY(!id.empty());
        QVERIFY(writeRandomFile(scratch + QStringLiteral("/file"), 10, 6));
        handleOf(id).move_storage((scratch + QStringLiteral("/file/below")).toStdString());
    } else if (failure == QLatin1String("delete")) {
        // A folder where the torrent's file should be cannot be deleted as a file.
        QVERIFY(QDir().mkpath(scratch + QStringLiteral("/other.bin/inside")));
        const THash id = m_session->addTorrent(scratch, m_other, {});
        QTRY_COMPARE(count(TorrentAlerts::Added, id), 1);
        session.remove_torrent(handleOf(id), lt::session::delete_files);
    } else if (failure == QLatin1String("resume")) {
        const THash id = addSeeding(m_game);
        QVERIFY(!id.empty());
        QVERIFY(!id.empty());
        QTRY_VERIFY(count(TorrentAlerts::Finished, id) > 0);
        handleOf(id).save_resume_data(lt::torrent_handle::only_if_modified);
        handleOf(id).save_resume_data(lt::torrent_handle::only_if_modified);
    } else if (failure == QLatin1String("fastresume")) {
        // Resume data claims every piece, but nothing is on disk.
        lt::add_torrent_params params = paramsFor(m_other, scratch);
        params.have_pieces.resize(params.ti->num_pieces(), true);
        params.flags &= ~lt::torrent_flags::paused;
        session.async_add_torrent(std::move(params));
    } else if (failure == QLatin1String("blocked")) {
        QUrl seed = m_nginx.url();
        seed.setQuery(QStringLiteral("key=1"));
        m_session->addTorrent(scratch, m_other, {seed});
    }
    QTRY_VERIFY2_WITH_TIMEOUT(m_log.critTexts().contains(line), qPrintable(m_log.critTexts().join('\n')),
                              15000);
}

void TorrentAlertsTest::notifiersFollowDeclarationOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    const QList<QByteArray> names = {"finished", "paused",  "resumed", "flushed",      "checked",
                                     "added",    "removed", "error",   "files_deleted"};
    for (int index = 0; index < names.size(); ++index)
        QTest::addRow("%d", index) << index << names.at(index);
    QTest::newRow("negative means finished") << -1 << QByteArray("finished");
    QTest::newRow("past the end means finished") << 9 << QByteArray("finished");
}

void TorrentAlertsTest::notifiersFollowDeclarationOrder()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QCOMPARE(QMetaMethod::fromSignal(TorrentAlerts::notifier(index)).name(), name);
    if (index >= 0 && index <= TorrentAlerts::FilesDeleted) {
        const QMetaObject &meta = TorrentAlerts::staticMetaObject;
        const QMetaMethod declared = meta.method(meta.methodOffset() + index);
        QCOMPARE(declared.name(), name);
        QCOMPARE(declared.parameterTypes(), QList<QByteArray>{"TorrentAlerts::THash"});
    }
}

void TorrentAlertsTest::waiterIgnoresOtherTorrents()
{
    const THash game = addSeeding(m_game);
    const THash other = addSeeding(m_other);
    QVERIFY(!game.empty() && !other.empty());
    AlertWaiter waiter(m_alerts.get(), game, TorrentAlerts::Paused);

    m_session->pauseTorrent(other);
    QTRY_COMPARE(count(TorrentAlerts::Paused, other), 1);
    QVERIFY(waiter.pending());

    QTimer::singleShot(0, this, [&] { m_session->pauseTorrent(game); });
    waiter.wait(false);
    QVERIFY(!waiter.pending());
    QCOMPARE(count(TorrentAlerts::Paused, game), 1);
}

void TorrentAlertsTest::waitReturnsAtOnceWhenAlreadyDone()
{
    const THash id = addSeeding(m_game);
    QVERIFY(!id.empty());
    AlertWaiter waiter(m_alerts.get(), id, TorrentAlerts::Removed);
    waiter.wait(true);
    QVERIFY(waiter.pending());
}

void TorrentAlertsTest::waitReturnsAtOnceAfterTheSignalCame()
{
    const THash id = addSeeding(m_game);
    QVERIFY(!id.empty());
    AlertWaiter waiter(m_alerts.get(), id, TorrentAlerts::Paused);
    m_session->pauseTorrent(id);
    QTRY_COMPARE(count(TorrentAlerts::Paused, id), 1);
    QVERIFY(!waiter.pending());
    waiter.wait(false);
}

// The update job waits on a pool thread while the pump lives in the thread that created it.
void TorrentAlertsTest::waitsForAPumpInAnotherThread_data()
{
    QTest::addColumn<int>("delayBeforeWaitMs");
    QTest::newRow("alert arrives during the wait") << 0;
    QTest::newRow("alert arrives before the wait") << 300;
}

void TorrentAlertsTest::waitsForAPumpInAnotherThread()
{
    QFETCH(int, delayBeforeWaitMs);
    const THash id = addSeeding(m_game);
    QVERIFY(!id.empty());
    std::atomic<bool> done{false};
    std::atomic<bool> pendingBeforeWait{false};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        AlertWaiter waiter(m_alerts.get(), id, TorrentAlerts::Paused);
        m_session->pauseTorrent(id);
        QThread::msleep(static_cast<unsigned long>(delayBeforeWaitMs));
        pendingBeforeWait = waiter.pending();
        waiter.wait(false);
        done = !waiter.pending();
    }));
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 15000);
    QVERIFY(done);
    if (delayBeforeWaitMs > 0)
        QVERIFY(!pendingBeforeWait);
}

QTEST_GUILESS_MAIN(TorrentAlertsTest)
#include "tst_torrentalerts.moc"
