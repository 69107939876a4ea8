// The game file checker against `sha1sum` and `openssl sha1` over the same generated game: 2 GiB in
// about 5,000 files in a temporary folder (TMPDIR), warm, best of three. The package file is served
// by nginx on 127.0.0.1.

#include "app/paths.h"
#include "app/productinfo.h"
#include "bench/patchbench.h"
#include "patch/checker.h"
#include "tests/support/nginxserver.h"
#include "update/updateinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 GameSize = 2048LL * 1024 * 1024;
constexpr int FileCount = 5000;
const QString ContentId = QStringLiteral("bench-full");

// Sizes around the mean, from a few bytes to about twice the mean, adding up to GameSize.
QList<qint64> fileSizes()
{
    QRandomGenerator random(7);
    QList<qint64> sizes;
    qint64 left = GameSize;
    for (int i = 0; i < FileCount - 1; ++i) {
        const qint64 mean = left / (FileCount - i);
        const qint64 size = qMin(left, qint64(random.bounded(quint32(2 * mean + 1))));
        sizes.append(size);
        left -= size;
    }
    sizes.append(left);
    return sizes;
}

QStringList writeGame(const QString &gameFolder)
{
    QStringList paths;
    QRandomGenerator random(1);
    QByteArray block(4 * 1024 * 1024, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
    const QList<qint64> sizes = fileSizes();
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

double timeChecker(const UpdateInfo &manifest, int &damaged)
{
    Checker checker(Version(1, 0, 0));
    checker.setUpdateInfo(manifest);
    int result = -2;
    QObject::connect(&checker, &Checker::ended, &checker, [&result](int error) { result = error; });
    QElapsedTimer timer;
    timer.start();
    checker.start();
    while (result == -2)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    damaged = checker.damagedFiles().size();
    return result == 0 ? timer.nsecsElapsed() / 1e9 : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    QTemporaryDir web;
    Paths::setApplicationFolder(work.path());
    gameProduct.productId = QStringLiteral("gd7");
    std::printf("writing a 2 GiB game of %d files...\n", FileCount);
    const QString gameFolder = Paths::gameFolder(true);
    const QStringList paths = writeGame(gameFolder);
    if (paths.size() != FileCount) {
        std::fprintf(stderr, "cannot write the game\n");
        return 1;
    }
    QHash<QString, QString> sha1sumDigests;
    QHash<QString, QString> opensslDigests;
    const double sha1sumSeconds = bestOf(
        3, [&] { return timeDigests(QStringLiteral("sha1sum"), {}, gameFolder, paths, sha1sumDigests); });
    const double opensslSeconds = bestOf(3, [&] {
        return timeDigests(QStringLiteral("openssl"), {QStringLiteral("sha1"), QStringLiteral("-r")},
                           gameFolder, paths, opensslDigests);
    });
    NginxServer nginx;
    if (sha1sumSeconds < 0 || opensslSeconds < 0 || !publishPackage(web.path(), paths, sha1sumDigests) ||
        !nginx.start(web.path())) {
        std::fprintf(stderr, "cannot prepare the reference digests or the package file\n");
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
    const double checkerSeconds = bestOf(3, [&] { return timeChecker(manifest, damaged); });
    if (checkerSeconds < 0)
        return 1;
    const double faster = qMin(sha1sumSeconds, opensslSeconds);
    std::printf("SHA-1 of a 2 GiB game in %d files, warm; digests %s, checker found %d damaged\n", FileCount,
                sha1sumDigests == opensslDigests ? "agree" : "DIFFER", damaged);
    std::printf("  sha1sum        %7.3f s  %7.0f MiB/s\n", sha1sumSeconds,
                mibPerSecond(GameSize, sha1sumSeconds));
    std::printf("  openssl sha1   %7.3f s  %7.0f MiB/s\n", opensslSeconds,
                mibPerSecond(GameSize, opensslSeconds));
    std::printf("  Checker        %7.3f s  %7.0f MiB/s  ratio to the faster %.2f (goal 0.9 or above)\n",
                checkerSeconds, mibPerSecond(GameSize, checkerSeconds), faster / checkerSeconds);
    return damaged == 0 && sha1sumDigests == opensslDigests ? 0 : 1;
}
