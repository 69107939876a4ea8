// sevenZipExtract against `7zz x -mmt=1` on two archives made by 7zz in a temporary folder (TMPDIR):
// 300 MiB of half random, half text-like data in LZMA2, and about 128 MiB of the system's shared
// libraries with BCJ2. Warm, best of three; the output folder is emptied before every run.

#include "bench/patchbench.h"
#include "patch/sevenzip.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 MiB = 1024 * 1024;

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray randomBytes(QRandomGenerator &random, qint64 size)
{
    QByteArray bytes(int(size), '\0');
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray textLike(QRandomGenerator &random, qint64 size)
{
    static const QList<QByteArray> words =
        QByteArray(
            "the of and to in is was for that on with as by at from glimmer deep launcher patch archive "
            "release build world city map sound texture shader level quest item")
            .split(' ');
    QByteArray text;
    text.reserve(int(size) + 16);
    while (text.size() < size)
        text += words.at(int(random.bounded(words.size()))) + (random.bounded(14) ? ' ' : '\n');
    text.truncate(int(size));
    return text;
}

// 300 MiB in files of 5 MiB: half random bytes, half text.
qint64 makeMixedContent(const QString &folder)
{
    QDir().mkpath(folder);
    QRandomGenerator random(5);
    qint64 total = 0;
    for (int i = 0; i < 30; ++i) {
        const QString index = QString::number(i);
        if (!writeFile(folder + QStringLiteral("/random") + index + QStringLiteral(".bin"),
                       randomBytes(random, 5 * MiB)) ||
            !writeFile(folder + QStringLiteral("/text") + index + QStringLiteral(".txt"),
                       textLike(random, 5 * MiB)))
            return -1;
        total += 10 * MiB;
    }
    return total;
}

// Shared libraries of this system, in name order, up to 128 MiB.
qint64 makeProgramContent(const QString &folder)
{
    QDir().mkpath(folder);
    QDir libraries(QStringLiteral("/usr/lib/x86_64-linux-gnu"));
    qint64 total = 0;
    for (const QFileInfo &library :
         libraries.entryInfoList({QStringLiteral("*.so*")}, QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        if (library.size() < 64 * 1024 || total + library.size() > 128 * MiB)
            continue;
        if (!QFile::copy(library.filePath(), folder + QLatin1Char('/') + library.fileName()))
            return -1;
        total += library.size();
    }
    return total;
}

bool benchmarkArchive(const QString &title, const QString &work, const QString &content, qint64 contentSize,
                      const QStringList &switches)
{
    const QString archive = work + QLatin1Char('/') + QFileInfo(content).fileName() + QStringLiteral(".7z");
    std::printf("%s: packing with 7zz ...\n", qPrintable(title));
    std::fflush(stdout);
    if (contentSize <= 0 ||
        timeProgram(QStringLiteral("7zz"), QStringList{QStringLiteral("a"), QStringLiteral("-bd"), archive} +
                                               switches + QStringList{content + QStringLiteral("/*")}) < 0)
        return false;
    QDir(content).removeRecursively();
    const QString output = work + QStringLiteral("/out");
    const auto emptyOutput = [&] { QDir(output).removeRecursively(); };
    const double toolSeconds = bestOf(
        3,
        [&] {
            return timeProgram(QStringLiteral("7zz"),
                               {QStringLiteral("x"), QStringLiteral("-bd"), QStringLiteral("-y"),
                                QStringLiteral("-mmt=1"), QStringLiteral("-o") + output, archive});
        },
        emptyOutput);
    const double oursSeconds = bestOf(
        3, [&] { return timeWork([&] { return sevenZipExtract(archive, output, nullptr); }); }, emptyOutput);
    emptyOutput();
    if (toolSeconds < 0 || oursSeconds < 0)
        return false;
    std::printf("%s: archive %.1f MiB, content %.1f MiB\n", qPrintable(title),
                QFileInfo(archive).size() / 1048576.0, contentSize / 1048576.0);
    std::printf("  7zz x -mmt=1      %7.3f s  %7.1f MiB/s\n", toolSeconds,
                mibPerSecond(contentSize, toolSeconds));
    std::printf("  sevenZipExtract   %7.3f s  %7.1f MiB/s  ratio to 7zz %.2f (goal 1.1 or below)\n",
                oursSeconds, mibPerSecond(contentSize, oursSeconds), oursSeconds / toolSeconds);
    QFile::remove(archive);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    const QString mixed = work.filePath(QStringLiteral("mixed"));
    const QString programs = work.filePath(QStringLiteral("programs"));
    const bool ok =
        benchmarkArchive(QStringLiteral("300 MiB half random, half text, LZMA2"), work.path(), mixed,
                         makeMixedContent(mixed), {QStringLiteral("-m0=LZMA2"), QStringLiteral("-mx=3")}) &&
        benchmarkArchive(QStringLiteral("shared libraries, BCJ2"), work.path(), programs,
                         makeProgramContent(programs),
                         {QStringLiteral("-mf=BCJ2"), QStringLiteral("-m0=LZMA"), QStringLiteral("-mx=3")});
    return ok ? 0 : 1;
}
