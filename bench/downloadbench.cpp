// HTTP content downloads from nginx on 127.0.0.1, as the update makes them:
//   compare: the launcher's HTTP client (resumable, into a partial file moved into place) against
//            "curl -o", in turns, 5 pairs, medians, their ratio and the client's peak memory, for
//            a 256 MiB and a 1 GiB file (so memory shows it does not grow with the size);
//   resume:  a download process killed at about 80 % and started again, with the bytes nginx
//            sent for each attempt (from its access log): the second fetches only the rest;
//   limit:   a download held to the player's speed limit, against the time the limit implies.
// Options: --only compare|resume|limit, --size MIB (compare one size only), --resume-size MIB
// (default 1024), --limited-size MIB (default 256), --limit MIB/s (default 10).

#include "bench/benchkit.h"
#include "net/httpconnection.h"
#include "net/partialdownload.h"
#include "net/speedlimit.h"
#include "tests/support/nginxserver.h"
#include "update/contentdigest.h"
#include "update/updatecontent.h"
#include "update/updatefetch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr int Pairs = 5;
const QString ChildOption = QStringLiteral("--download-child");

QTextStream out(stdout);

bool generate(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(8 * MiB, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (qint64 written = 0; written < size; written += block.size()) {
        generator.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
        if (file.write(block.constData(), qMin<qint64>(block.size(), size - written)) < 0)
            return false;
    }
    return true;
}

// Seconds, or -1 on failure; the downloaded file is checked for its size and removed.
double timeCurl(const QUrl &url, const QString &target, qint64 size)
{
    QElapsedTimer timer;
    timer.start();
    const int code = QProcess::execute(QStringLiteral("curl"),
                                       {QStringLiteral("-s"), QStringLiteral("-o"), target, url.toString()});
    const double elapsed = timer.elapsed() / 1000.0;
    const bool ok = code == 0 && QFile(target).size() == size;
    QFile::remove(target);
    return ok ? elapsed : -1;
}

struct Memory
{
    qint64 baselineKiB = 0;
    qint64 peakKiB = 0;
};

double timeClient(const QUrl &url, const QString &target, qint64 size, Memory *memory)
{
    benchkit::resetPeakResident();
    memory->baselineKiB = qMax(memory->baselineKiB, benchkit::memoryKiB("VmRSS"));
    QElapsedTimer timer;
    timer.start();
    const bool downloaded = net::HttpConnection::create(true)->resumeDownload(url, target);
    const double elapsed = timer.elapsed() / 1000.0;
    memory->peakKiB = qMax(memory->peakKiB, benchkit::memoryKiB("VmHWM"));
    const bool ok = downloaded && QFile(target).size() == size;
    QFile::remove(target);
    return ok ? elapsed : -1;
}

bool compareWithCurl(const QString &folder, const QList<qint64> &sizes)
{
    QDir().mkpath(folder);
    for (qint64 size : sizes) {
        if (!generate(QDir(folder).filePath(QStringLiteral("%1.bin").arg(size / MiB)), size)) {
            out << "cannot write the test files in " << folder << Qt::endl;
            return false;
        }
    }
    NginxServer nginx;
    if (!nginx.start(folder)) {
        out << "nginx did not start: " << nginx.errorLog() << Qt::endl;
        return false;
    }
    const QString target = QDir(folder).filePath(QStringLiteral("downloaded.bin"));
    for (qint64 size : sizes) {
        const QUrl url = nginx.url(QStringLiteral("%1.bin").arg(size / MiB));
        Memory memory;
        out << size / MiB << " MiB from nginx on 127.0.0.1:" << Qt::endl;
        const benchkit::Comparison comparison = benchkit::compareInterleaved(
            Pairs, [&] { return timeClient(url, target, size, &memory); },
            [&] { return timeCurl(url, target, size); });
        benchkit::printComparison(QStringLiteral("HTTP client %1 MiB").arg(size / MiB),
                                  QStringLiteral("curl -o"), comparison, QStringLiteral("goal <= 1.0"));
        if (comparison.failed)
            return false;
        out << QStringLiteral(
                   "  client %1 MiB/s, curl %2 MiB/s; peak memory %3 MiB (%4 MiB before the download)")
                   .arg(size / MiB / comparison.measuredMedian(), 0, 'f', 0)
                   .arg(size / MiB / comparison.anchorMedian(), 0, 'f', 0)
                   .arg(memory.peakKiB / 1024.0, 0, 'f', 1)
                   .arg(memory.baselineKiB / 1024.0, 0, 'f', 1)
            << Qt::endl;
        QFile::remove(QDir(folder).filePath(url.fileName()));
    }
    return true;
}

UpdateContent contentFor(const QUrl &url, const QString &name, const QString &sha256, qint64 size)
{
    return UpdateContent(QJsonObject{{"id", "bench"},
                                     {"name", name},
                                     {"size", double(size)},
                                     {"sha256", sha256},
                                     {"http", QJsonArray{url.toString()}}});
}

// The child: one content download the way the update makes it; exit code 0 when the archive is
// whole and matches its digest.
int runChild(const QStringList &arguments)
{
    QStandardPaths::setTestModeEnabled(true);
    const UpdateContent content = contentFor(QUrl(arguments.value(0)), arguments.value(2), arguments.value(3),
                                             arguments.value(4).toLongLong());
    QString archive;
    return downloadHttpContent(content, arguments.value(1), nullptr, nullptr, &archive) ? 0 : 1;
}

QList<QPair<int, qint64>> waitForAnswers(const QString &accessLog, int count)
{
    for (int i = 0; i < 100 && loggedAnswers(accessLog).size() < count; ++i)
        QThread::msleep(50);
    return loggedAnswers(accessLog);
}

bool killedDownload(const QString &folder, qint64 size)
{
    const QString served = QDir(folder).filePath(QStringLiteral("served"));
    const QString name = QStringLiteral("content.7z");
    QDir().mkpath(served);
    std::printf("killed download of %lld MiB: generating the file...\n", size / MiB);
    std::fflush(stdout);
    if (!generate(QDir(served).filePath(name), size))
        return false;
    const QString sha256 = ContentDigest::fileSha256(QDir(served).filePath(name));
    const QString accessLog = QDir(folder).filePath(QStringLiteral("access.log"));
    NginxServer nginx;
    if (!nginx.start(served, accessLogDirective(accessLog))) {
        std::printf("nginx did not start: %s\n", qPrintable(nginx.errorLog()));
        return false;
    }
    const QString downloads = QDir(folder).filePath(QStringLiteral("Update"));
    const QStringList arguments{ChildOption, nginx.url(name).toString(), downloads, name,
                                sha256,      QString::number(size)};
    const QString part = QDir(downloads).filePath(name) + QStringLiteral(".part");

    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), arguments);
    if (!first.waitForStarted())
        return false;
    while (first.state() == QProcess::Running && QFileInfo(part).size() < size * 8 / 10)
        QThread::usleep(2000);
    first.kill();
    first.waitForFinished();
    const qint64 kept = QFileInfo(part).size();
    const qint64 offset = net::PartialDownload(QDir(downloads).filePath(name)).resumeOffset();

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    second.start(QCoreApplication::applicationFilePath(), arguments);
    if (!second.waitForFinished(-1) || second.exitCode() != 0) {
        std::printf("the second attempt failed\n");
        return false;
    }
    const qint64 secondMs = clock.elapsed();
    const QList<QPair<int, qint64>> answers = waitForAnswers(accessLog, 2);
    if (answers.size() != 2) {
        std::printf("nginx logged %d answers instead of 2\n", int(answers.size()));
        return false;
    }
    const auto percent = [size](qint64 bytes) { return 100.0 * double(bytes) / double(size); };
    std::printf("  killed with %lld bytes on disk (%.1f %%), resumed at %lld\n", kept, percent(kept), offset);
    std::printf("  first attempt:  status %d, %lld bytes sent (%.1f %%)\n", answers[0].first,
                answers[0].second, percent(answers[0].second));
    std::printf("  second attempt: status %d, %lld bytes sent (%.1f %%), %.2f s, archive checked by "
                "its sha256\n",
                answers[1].first, answers[1].second, percent(answers[1].second), secondMs / 1000.0);
    std::printf("  in all %.1f %% of the file transferred\n", percent(answers[0].second + answers[1].second));
    std::fflush(stdout);
    return true;
}

