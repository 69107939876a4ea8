#include "tools/publish/filecommands.h"

#include "patch/jdiff.h"
#include "patch/jdiffencoder.h"
#include "tools/publish/commandline.h"

#include <QFileInfo>

int runDiffCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("old"), QStringLiteral("The old file."));
    parser.addPositionalArgument(QStringLiteral("new"), QStringLiteral("The new file."));
    parser.addPositionalArgument(QStringLiteral("patch"), QStringLiteral("The patch stream to write."));
    const int parsed =
        parseCommand(parser, args, 3, QStringLiteral("Writes the patch stream from OLD to NEW."));
    if (parsed >= 0)
        return parsed;
    const QStringList files = parser.positionalArguments().mid(1);
    const int code = jdiff::createPatchFile(files.at(0), files.at(1), files.at(2));
    switch (code) {
    case jdiff::EncodeOk:
        printOut(QStringLiteral("%1 bytes").arg(QFileInfo(files.at(2)).size()));
        return ExitOk;
    case jdiff::EncodeOldUnreadable:
        fail(QStringLiteral("cannot read old file: %1").arg(files.at(0)));
        break;
    case jdiff::EncodeNewUnreadable:
        fail(QStringLiteral("cannot read new file: %1").arg(files.at(1)));
        break;
    default:
        fail(QStringLiteral("cannot write patch: %1").arg(files.at(2)));
    }
    return code;
}

int runApplyCommand(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("old"), QStringLiteral("The old file."));
    parser.addPositionalArgument(QStringLiteral("patch"), QStringLiteral("The patch stream."));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The new file to write."));
    const int parsed =
        parseCommand(parser, args, 3,
                     QStringLiteral("Rebuilds a file from OLD and PATCH; exits with the applier's "
                                    "result code."));
    if (parsed >= 0)
        return parsed;
    const QStringList files = parser.positionalArguments().mid(1);
    const int code = jdiff::applyPatchFile(files.at(0), files.at(1), files.at(2), nullptr);
    if (code != jdiff::Success)
        fail(QStringLiteral("applying %1 to %2 failed with code %3").arg(files.at(1), files.at(0)).arg(code));
    return code;
}
