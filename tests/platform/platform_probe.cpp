// A stand-in program for the platform tests.
// Usage: platform_probe report          writes its path, working folder and arguments as JSON
//                                        to the file named by GD7_PROBE_REPORT, then exits
//        platform_probe sleep MS         exits after MS milliseconds
//        platform_probe hang             never exits on its own
//        platform_probe exit CODE        leaves through platform::exitApp
#include "platform/processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QThread>

#include <cstdio>

namespace {

struct SaysGoodbye
{
    ~SaysGoodbye()
    {
        std::fputs("destructor\n", stdout);
        std::fflush(stdout);
    }
};

int report(const QStringList &arguments)
{
    QJsonObject object;
    object.insert(QStringLiteral("program"), QCoreApplication::applicationFilePath());
    object.insert(QStringLiteral("cwd"), QDir::currentPath());
    object.insert(QStringLiteral("args"), QJsonArray::fromStringList(arguments));
    QSaveFile file(qEnvironmentVariable("GD7_PROBE_REPORT"));
    if (!file.open(QIODevice::WriteOnly))
        return 3;
    file.write(QJsonDocument(object).toJson());
    return file.commit() ? 0 : 3;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("report"))
        return report(args.mid(1));
    if (mode == QLatin1String("sleep")) {
        QThread::msleep(args.value(1).toULong());
        return 0;
    }
    if (mode == QLatin1String("hang")) {
        for (;;)
            QThread::sleep(60);
    }
    if (mode == QLatin1String("exit")) {
        SaysGoodbye goodbye;
        std::fputs("before\n", stdout);
        std::fflush(stdout);
        platform::exitApp(args.value(1).toInt());
    }
    return 2;
}
