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
};
