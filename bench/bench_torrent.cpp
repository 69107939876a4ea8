// Times the download of one 256 MiB file, made at run time in a temporary folder, over 127.0.0.1:
// the torrent session from nginx as a web seed (with and without listening for peers) against curl
// from the same nginx, in turns (first argument: pairs, default 5), with the peak resident memory of
// the torrent side; then, one run each, the torrent session from a second libtorrent session (over
// uTP, libtorrent's choice for outgoing connections, and over TCP) and from aria2c (TCP only) as
// seeding peers. A torrent counts as downloaded once its data is complete and flushed to disk.

#include "bench/benchkit.h"
#include "net/alertwaiter.h"
#include "net/torrentsession_p.h"
#include "tests/support/nginxserver.h"
#include "tests/torrent/torrenttestkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

const qint64 fileSize = 256LL * 1024 * 1024;
const int pieceSize = 1024 * 1024;
const int timeoutMs = 600000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void report(const QString &what, qint64 elapsedMs)
{
    if (elapsedMs < 0) {
        out() << QStringLiteral("%1: FAILED").arg(what, -46) << Qt::endl;
        return;
    }
    const double seconds = elapsedMs / 1000.0;
    out() << QStringLiteral("%1: %2 s  %3 MiB/s")
                 .arg(what, -46)
                 .arg(seconds, 7, 'f', 2)
                 .arg(fileSize / 1048576.0 / seconds, 7, 'f', 1)
          << Qt::endl;
}

qint64 timeCurl(const QUrl &url, const QString &target)
{
    QElapsedTimer clock;
    clock.start();
    const int code = QProcess::execute(QStringLiteral("curl"),
                                       {QStringLiteral("-sf"), QStringLiteral("-o"), target, url.toString()});
    const qint64 elapsed = clock.elapsed();
    const bool complete = code == 0 && QFileInfo(target).size() == fileSize;
    QFile::remove(target);
    return complete ? elapsed : -1;
}

double seconds(qint64 elapsedMs)
{
    return elapsedMs < 0 ? -1 : double(elapsedMs) / 1000.0;
}

// Woken by the torrent's finished alert, as the update is, not by a poll.
bool waitUntilComplete(TorrentAlerts &alerts, const TorrentSession &session, const TorrentSession::THash &id)
{
    QEventLoop loop;
    QObject::connect(&alerts, &TorrentAlerts::finished, &loop,
                     [&loop, &id](const TorrentAlerts::THash &done) {
                         if (done == id)
                             loop.quit();
                     });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!session.status(id).complete())
        loop.exec();
    return session.status(id).complete();
}

// From the add to the flushed alert, as the update waits for its torrents.
qint64 timeTorrent(const TorrentSession::Config &config, const QString &folder, const QByteArray &torrent,
                   const QList<QUrl> &webSeeds, quint16 peerPort = 0, bool tcpOnly = false)
{
    const std::shared_ptr<TorrentSession> session = TorrentSession::create(config, QString());
    if (!session || !session->checkListening())
        return -1;
    if (tcpOnly) {
        lt::settings_pack pack;
        pack.set_bool(lt::settings_pack::enable_outgoing_utp, false);
        session->native().session.apply_settings(std::move(pack));
    }
    TorrentAlerts alerts(session);
    QElapsedTimer clock;
    clock.start();
    const TorrentSession::THash id = session->addTorrent(folder, torrent, webSeeds);
    if (id.empty())
        return -1;
    if (peerPort != 0)
        session->connectPeer(id, QStringLiteral("127.0.0.1"), peerPort);
    if (!waitUntilComplete(alerts, *session, id))
        return -1;
    AlertWaiter flushed(&alerts, id, TorrentAlerts::Flushed);
    session->flushCache(id);
    flushed.wait(false);
    return clock.elapsed();
}

std::shared_ptr<TorrentSession> startSeeder(const QString &folder, const QByteArray &torrent)
{
    std::shared_ptr<TorrentSession> seeder = TorrentSession::create(loopbackConfig(), QString());
    if (!seeder || !seeder->checkListening())
        return nullptr;
    const TorrentSession::THash id = seeder->addTorrent(folder, torrent, {});
    if (id.empty() ||
        !waitFor([&] { return seeder->status(id).state == TorrentSession::Seeding; }, timeoutMs))
        return nullptr;
    return seeder;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TorrentSession::setLoopbackOnly(true);
    QTemporaryDir root;
    const QString sources = root.filePath(QStringLiteral("src"));
    const QString content = sources + QStringLiteral("/content.bin");
    out() << "Generating " << fileSize / 1048576 << " MiB in " << root.path() << Qt::endl;
    if (!writeRandomFile(content, fileSize, 7))
        return 1;
    const QByteArray torrent = makeTorrent(content, pieceSize);
    NginxServer nginx;
    if (torrent.isEmpty() || !nginx.start(sources))
        return 1;
    const QUrl seed = nginx.url();
    auto target = [&root](const QString &name) { return root.filePath(name); };
    const int pairs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 5;

    auto curl = [&] {
        return seconds(timeCurl(nginx.url(QStringLiteral("content.bin")), target("curl.bin")));
    };
    TorrentSession::Config webSeedsOnly;
    webSeedsOnly.reach = TorrentSession::Reach::WebSeedsOnly;
    const QList<QPair<QString, TorrentSession::Config>> webSeedRows = {
        {QStringLiteral("torrent, web seed, no listening"), webSeedsOnly},
        {QStringLiteral("torrent, web seed, listening"), loopbackConfig()}};
    for (const auto &row : webSeedRows) {
        qint64 peakKiB = 0;
        // Each run into a fresh folder: a folder holding the file would only be checked.
        auto torrentRun = [&] {
            const QString folder = target(QStringLiteral("webseed"));
            benchkit::resetPeakResident();
            const qint64 elapsed = timeTorrent(row.second, folder, torrent, {seed});
            peakKiB = qMax(peakKiB, benchkit::memoryKiB("VmHWM"));
            QDir(folder).removeRecursively();
            return seconds(elapsed);
        };
        out() << row.first << Qt::endl;
        const benchkit::Comparison comparison = benchkit::compareInterleaved(pairs, torrentRun, curl);
        benchkit::printComparison(row.first, QStringLiteral("curl -o"), comparison,
                                  QStringLiteral("goal <= 1.2"));
        out() << "  peak resident memory of the torrent side: " << peakKiB / 1024 << " MiB (goal < 128 MiB)"
              << Qt::endl;
    }

    {
        const std::shared_ptr<TorrentSession> seeder = startSeeder(sources, torrent);
        const quint16 port = seeder ? seeder->listenPort() : 0;
        report(QStringLiteral("torrent, libtorrent peer on 127.0.0.1, uTP"),
               seeder ? timeTorrent(loopbackConfig(), target("ltpeer-utp"), torrent, {}, port) : -1);
        report(QStringLiteral("torrent, libtorrent peer on 127.0.0.1, TCP"),
               seeder ? timeTorrent(loopbackConfig(), target("ltpeer-tcp"), torrent, {}, port, true) : -1);
    }
    {
        const QString torrentPath = target("content.torrent");
        const quint16 port = freeLocalPort();
        Aria2Seeder aria2;
        const bool seeding =
            writeTorrentFile(torrentPath, torrent) && aria2.start(torrentPath, sources, port);
        report(QStringLiteral("torrent, aria2c peer on 127.0.0.1, TCP"),
               seeding ? timeTorrent(loopbackConfig(), target("ariapeer"), torrent, {}, port) : -1);
    }
    return 0;
}
