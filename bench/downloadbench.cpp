// Downloads a 1 GiB file from nginx on 127.0.0.1 with the launcher's HTTP client and with
// "curl -o", in one run, and prints both throughputs, their ratio and the client's peak memory
// (for a 256 MiB and a 1 GiB file, to show it does not grow with the size).

#include "net/httpconnection.h"
#include "tests/support/nginxserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr int Rounds = 3;

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
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// A memory figure of this process in KiB from /proc: "VmRSS" now, "VmHWM" the peak since the
// last reset.
qint64 memoryKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

double throughput(qint64 bytes, qint64 ms)
{
    return ms > 0 ? bytes / double(MiB) / (ms / 1000.0) : 0;
}

// Milliseconds, or -1 on failure; the downloaded file is checked for its size and removed.
qint64 timeCurl(const QUrl &url, const QString &target, qint64 size)
{
    QElapsedTimer timer;
    timer.start();
    const int code = QProcess::execute(QStringLiteral("curl"),
                                       {QStringLiteral("-s"), QStringLiteral("-o"), target, url.toString()});
    const qint64 elapsed = timer.elapsed();
    const bool ok = code == 0 && QFile(target).size() == size;
    QFile::remove(target);
    return ok ? elapsed : -1;
}

struct Memory
{
    qint64 baselineKiB = 0;
    qint64 peakKiB = 0;
};

qint64 timeClient(const QUrl &url, const QString &target, qint64 size, Memory *memory)
{
    resetPeakResident();
    memory->baselineKiB = qMax(memory->baselineKiB, memoryKiB("VmRSS"));
    QElapsedTimer timer;
    timer.start();
    const bool downloaded = net::HttpConnection::create(true)->download(url, target);
    const qint64 elapsed = timer.elapsed();
    memory->peakKiB = qMax(memory->peakKiB, memoryKiB("VmHWM"));
    const bool ok = downloaded && QFile(target).size() == size;
    QFile::remove(target);
    return ok ? elapsed : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    const QList<qint64> sizes{256 * MiB, 1024 * MiB};
    for (qint64 size : sizes) {
        if (!generate(folder.filePath(QStringLiteral("%1.bin").arg(size / MiB)), size)) {
            out << "cannot write the test files in " << folder.path() << Qt::endl;
            return 1;
        }
    }
    NginxServer nginx;
    if (!nginx.start(folder.path())) {
        out << "nginx did not start: " << nginx.errorLog() << Qt::endl;
        return 1;
    }
    const QString target = folder.filePath(QStringLiteral("downloaded.bin"));
    out << "download of a file from nginx on 127.0.0.1, best of " << Rounds << " rounds" << Qt::endl;
    for (qint64 size : sizes) {
        const QUrl url = nginx.url(QStringLiteral("%1.bin").arg(size / MiB));
        qint64 bestCurl = -1;
        qint64 bestClient = -1;
        Memory memory;
        for (int round = 0; round < Rounds; ++round) {
            const qint64 curl = timeCurl(url, target, size);
            const qint64 client = timeClient(url, target, size, &memory);
            if (curl < 0 || client < 0) {
                out << "a download failed" << Qt::endl;
                return 1;
            }
            bestCurl = bestCurl < 0 ? curl : qMin(bestCurl, curl);
            bestClient = bestClient < 0 ? client : qMin(bestClient, client);
        }
        const double curlRate = throughput(size, bestCurl);
        const double clientRate = throughput(size, bestClient);
        out << QStringLiteral("%1 MiB: curl -o %2 MiB/s (%3 ms), download %4 MiB/s (%5 ms), ratio %6, "
                              "peak memory %7 MiB (%8 MiB before the download)")
                   .arg(size / MiB)
                   .arg(curlRate, 0, 'f', 0)
                   .arg(bestCurl)
                   .arg(clientRate, 0, 'f', 0)
                   .arg(bestClient)
                   .arg(clientRate / curlRate, 0, 'f', 2)
                   .arg(memory.peakKiB / 1024.0, 0, 'f', 1)
                   .arg(memory.baselineKiB / 1024.0, 0, 'f', 1)
            << Qt::endl;
    }
    return 0;
}
