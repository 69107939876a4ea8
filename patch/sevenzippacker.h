#pragma once

#include "patch/isevenzipcallback.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

struct archive;

// One packing of a folder into a new 7z archive.
class SevenZipPacker
{
public:
    SevenZipPacker(const QString &archivePath, const QString &sourceFolder, const QString &workingFolder,
                   ISevenZipCallback *callback);

    bool run();

private:
    void collectItems();
    bool writeArchive(int fileDescriptor);
    bool writeItem(archive *writer, const QFileInfo &item);
    bool writeData(archive *writer, QFile &file, const QFileInfo &item);
    bool fail(const QString &reason);
    void report();

    QString m_archivePath;
    QString m_sourceFolder;
    QString m_workingFolder;
    ISevenZipCallback *m_callback;
    QList<QFileInfo> m_items;
    qint64 m_total = 0;
    qint64 m_completed = 0;
};
