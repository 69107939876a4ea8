#include "tests/torrent/torrenttestkit.h"

#include "app/logger.h"
#include "tests/support/nginxserver.h"

#include <libtorrent/bencode.hpp>
#include <libtorrent/create_torrent.hpp>
#include <libtorrent/torrent_info.hpp>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <random>

bool writeRandomFile(const QString &path, qint64 size, quint32 seed)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::mt19937 random(seed);
    QByteArray block(64 * 1024, Qt::Uninitialized);
    for (qint64 left = size; left > 0; left -= block.size()) {
        for (char &byte : block)
            byte = static_cast<char>(random());
        if (file.write(block.constData(), std::min<qint64>(left, block.size())) < 0)
            return false;
    }
    return true;
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray makeTorrent(const QString &folder, int pieceSize, const QStringList &trackers,
                       const QStringList &webSeeds)
{
    lt::file_storage files;
    lt::add_files(files, QDir(folder).absolutePath().toStdString());
    lt::create_torrent creator(files, pieceSize,
                               lt::create_torrent::v1_only | lt::create_torrent::canonical_files);
    for (const QString &tracker : trackers)
        creator.add_tracker(tracker.toStdString());
    for (const QString &seed : webSeeds)
        creator.add_url_seed(seed.toStdString());
    lt::error_code error;
    lt::set_piece_hashes(creator, QFileInfo(folder).absoluteDir().path().toStdString(), error);
    if (error)
        return QByteArray();
    std::vector<char> bytes;
    lt::bencode(std::back_inserter(bytes), creator.generate());
    return QByteArray(bytes.data(), static_cast<int>(bytes.size()));
}

bool writeTorrentFile(const QString &path, const QByteArray &torrent)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(torrent) == torrent.size();
}

TorrentSession::THash torrentId(const QByteArray &torrent)
{
    const lt::torrent_info info(lt::span<const char>(torrent.constData(), torrent.size()), lt::from_span);
    return TorrentSession::THash(info.info_hashes().v1.data(), 20);
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QTest::qWait(20);
    }
    return true;
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

TorrentSession::Config loopbackConfig(quint16 firstPort, int extraPorts, bool fallback)
{
    TorrentSession::Config config;
    config.reach = TorrentSession::Reach::Loopback;
    config.firstPort = firstPort;
    config.extraPorts = extraPorts;
    config.systemPortFallback = fallback;
    return config;
}

void LogCapture::reset()
{
    Logger::instance().open(m_dir.filePath(QStringLiteral("log.txt")), QString());
}

QStringList LogCapture::critTexts() const
{
    // A line is the level padded to 15, a space, the time padded to 25, a space and the text.
    const int textColumn = 15 + 1 + 25 + 1;
    QStringList texts;
    const QString log = QString::fromUtf8(readFileBytes(m_dir.filePath(QStringLiteral("log.txt"))));
    for (const QString &line : log.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("crit ")))
            texts.append(line.mid(textColumn));
    }
    return texts;
}

Aria2Seeder::~Aria2Seeder()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool Aria2Seeder::start(const QString &torrentPath, const QString &folder, quint16 port)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("aria2c"),
                    {QStringLiteral("--no-conf=true"), QStringLiteral("--seed-ratio=0"), QStringLiteral("-V"),
                     QStringLiteral("--enable-dht=false"), QStringLiteral("--enable-dht6=false"),
                     QStringLiteral("--bt-enable-lpd=false"), QStringLiteral("--enable-peer-exchange=false"),
                     QStringLiteral("--disable-ipv6=true"), QStringLiteral("--interface=127.0.0.1"),
                     QStringLiteral("--listen-port=%1").arg(port), QStringLiteral("--summary-interval=0"),
                     QStringLiteral("--console-log-level=warn"), QStringLiteral("-d"), folder, torrentPath});
    return m_process.waitForStarted(10000) && waitForLocalPort(port, 20000);
}
