#include "tools/publish/commandline.h"

#include "app/version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

void warn(const QString &message)
{
    QTextStream err(stderr);
    err << "gd7-publish: " << message << '\n';
}

int fail(const QString &message)
{
    warn(message);
    return ExitFailed;
}

int usageError(const QString &message)
{
    fail(message + QStringLiteral(" (see --help)"));
    return ExitUsage;
}

void printOut(const QString &text)
{
    QTextStream out(stdout);
    out << text << '\n';
}

int parseCommand(QCommandLineParser &parser, const QStringList &args, int positionalCount,
                 const QString &description)
{
    parser.setApplicationDescription(description);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    QStringList programArgs = args;
    programArgs.prepend(QStringLiteral("gd7-publish"));
    if (!parser.parse(programArgs))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // Qt names the program by its path; the help names the subcommand too.
        printOut(parser.helpText().replace(
            QCoreApplication::arguments().value(0) + QStringLiteral(" [options]"),
            QStringLiteral("gd7-publish ") + args.value(0) + QStringLiteral(" [options]")));
        return ExitOk;
    }
    // The first positional argument is the subcommand itself.
    if (parser.positionalArguments().size() != positionalCount + 1)
        return usageError(QStringLiteral("%1 takes %2 arguments, got %3")
                              .arg(args.value(0))
                              .arg(positionalCount)
                              .arg(parser.positionalArguments().size() - 1));
    return -1;
}

bool versionOption(const QCommandLineParser &parser, const QString &name, QString &version, QString &error)
{
    const QString text = parser.value(name);
    const Version parsed = parseVersion(text);
    if (text.isEmpty() || !parsed.isValid()) {
        error = QStringLiteral("--%1: not a version major.minor.build: \"%2\"").arg(name, text);
        return false;
    }
    version = formatVersion(parsed);
    return true;
}
