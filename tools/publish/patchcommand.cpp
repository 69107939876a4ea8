#include "tools/publish/patchcommand.h"

#include "app/paths.h"
#include "app/version.h"
#include "patch/jdiffencoder.h"
#include "tools/publish/buildfiles.h"
#include "tools/publish/commandline.h"
#include "tools/publish/contentpublisher.h"
#include "tools/publish/folderpacker.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString ConfName = QStringLiteral("patch.conf");
const QString PackageFolder = QStringLiteral("package");

struct PatchLists
{
    QJsonArray modified;
    QJsonArray added;
    QJsonArray removed;
};

QJsonObject pathEntry(const QString &path)
{
    return QJsonObject{{QStringLiteral("path"), path}};
}

// A changed file goes in as a patch stream, or whole when the stream would not be smaller.
bool addChangedFile(const QString &oldBuild, const QString &newBuild, const BuildFile &oldFile,
                    const BuildFile &newFile, const QString &package, PatchLists &lists, QString &error)
{
    const QString newPath = Paths::joinPath(newBuild, newFile.path);
    const QString stream = Paths::joinPath(package, newFile.path);
    if (!Paths::makePath(QFileInfo(stream).path())) {
        error = QStringLiteral("cannot create folder: %1").arg(QFileInfo(stream).path());
        return false;
    }
    const int code = jdiff::createPatchFile(Paths::joinPath(oldBuild, oldFile.path), newPath, stream);
    if (code != jdiff::EncodeOk) {
        error = QStringLiteral("cannot make the patch stream of %1 (code %2)").arg(newFile.path).arg(code);
        return false;
    }
    if (QFileInfo(stream).size() >= newFile.size) {
        lists.added.append(pathEntry(newFile.path));
        return copyFileTo(newPath, stream, error);
    }
    lists.modified.append(QJsonObject{{QStringLiteral("path"), newFile.path},
                                      {QStringLiteral("size"), static_cast<double>(newFile.size)},
                                      {QStringLiteral("sha1_old"), oldFile.sha1},
                                      {QStringLiteral("sha1_new"), newFile.sha1}});
    return true;
}

bool fillPackage(const QString &oldBuild, const QString &newBuild, const QList<BuildFile> &oldFiles,
                 const QList<BuildFile> &newFiles, const QString &package, PatchLists &lists, QString &error)
{
    const QMap<QString, BuildFile> oldByPath = byPath(oldFiles);
    const QMap<QString, BuildFile> newByPath = byPath(newFiles);
    for (const BuildFile &file : newFiles) {
        if (file.path == ConfName) {
            error = QStringLiteral("a build file named %1 at the top clashes with the package description")
                        .arg(ConfName);
            return false;
        }
        const auto old = oldByPath.constFind(file.path);
        if (old == oldByPath.constEnd()) {
            lists.added.append(pathEntry(file.path));
            if (!copyFileTo(Paths::joinPath(newBuild, file.path), Paths::joinPath(package, file.path), error))
                return false;
        } else if (old->sha1 != file.sha1 &&
                   !addChangedFile(oldBuild, newBuild, *old, file, package, lists, error)) {
            return false;
        }
    }
    for (const BuildFile &file : oldFiles) {
        if (!newByPath.contains(file.path))
            lists.removed.append(pathEntry(file.path));
    }
    return true;
}

bool writePatchConf(const PatchLists &lists, const QString &from, const QString &to, const QString &path,
                    QString &error)
{
    const QJsonObject patch{{QStringLiteral("modified"), lists.modified},
                            {QStringLiteral("added"), lists.added},
                            {QStringLiteral("removed"), lists.removed}};
    const QJsonObject conf{{QStringLiteral("version_from"), from},
                           {QStringLiteral("version_to"), to},
                           {QStringLiteral("patch"), patch}};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    out.write(QJsonDocument(conf).toJson(QJsonDocument::Indented));
    if (!out.commit()) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

int runPatchCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("old"), QStringLiteral("Folder holding the old build."));
    parser.addPositionalArgument(QStringLiteral("new"), QStringLiteral("Folder holding the new build."));
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder to add the package to."));
    parser.addOption(
        {QStringLiteral("from"), QStringLiteral("Version of the old build."), QStringLiteral("version")});
    parser.addOption(
        {QStringLiteral("to"), QStringLiteral("Version of the new build."), QStringLiteral("version")});
    ContentPublisher::addOptions(parser);
    const int parsed =
        parseCommand(parser, args, 3,
                     QStringLiteral("Adds a patch package from an old to a new build to a release "
                                    "folder."));
    if (parsed >= 0)
        return parsed;
    const QString oldBuild = parser.positionalArguments().at(1);
    const QString newBuild = parser.positionalArguments().at(2);
    const QString release = parser.positionalArguments().at(3);
    QString error;
    QString from;
    QString to;
    if (!versionOption(parser, QStringLiteral("from"), from, error) ||
        !versionOption(parser, QStringLiteral("to"), to, error))
        return usageError(error);
    if (!(parseVersion(from) < parseVersion(to)))
        return usageError(QStringLiteral("a patch must go to a newer version: %1 => %2").arg(from, to));
    ContentPublisher publisher;
    const QString defaultId =
        parser.value(QStringLiteral("product")) + QLatin1Char('_') + from + QLatin1Char('_') + to;
    if (!publisher.readOptions(parser, defaultId, error))
        return usageError(error);

    QList<BuildFile> oldFiles;
    QList<BuildFile> newFiles;
    if (!listBuildFiles(oldBuild, oldFiles, error) || !listBuildFiles(newBuild, newFiles, error))
        return fail(error);
    if (!publisher.begin(release, {}, error))
        return fail(error);
    const QString package = publisher.stagingPath(PackageFolder);
    PatchLists lists;
    if (!Paths::makePath(package) ||
        !fillPackage(oldBuild, newBuild, oldFiles, newFiles, package, lists, error) ||
        !writePatchConf(lists, from, to, Paths::joinPath(package, ConfName), error))
        return fail(error);
    FolderPacker packer(publisher.stagingPath(publisher.archiveName()), package);
    if (!packer.start(error) || !packer.finish(error))
        return fail(QStringLiteral("cannot pack the patch package of %1: %2").arg(publisher.id(), error));
    if (!publisher.finish(QJsonObject{{QStringLiteral("version_from"), from}}, to, totalSize(newFiles),
                          error))
        return fail(error);
    printOut(QStringLiteral("published %1 (%2): %3 modified, %4 added, %5 removed")
                 .arg(publisher.id(), publisher.archiveName())
                 .arg(lists.modified.size())
                 .arg(lists.added.size())
                 .arg(lists.removed.size()));
    return ExitOk;
}
