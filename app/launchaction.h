#pragma once

#include <QHash>
#include <QStringList>
#include <QVariant>

// The role this run of the executable plays, chosen on its command line.
enum class LaunchAction { None = 0, Install = 1, Update = 2, Uninstall = 3 };

enum class LaunchOption { Path = 0, Pid = 1 };

inline uint qHash(LaunchOption option, uint seed = 0)
{
    return ::qHash(static_cast<int>(option), seed);
}

using ActionOptions = QHash<LaunchOption, QVariant>;

// Reads "--install", "--update", "--uninstall" (the last one wins), "--path <text>" and
// "--pid <number>"; arguments[0] is the program. Anything else is ignored.
LaunchAction parseLaunchAction(const QStringList &arguments, ActionOptions &options);
