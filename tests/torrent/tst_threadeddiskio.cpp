#include "net/torrentsession_p.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <libtorrent/add_torrent_params.hpp>
#include <libtorrent/disk_interface.hpp>
#include <libtorrent/file_storage.hpp>
#include <libtorrent/performance_counters.hpp>
#include <libtorrent/session.hpp>
#include <libtorrent/torrent_handle.hpp>
#include <libtorrent/torrent_info.hpp>
#include <libtorrent/torrent_status.hpp>

#include <QtTest>

#include <chrono>
#include <functional>
#include <memory>
#include <random>

// The disk back-end every torrent session of the launcher writes through: driven directly, the
// check of a piece always tells what the disk holds, whichever way its blocks were written; in
// plain libtorrent sessions downloading from nginx on 127.0.0.1 as a web seed, whole files whatever
// the size of its write queue, and sessions closed while it still holds jobs.
class ThreadedDiskIoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void pieceChecksTellWhatTheDiskHolds_data();
    void pieceChecksTellWhatTheDiskHolds();
    void failedWritesNeverPassACheck();
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

QByteArray randomBytes(int size, quint32 seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

const int blockSize = 16 * 1024;
const int checkedPieceSize = 4 * blockSize;

// One file of two pieces, the second one ending inside its last block; the blocks are written
// into the second piece, so that the piece does not start the file.
class DirectDisk
{
public:
    explicit DirectDisk(const QString &folder)
        : m_folder(folder.toStdString()), m_disk(threadedPosixDiskIo()(m_ios, m_settings, m_counters))
    {
        m_files.set_piece_length(checkedPieceSize);
        m_files.add_file("piece.bin", checkedPieceSize * 2 - 1234);
        m_files.set_num_pieces(2);
        m_storage =
            m_disk->new_torrent(lt::storage_params(m_files, nullptr, m_folder, lt::storage_mode_sparse,
                                                   m_priorities, lt::sha1_hash()),
                                std::shared_ptr<void>());
    }

    ~DirectDisk()
    {
        m_storage = lt::storage_holder();
        m_disk.reset();
    }

    static int pieceBytes() { return checkedPieceSize - 1234; }
    QString filePath() const { return QString::fromStdString(m_folder) + QStringLiteral("/piece.bin"); }

    bool write(int start, const QByteArray &data)
    {
        bool failed = true;
        m_disk->async_write(m_storage, lt::peer_request{lt::piece_index_t(1), start, int(data.size())},
                            data.constData(), nullptr,
                            [&](const lt::storage_error &error) { failed = bool(error); });
        return waitForHandler() && !failed;
    }

    void clearPiece()
    {
        m_disk->async_clear_piece(m_storage, lt::piece_index_t(1), [](lt::piece_index_t) {});
        waitForHandler();
    }

    // The SHA-1 the back-end gives for the piece; empty when it failed.
    QByteArray hash()
    {
        QByteArray found;
        m_disk->async_hash(m_storage, lt::piece_index_t(1), {}, lt::disk_interface::v1_hash,
                           [&](lt::piece_index_t, const lt::sha1_hash &hash, const lt::storage_error &error) {
                               if (!error)
                                   found = QByteArray(hash.data(), int(hash.size()));
                           });
        waitForHandler();
        return found;
    }

    std::int64_t blocksReadBack() const { return m_counters[lt::counters::num_blocks_read]; }

private:
    // Handlers run here, on the test's thread, as on a session's network thread.
    bool waitForHandler()
    {
        m_disk->submit_jobs();
        const std::size_t ran = m_ios.run_one_for(std::chrono::seconds(10));
        m_ios.poll();
        return ran > 0;
    }

    lt::io_context m_ios;
    lt::settings_pack m_settings;
    lt::counters m_counters;
    std::string m_folder;
    lt::file_storage m_files;
    lt::aux::vector<lt::download_priority_t, lt::file_index_t> m_priorities;
    std::unique_ptr<lt::disk_interface> m_disk;
    lt::storage_holder m_storage;
};

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

// Each row writes blocks of the piece in turn: their number, with "x" for wrong bytes, or "clear"
// for libtorrent's clearing of a piece that failed its check. The back-end hashes a piece as its
// blocks go to the disk in order, and must read it back whenever that hash might not be of what the
// disk holds.
void ThreadedDiskIoTest::pieceChecksTellWhatTheDiskHolds_data()
{
    QTest::addColumn<QString>("writes");
    QTest::addColumn<bool>("readBack");
    QTest::addColumn<bool>("holdsRightBytes");
    QTest::newRow("in order") << QStringLiteral("0 1 2 3") << false << true;
    QTest::newRow("reversed") << QStringLiteral("3 2 1 0") << true << true;
    QTest::newRow("one block late") << QStringLiteral("0 2 1 3") << true << true;
    QTest::newRow("written twice") << QStringLiteral("0x 1x 2x 3x 0 1 2 3") << false << true;
    QTest::newRow("cleared, then written") << QStringLiteral("0x 1x clear 0 1 2 3") << false << true;
    QTest::newRow("first block again") << QStringLiteral("0 1 2 3 0") << true << true;
    QTest::newRow("middle block spoilt") << QStringLiteral("0 1 2 3 1x") << true << false;
    QTest::newRow("last block spoilt") << QStringLiteral("0 1 2 3x") << false << false;
}

void ThreadedDiskIoTest::pieceChecksTellWhatTheDiskHolds()
{
    QFETCH(QString, writes);
    QFETCH(bool, readBack);
    QFETCH(bool, holdsRightBytes);
    const QByteArray right = randomBytes(DirectDisk::pieceBytes(), 41);
    QByteArray wrong = right;
    for (char &byte : wrong)
        byte = char(~byte);
    const QTemporaryDir folder(m_root.filePath(QStringLiteral("direct-XXXXXX")));
    DirectDisk disk(folder.path());
    for (const QString &step : writes.split(' ')) {
        if (step == QLatin1String("clear")) {
            disk.clearPiece();
            continue;
        }
        const int start = step.left(1).toInt() * blockSize;
        const QByteArray &bytes = step.endsWith('x') ? wrong : right;
        QVERIFY(disk.write(start, bytes.mid(start, blockSize)));
    }

    const QByteArray hash = disk.hash();
    const QByteArray onDisk = readFileBytes(disk.filePath()).mid(checkedPieceSize);
    QCOMPARE(onDisk == right, holdsRightBytes);
    QCOMPARE(hash.toHex(), QCryptographicHash::hash(onDisk, QCryptographicHash::Sha1).toHex());
    QCOMPARE(disk.blocksReadBack() > 0, readBack);
}

// A block that did not reach the disk must not pass the piece's check, though the back-end saw its
// bytes.
void ThreadedDiskIoTest::failedWritesNeverPassACheck()
{
    const QByteArray right = randomBytes(DirectDisk::pieceBytes(), 42);
    const QTemporaryDir folder(m_root.filePath(QStringLiteral("direct-XXXXXX")));
    DirectDisk disk(folder.path());
    // A folder where the file should be: every write fails.
    QVERIFY(QDir().mkpath(disk.filePath()));
    for (int start = 0; start < right.size(); start += blockSize)
        QVERIFY(!disk.write(start, right.mid(start, blockSize)));
    QVERIFY(disk.hash() != QCryptographicHash::hash(right, QCryptographicHash::Sha1));
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
