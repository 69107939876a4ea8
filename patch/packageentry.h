#pragma once

#include <QString>

class QJsonValue;

// One entry of the publisher's file list ("package.conf") as the file check reads it.
struct PackageEntry
{
    enum Kind {
        NotAnEntry, // not an object, or without "path" or "sha1": skipped without a word
        Unsafe,     // names something outside the game folder: the whole list is refused
        Unnamed,    // an empty name or the game folder itself: no package file
        File,
    };

    Kind kind = NotAnEntry;
    QString listed; // "path" as written, backslashes turned into '/'
    QString path;   // the one name of the file: no "." steps, no doubled separators
    QString sha1;
    int size = 0; // a "size" that is not a whole 32-bit number counts 0
};

PackageEntry readPackageEntry(const QJsonValue &element);
