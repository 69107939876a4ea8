// For every JojoDiff reference vector: the size and time of our patch beside the reference
// encoder's patch size (default options, and the smallest over all its options), each patch
// checked by applying it. big_64m is rebuilt with gen_cases.py in a temporary folder.
//
//   bench_publishdiff [CASE...]      (env GD7_TEST_DATA: the test data folder)

#include "bench/benchkit.h"
#include "patch/filesha1.h"
#include "patch/jdiff.h"
#include "patch/jdiffencoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

// The encoder alone has no anchor to run in turns with: the median of a few runs.
constexpr int Runs = 3;

struct Reference
{
    qint64 defaultSize = -1;
    qint64 bestSize = -1;
    double defaultSeconds = -1;
};

// The reference encoder's results by case, from MANIFEST.tsv.
QMap<QString, Reference> readManifest(const QString &path)
{
    QMap<QString, Reference> references;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return references;
    QTextStream in(&file);
    const QStringList header = in.readLine().split(QLatin1Char('\t'));
    const int caseColumn = header.indexOf(QStringLiteral("case"));
    const int optionColumn = header.indexOf(QStringLiteral("option"));
    const int sizeColumn = header.indexOf(QStringLiteral("patch_size"));
    const int fileColumn = header.indexOf(QStringLiteral("patch_file"));
    const int wallColumn = header.indexOf(QStringLiteral("jdiff_wall_s"));
    while (!in.atEnd()) {
        const QStringList row = in.readLine().split(QLatin1Char('\t'));
        if (row.size() < header.size())
            continue;
        Reference &reference = references[row.at(caseColumn)];
        const qint64 size = row.at(sizeColumn).toLongLong();
        if (reference.bestSize < 0 || size < reference.bestSize)
            reference.bestSize = size;
        if (row.at(optionColumn) == QLatin1String("(default)") &&
            row.at(fileColumn) == QLatin1String("patch")) {
            reference.defaultSize = size;
            reference.defaultSeconds = row.at(wallColumn).toDouble();
        }
    }
    return references;
}

bool generateCase(const QString &generator, const QString &folder, const QString &name)
{
    return benchkit::timeProgram(QStringLiteral("python3"), {generator, folder, name}) >= 0;
}

void benchCase(const QString &name, const QString &folder, const Reference &reference, const QString &work)
{
    const QString oldPath = folder + QStringLiteral("/old");
    const QString newPath = folder + QStringLiteral("/new");
    const QString patchPath = work + QStringLiteral("/patch");
    const QString outPath = work + QStringLiteral("/out");
    QList<double> runs;
    for (int run = 0; run < Runs && (runs.isEmpty() || runs.last() >= 0); ++run)
        runs.append(benchkit::timeWork(
            [&]() { return jdiff::createPatchFile(oldPath, newPath, patchPath) == jdiff::EncodeOk; }));
    const double seconds = runs.contains(-1) ? -1 : benchkit::median(runs);
    const bool roundTrip = seconds >= 0 &&
                           jdiff::applyPatchFile(oldPath, patchPath, outPath, nullptr) == jdiff::Success &&
                           fileSha1(outPath) == fileSha1(newPath);
    const qint64 size = QFileInfo(patchPath).size();
    std::printf("%-20s %12lld %12lld %12lld %6s %10.3f %10.2f %s\n", qPrintable(name), size,
                static_cast<long long>(reference.defaultSize), static_cast<long long>(reference.bestSize),
                size <= reference.defaultSize ? "yes" : "NO", seconds, reference.defaultSeconds,
                roundTrip ? "ok" : "FAILED");
    QFile::remove(outPath);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString data = benchkit::testDataFolder() + QStringLiteral("/jdiff");
    const QMap<QString, Reference> references = readManifest(data + QStringLiteral("/MANIFEST.tsv"));
    if (references.isEmpty()) {
        std::fprintf(stderr, "no reference vectors in %s\n", qPrintable(data));
        return 1;
    }
    QStringList names = app.arguments().mid(1);
    if (names.isEmpty()) {
        // Every vector kept with its files, and big_64m; the 4 GiB sparse case only when named.
        for (const QString &name : references.keys()) {
            if (QFileInfo::exists(data + QLatin1Char('/') + name + QStringLiteral("/old")))
                names.append(name);
        }
        names.append(QStringLiteral("big_64m"));
    }
    QTemporaryDir work;
    std::printf("%-20s %12s %12s %12s %6s %10s %10s %s\n", "case", "ours", "ref", "ref_best", "<=ref",
                "ours_s", "ref_s", "roundtrip");
    for (const QString &name : names) {
        QString folder = data + QLatin1Char('/') + name;
        if (!QFileInfo::exists(folder + QStringLiteral("/old"))) {
            // Big cases are kept as patches only; rebuild their files.
            if (!generateCase(data + QStringLiteral("/gen_cases.py"), work.path(), name)) {
                std::printf("%-20s skipped: cannot rebuild its files\n", qPrintable(name));
                continue;
            }
            folder = work.path() + QLatin1Char('/') + name;
        }
        benchCase(name, folder, references.value(name), work.path());
        if (folder.startsWith(work.path()))
            QDir(folder).removeRecursively();
    }
    return 0;
}
