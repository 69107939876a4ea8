#pragma once

#include <QtGlobal>

#include <limits>

// Sizes from manifests, package lists and archives are untrusted: a sum of them is held at the
// limits instead of overflowing.
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    constexpr qint64 Max = std::numeric_limits<qint64>::max();
    constexpr qint64 Min = std::numeric_limits<qint64>::min();
    if (b > 0 && a > Max - b)
        return Max;
    if (b < 0 && a < Min - b)
        return Min;
    return a + b;
}
