// Stands in for the game executable: records how it was started (its arguments, working folder
// and own path) as one JSON object in the file named by GD7_GAME_PROBE_RECORD, then exits.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QJsonObject record{{"args", QJsonArray::fromStringList(app.arguments().mid(1))},
                             {"cwd", QDir::currentPath()},
                             {"program", QCoreApplication::applicationFilePath()}};
    QFile file(qEnvironmentVariable("GD7_GAME_PROBE_RECORD"));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QJsonDocument(record).toJson());
    return 0;
}
