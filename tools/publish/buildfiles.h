#pragma once

#include <QList>
#include <QMap>
#include <QString>

// One file of a game build: its path below the build folder ("/" separated), size and digest.
struct BuildFile
{
    QString path;
    qint64 size = 0;
    QString sha1;
};

// Every file below root, sorted by path, with its SHA-1. False with a message in error when root is
// not a folder or a file cannot be read.
bool listBuildFiles(const QString &root, QList<BuildFile> &files, QString &error);
QMap<QString, BuildFile> byPath(const QList<BuildFile> &files);
qint64 totalSize(const QList<BuildFile> &files);

// Copies a file, creating the target's folder; false with a message in error.
bool copyFileTo(const QString &source, const QString &target, QString &error);
// Copies every file below source to the same path below target.
bool copyFolder(const QString &source, const QString &target, QString &error);
