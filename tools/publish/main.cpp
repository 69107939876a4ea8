// gd7-publish: the publisher's tool that turns game builds into a release folder for the launcher.

#include "app/logger.h"
#include "tools/publish/commandline.h"
#include "tools/publish/filecommands.h"
#include "tools/publish/fullcommand.h"
#include "tools/publish/manifestcommand.h"
#include "tools/publish/patchcommand.h"
#include "tools/publish/signingkey.h"
#include "tools/publish/verifycommand.h"

#include <QCoreApplication>
#include <QMap>

#include <functional>

namespace {

using Command = std::function<int(const QStringList &)>;

const QString Usage = QStringLiteral(
    "Usage: gd7-publish [--log FILE] COMMAND [options] ARGUMENTS   (gd7-publish COMMAND --help for details)\n"
    "\n"
    "Commands:\n"
    "  full BUILD RELEASE         add a full package of a build (with recovery files for the game)\n"
    "  patch OLD NEW RELEASE      add a patch package from one build to the next\n"
    "  manifest RELEASE           edit update.json: contents, product version and size\n"
    "  verify RELEASE             check every promise of a release's update.json\n"
    "  keygen KEYFILE             make a key pair for signing update.json (KEYFILE.pub: public key)\n"
    "  sign RELEASE --key KEYFILE give update.json the next serial and sign it (update.json.sig)\n"
    "  diff OLD NEW PATCH         write the patch stream from one file to another\n"
    "  apply OLD PATCH OUT        rebuild a file from its old version and a patch stream\n"
    "\n"
    "A release: gd7-publish full --version 1.0.0 --base-url http://cdn/gd7 build-1.0.0 release\n"
    "           gd7-publish patch --from 1.0.0 --to 1.1.0 --base-url http://cdn/gd7 build-1.0.0 build-1.1.0 "
    "release\n"
    "           gd7-publish verify release --build 1.0.0=build-1.0.0 --build 1.1.0=build-1.1.0\n"
    "           tools/serve-release 8080 release      (serves it on 127.0.0.1 for a test)\n"
    "update.json is written last and whole, after every file it names is in place; with --key KEYFILE\n"
    "full, patch and manifest sign it again (a signed release is only rewritten with its key).\n"
    "--log FILE keeps the launcher libraries' own log lines (archives, patching) in FILE.");

const QMap<QString, Command> &commands()
{
    static const QMap<QString, Command> table{
        {QStringLiteral("full"), runFullCommand},         {QStringLiteral("patch"), runPatchCommand},
        {QStringLiteral("manifest"), runManifestCommand}, {QStringLiteral("diff"), runDiffCommand},
        {QStringLiteral("apply"), runApplyCommand},       {QStringLiteral("verify"), runVerifyCommand},
        {QStringLiteral("keygen"), runKeygenCommand},     {QStringLiteral("sign"), runSignCommand},
    };
    return table;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--log")) {
        if (args.size() < 2 || !Logger::instance().open(args.at(1), QString()))
            return usageError(QStringLiteral("--log: cannot write the log file \"%1\"").arg(args.value(1)));
        args = args.mid(2);
    }
    const QString name = args.value(0);
    if (name.isEmpty() || name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printOut(Usage);
        return name.isEmpty() ? ExitUsage : ExitOk;
    }
    const auto command = commands().constFind(name);
    if (command == commands().constEnd())
        return usageError(QStringLiteral("unknown command: %1").arg(name));
    return (*command)(args);
}
