#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// Exit codes of gd7-publish besides the applier's own codes.
enum PublishExit {
    ExitOk = 0,
    ExitFailed = 1,
    ExitUsage = 2,
};

// Prints "gd7-publish: " + message on stderr and returns ExitFailed.
int fail(const QString &message);
// Prints "gd7-publish: " + message on stderr; the command goes on.
void warn(const QString &message);
// The same for a wrong command line; returns ExitUsage.
int usageError(const QString &message);
void printOut(const QString &text);

// Parses a subcommand's arguments (args[0] is the subcommand). Returns -1 when the command should
// run, otherwise the exit code to end with (after --help or a wrong command line).
int parseCommand(QCommandLineParser &parser, const QStringList &args, int positionalCount,
                 const QString &description);

// The value of a version option, or an error message in error when it does not parse.
bool versionOption(const QCommandLineParser &parser, const QString &name, QString &version, QString &error);
