#include "tools/publish/verifycommand.h"

#include "app/version.h"
#include "tools/publish/commandline.h"
#include "tools/publish/releaseverifier.h"
#include "tools/publish/signingkey.h"

#include <QFileInfo>

int runVerifyCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder holding update.json."));
    parser.addOption({QStringLiteral("build"),
                      QStringLiteral("A build the release must reproduce, as VERSION=FOLDER; repeatable."),
                      QStringLiteral("version=folder")});
    parser.addOption({QStringLiteral("product"),
                      QStringLiteral("Product of the --build folders (default gd7)."), QStringLiteral("id"),
                      QStringLiteral("gd7")});
    parser.addOption({QStringLiteral("public-key"),
                      QStringLiteral("Require update.json.sig by this public key (base64 or a .pub file); "
                                     "repeatable."),
                      QStringLiteral("key")});
    const int parsed =
        parseCommand(parser, args, 1,
                     QStringLiteral("Checks a release before upload: archives exist and unpack, "
                                    "torrents match their files, recovery files match package.conf, "
                                    "patch packages rebuild the versions they promise."));
    if (parsed >= 0)
        return parsed;
    const QString release = parser.positionalArguments().at(1);
    if (!QFileInfo(release).isDir())
        return fail(QStringLiteral("not a folder: %1").arg(release));
    ReleaseVerifier verifier(release);
    QStringList keys;
    QString error;
    if (!SigningKey::readPublicKeys(parser.values(QStringLiteral("public-key")), keys, error))
        return usageError(error);
    verifier.setPublicKeys(keys);
    for (const QString &build : parser.values(QStringLiteral("build"))) {
        const Version version = parseVersion(build.section(QLatin1Char('='), 0, 0));
        const QString folder = build.section(QLatin1Char('='), 1);
        if (!version.isValid() || !QFileInfo(folder).isDir())
            return usageError(
                QStringLiteral("--build: not VERSION=FOLDER of an existing folder: \"%1\"").arg(build));
        verifier.addReference(parser.value(QStringLiteral("product")), formatVersion(version), folder);
    }
    const bool sound = verifier.verify();
    for (const QString &note : verifier.notes())
        printOut(QStringLiteral("note: ") + note);
    for (const QString &problem : verifier.problems())
        fail(problem);
    if (!sound)
        return ExitFailed;
    printOut(QStringLiteral("release is sound: %1 (%2 contents checked)")
                 .arg(release)
                 .arg(verifier.checkedContents()));
    return ExitOk;
}
