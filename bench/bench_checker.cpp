// The game file checker against `openssl sha1` and against `sha1sum` over the same generated game:
// 2 GiB (or the size in MiB given) in 5,000 files in a temporary folder (TMPDIR), warm, run in turns,
// 5 pairs each, medians; the checker's peak resident memory. The package file is served by nginx on
// 127.0.0.1.

#include "app/paths.h"
#include "app/productinfo.h"
#include "bench/benchkit.h"
#include "patch/checker.h"
#include "tests/support/nginxserver.h"
#include "update/updateinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>

namespace {

constexpr int FileCount = 5000;
constexpr int Pairs = 5;
const QString ContentId = QStringLiteral("bench-full");

// Sizes around the mean, from a few bytes to about twice the mean, adding up to gameSize.
QList<qint64> fileSizes(qint64 gameSize)
{
    QRandomGenerator random(7);
    QList<qint64> sizes;
    qint64 left = gameSize;
    for (int i = 0; i < FileCount - 1; ++i) {
        const qint64 mean = left / (FileCount - i);
        const qint64 size = qMin(left, qint64(random.bounded(quint32(2 * mean + 1))));
        sizes.append(size);
        left -= size;
    }
    sizes.append(left);
    return sizes;
}

QStringList writeGame(const QString &gameFolder, qint64 gameSize)
{
    QStringList paths;
    QRandomGenerator random(1);
    QByteArray block(4 * 1024 * 1024, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
    const QList<qint64> sizes = fileSizes(gameSize);
    for (int i = 0; i < sizes.size(); ++i) {
        const QString relative = QStringLiteral("data%1/file%2.bin").arg(i / 500).arg(i);
        const QString path = Paths::joinPath(gameFolder, relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        block[0] = char(i);
        block[1] = char(i >> 8);
        for (qint64 written = 0; written < sizes.at(i);) {
            const qint64 chunk = qMin<qint64>(block.size(), sizes.at(i) - written);
            if (file.write(block.constData(), chunk) != chunk)
                return {};
            written += chunk;
        }
        paths.append(relative);
    }
    return paths;
}

// Runs a digest program over every file; fills "relative path -> digest" from its "digest  path" lines.
double timeDigests(const QString &program, const QStringList &programArguments, const QString &gameFolder,
                   const QStringList &paths, QHash<QString, QString> &digests)
{
    QProcess process;
    process.setWorkingDirectory(gameFolder);
    QElapsedTimer timer;
    timer.start();
    process.start(program, programArguments + paths);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    digests.clear();
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const int space = line.indexOf(' ');
        if (space > 0)
            digests.insert(QString::fromUtf8(line.mid(space + 1)).remove(QLatin1Char('*')).trimmed(),
                           QString::fromLatin1(line.left(space)));
    }
    return seconds;
}

bool publishPackage(const QString &webRoot, const QStringList &paths, const QHash<QString, QString> &digests)
{
    QJsonArray content;
    for (const QString &path : paths)
        content.append(QJsonObject{
            {QStringLiteral("path"), path},
            {QStringLiteral("sha1"), digests.value(path)},
            {QStringLiteral("size"), QFileInfo(Paths::joinPath(Paths::gameFolder(), path)).size()}});
    const QString packagePath =
        webRoot + QStringLiteral("/recover/") + ContentId + QStringLiteral("/package.conf");
    QDir().mkpath(QFileInfo(packagePath).path());
    QFile file(packagePath);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QJsonDocument(QJsonObject{{QStringLiteral("content"), content}}).toJson()) > 0;
}

// Seconds of a whole check; loading gets the seconds until the package file was loaded.
double timeChecker(const UpdateInfo &manifest, int &damaged, QList<double> &loading)
{
    Checker checker(Version(1, 0, 0));
    checker.setUpdateInfo(manifest);
    int result = -2;
    QElapsedTimer timer;
    std::atomic<qint64> loadedNs{-1};
    // Waited for in an event loop that sleeps: processEvents with a time limit polls and would take
    // a core from the check it measures.
    QEventLoop loop;
    QObject::connect(&checker, &Checker::ended, &loop, [&result, &loop](int error) {
        result = error;
        loop.quit();
    });
    QObject::connect(
        &checker, &Checker::progress, &checker,
        [&](int processed, int, int status, const QString &) {
            if (status == Checker::CheckingFiles && processed == 0)
                loadedNs = timer.nsecsElapsed();
        },
        Qt::DirectConnection);
    timer.start();
    checker.start();
    if (result == -2)
        loop.exec();
    damaged = checker.damagedFiles().size();
    loading.append(loadedNs / 1e9);
    return result == 0 ? timer.nsecsElapsed() / 1e9 : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 gameSize = app.arguments().value(1, QStringLiteral("2048")).toLongLong() * 1024 * 1024;
    QTemporaryDir work;
    QTemporaryDir web;
    if (gameSize <= 0 || !work.isValid() || !web.isValid()) {
        std::fprintf(stderr, "usage: bench_checker [MiB]; needs a temporary folder\n");
        return 1;
    }
    Paths::setApplicationFolder(work.path());
    gameProduct.productId = QStringLiteral("gd7");
    std::printf("writing a %.0f MiB game of %d files...\n", gameSize / 1048576.0, FileCount);
    std::fflush(stdout);
    const QString gameFolder = Paths::gameFolder(true);
    const QStringList paths = writeGame(gameFolder, gameSize);
    QHash<QString, QString> sha1sumDigests;
    QHash<QString, QString> opensslDigests;
    NginxServer nginx;
    if (paths.size() != FileCount ||
        timeDigests(QStringLiteral("sha1sum"), {}, gameFolder, paths, sha1sumDigests) < 0 ||
        !publishPackage(web.path(), paths, sha1sumDigests) || !nginx.start(web.path())) {
        std::fprintf(stderr, "cannot write the game, its reference digests or the package file\n");
        return 1;
    }
    const QJsonObject content{
        {QStringLiteral("id"), ContentId},
        {QStringLiteral("version_to"), QStringLiteral("1.0.0")},
        {QStringLiteral("recover_http"), QJsonArray{nginx.url(QStringLiteral("recover/")).toString()}}};
    const QJsonObject product{{QStringLiteral("version"), QStringLiteral("1.0.0")},
                              {QStringLiteral("content"), QJsonArray{content}}};
    const UpdateInfo manifest(QJsonObject{{QStringLiteral("gd7"), product}});

    int damaged = -1;
    QList<double> loading;
    const auto checker = [&] { return timeChecker(manifest, damaged, loading); };
    benchkit::resetPeakResident();
    const qint64 residentBefore = benchkit::memoryKiB("VmRSS");
    std::printf("Checker against openssl sha1:\n");
    const benchkit::Comparison openssl = benchkit::compareInterleaved(Pairs, checker, [&] {
        return timeDigests(QStringLiteral("openssl"), {QStringLiteral("sha1"), QStringLiteral("-r")},
                           gameFolder, paths, opensslDigests);
    });
    std::printf("Checker against sha1sum:\n");
    const benchkit::Comparison sha1sum = benchkit::compareInterleaved(Pairs, checker, [&] {
        return timeDigests(QStringLiteral("sha1sum"), {}, gameFolder, paths, sha1sumDigests);
    });
    const qint64 peak = benchkit::memoryKiB("VmHWM");

    std::printf("SHA-1 of a %.0f MiB game in %d files, warm; digests %s, checker found %d damaged\n",
                gameSize / 1048576.0, FileCount, sha1sumDigests == opensslDigests ? "agree" : "DIFFER",
                damaged);
    const QString goal = QStringLiteral("goal <= 1.11, 0.9 of the tool's speed");
    benchkit::printComparison(QStringLiteral("Checker"), QStringLiteral("openssl sha1"), openssl, goal);
    benchkit::printComparison(QStringLiteral("Checker"), QStringLiteral("sha1sum"), sha1sum, goal);
    if (openssl.failed || sha1sum.failed)
        return 1;
    std::printf("  Checker %.0f MiB/s, openssl sha1 %.0f MiB/s, sha1sum %.0f MiB/s\n",
                benchkit::mibPerSecond(gameSize, openssl.measuredMedian()),
                benchkit::mibPerSecond(gameSize, openssl.anchorMedian()),
                benchkit::mibPerSecond(gameSize, sha1sum.anchorMedian()));
    std::printf("  of the checker's time, loading the package file: %.2f s (median)\n",
                benchkit::median(loading));
    std::printf("  peak resident memory %.1f MiB (%.1f MiB before the first check)\n", peak / 1024.0,
                residentBefore / 1024.0);
    return damaged == 0 && sha1sumDigests == opensslDigests ? 0 : 1;
}
