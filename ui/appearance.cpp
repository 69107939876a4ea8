#include "ui/appearance.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>

int addApplicationFonts(const QString &folder)
{
    int added = 0;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        if (QFontDatabase::addApplicationFont(dir.filePath(name)) >= 0)
            ++added;
    }
    return added;
}

QString loadStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
