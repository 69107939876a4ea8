#include "net/torrentsession_p.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <libtorrent/add_torrent_params.hpp>
#include <libtorrent/session.hpp>
#include <libtorrent/torrent_handle.hpp>
#include <libtorrent/torrent_info.hpp>
#include <libtorrent/torrent_status.hpp>

#include <QtTest>

#include <memory>

// The disk back-end every torrent session of the launcher writes through, in plain libtorrent
// sessions downloading from nginx on 127.0.0.1 as a web seed: whole files whatever the size of its
// write queue, and sessions closed while it still holds jobs.
class ThreadedDiskIoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void downloadsWholeFilesWithAnyWriteQueue_data();
    void downloadsWholeFilesWithAnyWriteQueue();
    void sessionsClosedWhileWritingLeaveAUsableDownload();

private:
    static std::unique_ptr<lt::session> startSession(std::int64_t writeQueueBytes);
    lt::torrent_handle addTorrent(lt::session &session, const QString &folder, int bytesPerSecond = 0) const;
    void verifyFilesEqualSources(const QString &folder) const;

    QTemporaryDir m_root;
    QString m_sources;
    QByteArray m_game;
    NginxServer m_nginx;
};

namespace {

const QStringList gameFiles = {QStringLiteral("Game/big.bin"), QStringLiteral("Game/data/odd.bin"),
                               QStringLiteral("Game/data/tail.bin")};

// Pieces that passed their check: blocks of unfinished pieces do not outlive a session without
// resume data.
int piecesDone(const lt::torrent_handle &handle)
{
    return handle.status().num_pieces;
}

} // namespace

void ThreadedDiskIoTest::initTestCase()
{
    m_sources = m_root.filePath(QStringLiteral("src"));
    // Odd sizes put file ends inside pieces and blocks.
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/big.bin"), 24 * 1024 * 1024 + 4321, 31));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/odd.bin"), 3 * 1024 * 1024 + 77, 32));
    QVERIFY(writeRandomFile(m_sources + QStringLiteral("/Game/data/tail.bin"), 12345, 33));
    m_game = makeTorrent(m_sources + QStringLiteral("/Game"), 256 * 1024);
    QVERIFY(!m_game.isEmpty());
    QVERIFY2(m_nginx.start(m_sources), qPrintable(m_nginx.errorLog()));
}

std::unique_ptr<lt::session> ThreadedDiskIoTest::startSession(std::int64_t writeQueueBytes)
{
    lt::session_params params;
    // Web seeds only: no listening, no peer discovery.
    params.settings.set_str(lt::settings_pack::listen_interfaces, std::string());
    params.settings.set_bool(lt::settings_pack::enable_dht, false);
    params.settings.set_bool(lt::settings_pack::enable_lsd, false);
    params.settings.set_bool(lt::settings_pack::enable_upnp, false);
    params.settings.set_bool(lt::settings_pack::enable_natpmp, false);
    params.disk_io_constructor = threadedPosixDiskIo(writeQueueBytes);
    return std::make_unique<lt::session>(std::move(params));
}

// bytesPerSecond limits the torrent (0: no limit), web seeds on 127.0.0.1 included.
lt::torrent_handle ThreadedDiskIoTest::addTorrent(lt::session &session, const QString &folder,
                                                  int bytesPerSecond) const
{
    lt::add_torrent_params params;
    lt::error_code error;
    params.ti = std::make_shared<lt::torrent_info>(m_game.constData(), m_game.size(), error);
    if (error)
        return lt::torrent_handle();
    params.save_path = folder.toStdString();
    params.url_seeds = {m_nginx.url().toString().toStdString()};
    params.download_limit = bytesPerSecond;
    return session.add_torrent(std::move(params), error);
}

void ThreadedDiskIoTest::verifyFilesEqualSources(const QString &folder) const
{
    for (const QString &file : gameFiles)
        QVERIFY2(readFileBytes(folder + '/' + file) == readFileBytes(m_sources + '/' + file),
                 qPrintable(file));
}

void ThreadedDiskIoTest::downloadsWholeFilesWithAnyWriteQueue_data()
{
    QTest::addColumn<qint64>("writeQueueBytes");
    // One block over the limit pauses the web seed at nearly every write: a peer that is never
    // woken again stalls the download.
    QTest::newRow("one block") << qint64(16 * 1024);
    QTest::newRow("default") << qint64(DefaultWriteQueueBytes);
}

void ThreadedDiskIoTest::downloadsWholeFilesWithAnyWriteQueue()
{
    QFETCH(qint64, writeQueueBytes);
    const QString folder = m_root.filePath(QStringLiteral("whole-") + QTest::currentDataTag());
    const std::unique_ptr<lt::session> session = startSession(writeQueueBytes);
    const lt::torrent_handle handle = addTorrent(*session, folder);
    QVERIFY(handle.is_valid());
    QVERIFY(waitFor([&] { return handle.status().is_seeding; }, 60000));
    QVERIFY(!handle.status().errc);
    verifyFilesEqualSources(folder);
}

// Closing destroys the back-end with writes and hashes queued. The jobs still run, their handlers
// too (before, a session closed mid-download could crash), and the next session over the same
// folder finds what the earlier ones wrote and finishes the rest.
void ThreadedDiskIoTest::sessionsClosedWhileWritingLeaveAUsableDownload()
{
    const QString folder = m_root.filePath(QStringLiteral("closed"));
    int found = 0;
    int closedUnfinished = 0;
    // Slowed down, so that the rounds end before the download does.
    const int bytesPerSecond = 2 * 1024 * 1024;
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<lt::session> session = startSession(DefaultWriteQueueBytes);
        const lt::torrent_handle handle = addTorrent(*session, folder, bytesPerSecond);
        QVERIFY(handle.is_valid());
        // A session finds the pieces on disk by hashing them through the back-end.
        QVERIFY(waitFor([&] {
            const lt::torrent_status status = handle.status();
            return status.state == lt::torrent_status::downloading || status.is_seeding;
        }));
        QVERIFY2(
            piecesDone(handle) >= found,
            qPrintable(QStringLiteral("%1 of %2 pieces found again").arg(piecesDone(handle)).arg(found)));
        const int target = qMin(piecesDone(handle) + 4, handle.torrent_file()->num_pieces());
        QVERIFY(waitFor([&] { return piecesDone(handle) >= target; }, 60000));
        found = piecesDone(handle);
        closedUnfinished += handle.status().is_seeding ? 0 : 1;
        session.reset();
    }
    QVERIFY(closedUnfinished > 0);

    const std::unique_ptr<lt::session> session = startSession(DefaultWriteQueueBytes);
    const lt::torrent_handle handle = addTorrent(*session, folder);
    QVERIFY(waitFor([&] { return handle.status().is_seeding; }, 60000));
    verifyFilesEqualSources(folder);
}

QTEST_GUILESS_MAIN(ThreadedDiskIoTest)
#include "tst_threadeddiskio.moc"
