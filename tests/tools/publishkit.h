#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// What gd7-publish printed and how it ended.
struct PublishRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the gd7-publish built with the tests, with PATH set to searchPath when one is given;
// exitCode -1 when it did not finish in time.
PublishRun runPublish(const QStringList &args, const QString &searchPath = QString());

// Repeatable pseudo-random bytes.
QByteArray randomBytes(int size, quint32 seed);
// Writes a file, creating its folder.
bool writeFile(const QString &path, const QByteArray &bytes);
// A file of blocks blocks of 64 KiB, each a rotation of one random block: big but quick to make,
// and still different everywhere at the scale the patch encoder looks at.
bool writeBigFile(const QString &path, int blocks, quint32 seed);

// Every file below folder (hidden ones too) mapped to its SHA-1, by relative path.
QMap<QString, QString> folderDigests(const QString &folder);
// Copies every file below source to the same path below target.
bool copyFolder(const QString &source, const QString &target);
