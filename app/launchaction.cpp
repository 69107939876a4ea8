#include "app/launchaction.h"

LaunchAction parseLaunchAction(const QStringList &arguments, ActionOptions &options)
{
    options.clear();
    LaunchAction action = LaunchAction::None;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        if (argument == QLatin1String("--install")) {
            action = LaunchAction::Install;
        } else if (argument == QLatin1String("--update")) {
            action = LaunchAction::Update;
        } else if (argument == QLatin1String("--uninstall")) {
            action = LaunchAction::Uninstall;
        } else if (argument == QLatin1String("--path") && hasNext) {
            options.insert(LaunchOption::Path, arguments[++i]);
        } else if (argument == QLatin1String("--pid") && hasNext) {
            options.insert(LaunchOption::Pid, arguments[++i].toInt(nullptr, 10));
        }
    }
    return action;
}
