// The sample game of the demo. It reads its version from "version.txt" beside it (part of the
// generated game data, so every release carries its own), shows it with the arguments the
// launcher passed, and, when GD7_SAMPLE_GAME_REPORT names a file, writes what it saw there so
// an unattended demo can check that the launcher started the right game the right way.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "samplegamewindow.h"

namespace {

QString installedVersion()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/version.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromUtf8(file.readAll()).trimmed();
}

bool writeReport(const QString &path, const QString &version, const QStringList &arguments)
{
    QJsonObject report{{QStringLiteral("version"), version},
                       {QStringLiteral("arguments"), QJsonArray::fromStringList(arguments)},
                       {QStringLiteral("working_folder"), QDir::currentPath()},
                       {QStringLiteral("program"), QCoreApplication::applicationFilePath()}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(report).toJson());
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString version = installedVersion();

    const QString reportPath = qEnvironmentVariable("GD7_SAMPLE_GAME_REPORT");
    if (!reportPath.isEmpty() && !writeReport(reportPath, version, arguments))
        qWarning("could not write the start report to %s", qPrintable(reportPath));

    SampleGameWindow window(version, arguments);
    window.show();
    return app.exec();
}
