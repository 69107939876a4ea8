// Times the launcher's update of a game from nothing through one full package (default 1 GiB,
// first argument in MiB), over its HTTP path and its torrent path (web seed on nginx), against
// "curl -o" plus "7zz x" of the same archive, in turns (second argument: pairs, default 5), with
// the peak resident memory of the launcher side (the update runs in this process); then a patch
// from that version to the next against the full package of the next version (time and bytes
// transferred). The HTTP path also runs without the archive's "sha256", which shows what the
// digest check costs. The pauses the launcher makes before each unpack and patch are set to 0
// here and reported apart.

#include "app/languagemanager.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "bench/benchkit.h"
#include "net/torrentsession.h"
#include "tests/support/nginxserver.h"
#include "tests/update/releasekit.h"
#include "tests/update/updatedriver.h"
#include "update/autoupdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr qint64 MiB = 1024 * 1024;
QTextStream out(stdout);

ReleaseKit::Files build(qint64 size, int version)
{
    QByteArray big(int(size), Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(big.data()), big.size() / 4);
    if (version > 1)
        big.replace(int(size / 2), 4096, QByteArray(4096, 'v'));
    return {{"data/game.bin", big}, {"readme.txt", QByteArray("version ") + QByteArray::number(version)}};
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

double baseline(const QUrl &url)
{
    QTemporaryDir scratch;
    const QString archive = scratch.filePath(QStringLiteral("a.7z"));
    QElapsedTimer timer;
    timer.start();
    if (!runTool(QStringLiteral("curl"), {"-s", "-o", archive, url.toString()}) ||
        !runTool(QStringLiteral("7zz"), {"x", "-y", "-o" + scratch.filePath(QStringLiteral("out")), archive}))
        return -1;
    return seconds(timer);
}

// One update into a fresh application folder, from the installed version (empty: nothing).
double update(const QUrl &manifest, bool useTorrents, const QString &installed, const ReleaseKit::Files &game)
{
    QTemporaryDir application;
    Paths::setApplicationFolder(application.path());
    gameProduct = makeGameProduct(nullptr);
    if (!installed.isEmpty()) {
        gameProduct.version = parseVersion(installed);
        for (auto it = game.cbegin(); it != game.cend(); ++it)
            ReleaseKit::writeFile(Paths::joinPath(Paths::gameFolder(true), it.key()), it.value());
    }
    AutoUpdate::instance()->setUseTorrents(useTorrents);
    AutoUpdate::instance()->setInstallPauseMs(0);
    double elapsed = -1;
    {
        UpdateDriver driver(Paths::settingsPath());
        QElapsedTimer timer;
        timer.start();
        if (driver.run({manifest}, 3600 * 1000) == 0)
            elapsed = seconds(timer);
    }
    AutoUpdate::destroyInstance();
    return elapsed;
}

QString amount(qint64 bytes)
{
    return bytes < MiB ? QString::number(double(bytes) / 1024.0, 'f', 1) + QStringLiteral(" KiB")
                       : QString::number(double(bytes) / double(MiB), 'f', 1) + QStringLiteral(" MiB");
}

// The update against curl + 7zz x, pair after pair, and the launcher's peak resident memory.
void compare(const char *what, const QUrl &manifest, bool useTorrents, const QUrl &archive, int pairs)
{
    qint64 peakKiB = 0;
    auto launcher = [&] {
        benchkit::resetPeakResident();
        const double elapsed = update(manifest, useTorrents, QString(), {});
        peakKiB = qMax(peakKiB, benchkit::memoryKiB("VmHWM"));
        return elapsed;
    };
    out << what << Qt::endl;
    const benchkit::Comparison comparison =
        benchkit::compareInterleaved(pairs, launcher, [&archive] { return baseline(archive); });
    benchkit::printComparison(QString::fromLatin1(what), QStringLiteral("curl -o + 7zz x"), comparison,
                              QStringLiteral("goal <= 1.2"));
    out << "  peak resident memory of the launcher: " << peakKiB / 1024 << " MiB (goal < 128 MiB)"
        << Qt::endl;
}

void row(const char *what, double time, qint64 bytes)
{
    out << qSetFieldWidth(34) << Qt::left << what << qSetFieldWidth(0) << QString::number(time, 'f', 2)
        << " s  " << amount(bytes) << " transferred";
    if (time > 0)
        out << "  " << QString::number(double(bytes) / double(MiB) / time, 'f', 1) << " MiB/s";
    out << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    LanguageManager::instance().setLanguage(QStringLiteral("en"));
    TorrentSession::setLoopbackOnly(true);
    launcherProduct = makeLauncherProduct();
    const qint64 size = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024) * MiB;
    const int pairs = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;

    QTemporaryDir served;
    NginxServer nginx;
    if (!nginx.start(served.path()))
        return 1;
    ReleaseKit kit(served.path());
    kit.setBaseUrl(nginx.url(QStringLiteral("/")));
    out << "publishing " << size / MiB << " MiB builds..." << Qt::endl;
    QJsonObject full;
    QJsonObject fullNext;
    QJsonObject patch;
    {
        // Let go before measuring: the launcher's own memory is what the figures show.
        const ReleaseKit::Files first = build(size, 1);
        const ReleaseKit::Files second = build(size, 2);
        full = kit.full("game-1.0.0", "1.0.0", first, true);
        fullNext = kit.full("game-1.1.0", "1.1.0", second, true);
        patch = kit.patch("patch-1.1.0", "1.0.0", "1.1.0", first, second, true);
    }
    if (full.isEmpty() || fullNext.isEmpty() || patch.isEmpty())
        return 1;
    const QJsonObject launcher = ReleaseKit::product(formatVersion(launcherProduct.version), {});
    auto strip = [](QJsonObject content) {
        content.remove(QStringLiteral("torrent"));
        return content;
    };
    const qint64 fullBytes = full.value(QStringLiteral("size")).toVariant().toLongLong();

    const QUrl archive = kit.url(full.value("name").toString());
    kit.publishManifest({{"gd7_launcher_en", launcher}, {"gd7", ReleaseKit::product("1.0.0", {full})}});
    compare("launcher, torrent path (web seed)", kit.manifestUrl(), true, archive, pairs);
    kit.publishManifest(
        {{"gd7_launcher_en", launcher}, {"gd7", ReleaseKit::product("1.0.0", {strip(full)})}});
    compare("launcher, HTTP path", kit.manifestUrl(), false, archive, pairs);

    out << "one run each:" << Qt::endl;
    const double checked = update(kit.manifestUrl(), false, QString(), {});
    row("launcher, HTTP path", checked, fullBytes);
    // The same without "sha256", as from an older publisher: what the digest check costs.
    QJsonObject unchecked = strip(full);
    unchecked.remove(QStringLiteral("sha256"));
    kit.publishManifest({{"gd7_launcher_en", launcher}, {"gd7", ReleaseKit::product("1.0.0", {unchecked})}});
    const double plain = update(kit.manifestUrl(), false, QString(), {});
    row("launcher, HTTP path, no digest", plain, fullBytes);
    if (checked > 0 && plain > 0)
        out << "digest check: " << QString::number((checked - plain) / plain * 100.0, 'f', 1)
            << " % of the update" << Qt::endl;

    kit.publishManifest({{"gd7_launcher_en", launcher},
                         {"gd7", ReleaseKit::product("1.1.0", {strip(fullNext), strip(patch)})}});
    row("1.1.0 by patch from 1.0.0, HTTP", update(kit.manifestUrl(), false, "1.0.0", build(size, 1)),
        patch.value(QStringLiteral("size")).toVariant().toLongLong());
    row("1.1.0 by full package, HTTP", update(kit.manifestUrl(), false, QString(), {}),
        fullNext.value(QStringLiteral("size")).toVariant().toLongLong());
    out << "not counted above: the launcher's pauses of 5 s before each unpack and each patch "
           "(1 for a full package, 2 for a patch)"
        << Qt::endl;
    return 0;
}
