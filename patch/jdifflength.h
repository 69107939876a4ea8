#pragma once

#include <QtGlobal>

namespace jdiff {

// Decodes one big-endian length operand. Source is anything whose next() gives the next byte of the
// stream (0..255) or -1 once the stream has ended.
template<typename Source> bool decodeLength(Source &source, qint64 &value)
{
    const int first = source.next();
    if (first < 0)
        return false;
    if (first < 252) {
        value = first + 1;
        return true;
    }
    if (first == 252) {
        const int second = source.next();
        value = second + 253;
        return second >= 0;
    }
    const int width = first == 253 ? 2 : first == 254 ? 4 : 8;
    quint64 bits = 0;
    for (int i = 0; i < width; ++i) {
        const int byte = source.next();
        if (byte < 0)
            return false;
        bits = (bits << 8) | quint64(byte);
    }
    value = qint64(bits);
    return true;
}

} // namespace jdiff
