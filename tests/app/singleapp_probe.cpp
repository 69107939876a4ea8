// A launcher stand-in for the single-instance test: becomes primary or rings the primary.
// Usage: singleapp_probe LOCK_KEY MEMORY_KEY LIFETIME_MS
//        singleapp_probe LOCK_KEY MEMORY_KEY hold      (takes the start lock and keeps it)
#include "app/singleapp.h"

#include <QGuiApplication>
#include <QLockFile>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    QTextStream out(stdout);
    if (args[3] == QLatin1String("hold")) {
        QLockFile lock(SingleApp::lockFilePath(args[1]));
        if (!lock.lock())
            return 1;
        out << "held" << Qt::endl;
        return app.exec();
    }
    SingleApp single(args[1], args[2]);
    if (!single.tryBecomePrimary()) {
        single.notifyPrimary();
        out << "secondary" << Qt::endl;
        return 0;
    }
    out << "primary" << Qt::endl;
    QObject::connect(&single, &SingleApp::activateApp, [&out] { out << "activated" << Qt::endl; });
    QTimer::singleShot(args[3].toInt(), &app, &QCoreApplication::quit);
    return app.exec();
}
