#pragma once

#include <QString>

// Whether a folder can take an installation of the given size, and if not, why.
struct InstallPathCheck
{
    bool ok = false;
    // The text key of the problem; empty when ok.
    QString errorKey;
    // The volume is too small: the size is shown as a warning.
    bool spaceShort = false;

    static InstallPathCheck run(const QString &folder, qint64 requiredBytes);
    // A volume is too small when the game would fill it to the last byte or more.
    static bool isSpaceShort(qint64 requiredBytes, qint64 availableBytes)
    {
        return requiredBytes >= availableBytes;
    }
};