bool limitedDownload(const QString &folder, qint64 size, qint64 limit)
{
    const QString served = QDir(folder).filePath(QStringLiteral("limited"));
    const QString name = QStringLiteral("limited.7z");
    QDir().mkpath(served);
    if (!generate(QDir(served).filePath(name), size))
        return false;
    const QString sha256 = ContentDigest::fileSha256(QDir(served).filePath(name));
    NginxServer nginx;
    if (!nginx.start(served))
        return false;
    SpeedLimit::instance().setBytesPerSecond(limit);
    QElapsedTimer clock;
    clock.start();
    QString archive;
    const bool ok = downloadHttpContent(contentFor(nginx.url(name), name, sha256, size),
                                        QDir(folder).filePath(QStringLiteral("LimitedUpdate")), nullptr,
                                        nullptr, &archive);
    const double seconds = clock.elapsed() / 1000.0;
    SpeedLimit::instance().setBytesPerSecond(0);
    if (!ok) {
        std::printf("the limited download failed\n");
        return false;
    }
    // The digest check after the download is part of the time; it is small beside the transfer.
    const double expected = double(size) / double(limit);
    std::printf("limited download of %lld MiB at %lld MiB/s: %.2f s, expected %.2f s, ratio %.3f "
                "(goal within 10 %%)\n",
                size / MiB, limit / MiB, seconds, expected, seconds / expected);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == ChildOption)
        return runChild(app.arguments().mid(2));
    QStandardPaths::setTestModeEnabled(true);
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("only"), QStringLiteral("one part: compare, resume or limit"),
          QStringLiteral("PART")},
         {QStringLiteral("size"), QStringLiteral("MiB of the one file to compare"), QStringLiteral("MIB")},
         {QStringLiteral("resume-size"), QStringLiteral("MiB of the killed download"), QStringLiteral("MIB"),
          QStringLiteral("1024")},
         {QStringLiteral("limited-size"), QStringLiteral("MiB of the limited download"),
          QStringLiteral("MIB"), QStringLiteral("256")},
         {QStringLiteral("limit"), QStringLiteral("the speed limit in MiB/s"), QStringLiteral("MIB"),
          QStringLiteral("10")}});
    parser.process(app);
    const QString only = parser.value(QStringLiteral("only"));
    const auto wanted = [&only](const char *part) { return only.isEmpty() || only == QLatin1String(part); };
    const QList<qint64> sizes = parser.isSet(QStringLiteral("size"))
                                    ? QList<qint64>{parser.value(QStringLiteral("size")).toLongLong() * MiB}
                                    : QList<qint64>{256 * MiB, 1024 * MiB};
    QTemporaryDir folder;
    if (wanted("compare") && !compareWithCurl(folder.filePath(QStringLiteral("compare")), sizes))
        return 1;
    if (wanted("resume") &&
        !killedDownload(folder.path(), parser.value(QStringLiteral("resume-size")).toLongLong() * MiB))
        return 1;
    if (wanted("limit") &&
        !limitedDownload(folder.path(), parser.value(QStringLiteral("limited-size")).toLongLong() * MiB,
                         parser.value(QStringLiteral("limit")).toLongLong() * MiB))
        return 1;
    return 0;
}
