#include "tools/publish/fullcommand.h"

#include "app/paths.h"
#include "tools/publish/buildfiles.h"
#include "tools/publish/commandline.h"
#include "tools/publish/contentpublisher.h"
#include "tools/publish/folderpacker.h"
#include "tools/publish/torrentmaker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString GameProduct = QStringLiteral("gd7");
const QString PackageName = QStringLiteral("package.conf");
const QString RecoverFolder = QStringLiteral("recover");

bool writePackageConf(const QList<BuildFile> &files, const QString &path, QString &error)
{
    QJsonArray content;
    for (const BuildFile &file : files) {
        content.append(QJsonObject{{QStringLiteral("path"), file.path},
                                   {QStringLiteral("sha1"), file.sha1},
                                   {QStringLiteral("size"), static_cast<double>(file.size)}});
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    out.write(
        QJsonDocument(QJsonObject{{QStringLiteral("content"), content}}).toJson(QJsonDocument::Indented));
    if (!out.commit()) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// The files the file checker and the recovery fetch one by one: a copy of the build below
// recover/<id>/ with its "package.conf", and a torrent of that folder whose web seeds are the
// "recover_http" locations.
bool makeRecovery(ContentPublisher &publisher, const QString &build, const QList<BuildFile> &files,
                  QJsonObject &entry, QString &error)
{
    const QString tree = RecoverFolder + QLatin1Char('/') + publisher.id();
    for (const BuildFile &file : files) {
        if (file.path == PackageName) {
            error = QStringLiteral("a build file named %1 at the top clashes with the file list")
                        .arg(PackageName);
            return false;
        }
        if (!copyFileTo(Paths::joinPath(build, file.path),
                        publisher.stagingPath(tree + QLatin1Char('/') + file.path), error))
            return false;
    }
    Paths::makePath(publisher.stagingPath(tree));
    if (!writePackageConf(files, publisher.stagingPath(tree + QLatin1Char('/') + PackageName), error))
        return false;
    const QStringList recoverHttp = publisher.urls(RecoverFolder + QLatin1Char('/'));
    const QString torrent = tree + QStringLiteral(".torrent");
    if (!makeFolderTorrent(publisher.stagingPath(tree), PackageName, recoverHttp,
                           publisher.stagingPath(torrent), error))
        return false;
    entry.insert(QStringLiteral("recover_http"), QJsonArray::fromStringList(recoverHttp));
    entry.insert(QStringLiteral("recover_torrents"), QJsonArray::fromStringList(publisher.urls(torrent)));
    return true;
}

} // namespace

int runFullCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("build"), QStringLiteral("Folder holding the build."));
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder to add the package to."));
    parser.addOption({QStringLiteral("version"), QStringLiteral("Version of the build (major.minor.build)."),
                      QStringLiteral("version")});
    parser.addOption({QStringLiteral("no-recovery"),
                      QStringLiteral("Leave out package.conf, the recovery tree and torrent (default for "
                                     "products other than gd7).")});
    ContentPublisher::addOptions(parser);
    const int parsed =
        parseCommand(parser, args, 2, QStringLiteral("Adds a full package of a build to a release folder."));
    if (parsed >= 0)
        return parsed;
    const QString build = parser.positionalArguments().at(1);
    const QString release = parser.positionalArguments().at(2);
    QString error;
    QString version;
    if (!versionOption(parser, QStringLiteral("version"), version, error))
        return usageError(error);
    ContentPublisher publisher;
    if (!publisher.readOptions(parser, parser.value(QStringLiteral("product")) + QLatin1Char('_') + version,
                               error))
        return usageError(error);
    const bool recovery = publisher.product() == GameProduct && !parser.isSet(QStringLiteral("no-recovery"));

    const QString tree = RecoverFolder + QLatin1Char('/') + publisher.id();
    const QStringList extra = recovery ? QStringList{tree, tree + QStringLiteral(".torrent")} : QStringList();
    if (!publisher.begin(release, extra, error))
        return fail(error);
    // The file list and the recovery tree are made while the archive is being packed: packing
    // leaves room on the cores that hashing and copying take.
    FolderPacker packer(publisher.stagingPath(publisher.archiveName()), build);
    if (!packer.start(error))
        return fail(error);
    QList<BuildFile> files;
    if (!listBuildFiles(build, files, error))
        return fail(error);
    QJsonObject entry;
    if ((recovery && !makeRecovery(publisher, build, files, entry, error)) || !packer.finish(error))
        return fail(error);
    if (!publisher.finish(entry, version, totalSize(files), error))
        return fail(error);
    printOut(QStringLiteral("published %1 (%2)").arg(publisher.id(), publisher.archiveName()));
    return ExitOk;
}
