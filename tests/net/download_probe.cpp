// A process that downloads one content archive the way the update does, for the tests that kill
// it part-way. Arguments: URL, folder, file name, sha256, size. Exit code 0 when the archive is
// there and matches its digest, 1 otherwise.
#include "update/updatecontent.h"
#include "update/updatefetch.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 6)
        return 2;
    const UpdateContent content(QJsonObject{{"id", "probe"},
                                            {"name", arguments[3]},
                                            {"sha256", arguments[4]},
                                            {"size", arguments[5].toLongLong()},
                                            {"http", QJsonArray{arguments[1]}}});
    QString archive;
    return downloadHttpContent(content, arguments[2], nullptr, nullptr, &archive) ? 0 : 1;
}
