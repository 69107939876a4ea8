#pragma once

#include <QString>
#include <QStringList>

// BitTorrent metadata (v1) of release files, with HTTP locations as web seeds.

// A single-file torrent of one archive; webSeeds are the archive's own URLs. infoHash gets the
// info-hash as 40 lowercase hexadecimal digits.
bool makeFileTorrent(const QString &filePath, const QStringList &webSeeds, const QString &torrentPath,
                     QString &infoHash, QString &error);
// A multi-file torrent of a folder whose name becomes the torrent's top folder; files named
// excludedName are left out. webSeeds end with "/" (the folder name and file paths are appended).
bool makeFolderTorrent(const QString &folderPath, const QString &excludedName, const QStringList &webSeeds,
                       const QString &torrentPath, QString &error);

// Hash-checks every piece of a torrent against its files below saveFolder; infoHash gets the
// torrent's info-hash as 40 lowercase hexadecimal digits.
bool checkTorrent(const QString &torrentPath, const QString &saveFolder, QString &infoHash, QString &error);
