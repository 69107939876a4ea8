#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets: the input as bytes, and as a file for parsers that read one.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// One temporary folder for the whole run; each input overwrites the same file in it.
inline QString fuzzFile(const uint8_t *data, size_t size, const QString &name)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

inline QString fuzzFolder(const QString &name)
{
    static QTemporaryDir folder;
    return folder.filePath(name);
}
