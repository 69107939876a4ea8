#pragma once

#include <QString>

// A product version major.minor.build; invalid when any part is negative.
struct Version
{
    int major = -1;
    int minor = -1;
    int build = -1;

    Version() = default;
    Version(int major, int minor, int build) : major(major), minor(minor), build(build) {}

    bool isValid() const { return major >= 0 && minor >= 0 && build >= 0; }
};

bool operator==(const Version &a, const Version &b);
bool operator!=(const Version &a, const Version &b);
bool operator<(const Version &a, const Version &b);

// "1.2" reads as 1.2.0; four parts or a part that is not a number give the invalid version.
Version parseVersion(const QString &text);
QString formatVersion(const Version &version);
