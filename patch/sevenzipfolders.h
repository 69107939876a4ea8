#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Where the items of a 7z archive keep their data. An archive's solid blocks ("folders") are
// compressed independently of each other, so knowing which items share one lets an unpacking run
// on several threads, each block on one of them.
namespace SevenZipFolders {

// For each item, in the archive's order: the index of the folder that holds its data, or -1 for an
// item without data (a folder or an empty file). Empty when the header cannot be read in full: a
// damaged archive, or a sound one that this reader does not know (a coder for its header other
// than LZMA or LZMA2, additional streams, an archive split into volumes). Nothing here decides
// what is written; the unpacker reads and checks every item itself.
QVector<int> itemFolders(const QString &archivePath);

// The same from the archive's plain (decoded) header, which starts with the header property.
QVector<int> itemFoldersOfHeader(const QByteArray &header);

} // namespace SevenZipFolders
