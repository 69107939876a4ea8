#include "tools/publish/verifycommand.h"

#include "tools/publish/commandline.h"
#include "tools/publish/releaseverifier.h"

#include <QFileInfo>

int runVerifyCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("release"),
                                 QStringLiteral("Release folder holding update.json."));
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
