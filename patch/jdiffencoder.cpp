#include "patch/jdiffencoder.h"
#include "patch/jdiffformat.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace jdiff {
namespace {

// Matches are found through windows of this many bytes; shorter common runs are only
// used where they continue the current alignment.
constexpr int Window = 16;
constexpr quint64 HashBase = 0x100000001B3ULL;
constexpr int MaxCandidates = 8;
constexpr qint64 IndexEntriesBudget = 2 * 1024 * 1024;
// Small edits shift the alignment by a few bytes: close to an edit such shifts are tried
// directly, and the index is consulted only when nothing near pays this much.
constexpr int LocalRadius = 128;
constexpr qint64 LocalEnough = 64;
// Away from the alignment a copy needs a jump; along it even two escaped bytes pay.
constexpr int MinCopy = 4;

// After an escape these bytes would read as an opcode or another escape.
bool keepsEscapeDoubled(uchar next)
{
    return next >= Bkt && next <= Esc;
}

quint64 windowHash(const uchar *data)
{
    quint64 hash = 0;
    for (int i = 0; i < Window; ++i)
        hash = hash * HashBase + data[i];
    return hash;
}

// Sampled windows of the old file: every step-th position, so the index stays bounded
// whatever the file size (matches of Window + step - 1 bytes or more are always found).
class OldIndex
{
public:
    OldIndex(const uchar *data, qint64 size)
    {
        const qint64 windows = size >= Window ? size - Window + 1 : 0;
        m_step = std::max<qint64>(1, (windows + IndexEntriesBudget - 1) / IndexEntriesBudget);
        const qint64 entries = (windows + m_step - 1) / m_step;
        qint64 slotCount = 16;
        while (slotCount < entries * 2)
            slotCount *= 2;
        m_mask = quint64(slotCount - 1);
        m_slots.assign(size_t(slotCount), Slot());
        m_present.assign(size_t(slotCount / 64 + 1), 0);
        for (qint64 pos = 0; pos < windows; pos += m_step)
            insert(windowHash(data + pos), pos);
    }

    // Old positions whose window has this hash (unverified), at most MaxCandidates.
    int candidates(quint64 hash, qint64 *out) const
    {
        const quint64 bit = hash & m_mask;
        if (!(m_present[bit >> 6] >> (bit & 63) & 1))
            return 0;
        int found = 0;
        for (quint64 i = slotOf(hash);; i = (i + 1) & m_mask) {
            const Slot &slot = m_slots[i];
            if (slot.pos < 0 || found == MaxCandidates)
                return found;
            if (slot.hash == hash)
                out[found++] = slot.pos;
        }
    }

private:
    struct Slot
    {
        quint64 hash = 0;
        qint64 pos = -1;
    };

    quint64 slotOf(quint64 hash) const { return (hash * 0x9E3779B97F4A7C15ULL) >> 20 & m_mask; }

    void insert(quint64 hash, qint64 pos)
    {
        const quint64 bit = hash & m_mask;
        m_present[bit >> 6] |= quint64(1) << (bit & 63);
        int same = 0;
        for (quint64 i = slotOf(hash);; i = (i + 1) & m_mask) {
            Slot &slot = m_slots[i];
            if (slot.pos < 0) {
                slot = {hash, pos};
                return;
            }
            // Highly repetitive data would otherwise fill the table with one hash.
            if (slot.hash == hash && ++same == MaxCandidates)
                return;
        }
    }

    qint64 m_step = 1;
    quint64 m_mask = 0;
    std::vector<Slot> m_slots;
    // One bit per slot, set for the low bits of every indexed hash: small enough to stay
    // in cache, so most windows of new data that the old file lacks never touch m_slots.
    std::vector<quint64> m_present;
};

// Buffers the stream and knows how the applier will read it back.
class StreamWriter
{
public:
    explicit StreamWriter(QIODevice &device) : m_device(device) { m_buffer.reserve(BufferSize); }

    void op(uchar code, qint64 length)
    {
        put(Esc);
        put(code);
        if (code == Del || code == Eql || code == Bkt)
            putLength(length);
    }

    // Data bytes; an escape is doubled unless the next byte of the same run keeps it literal.
    void data(const uchar *bytes, qint64 count)
    {
        for (qint64 i = 0; i < count; ++i) {
            put(bytes[i]);
            if (bytes[i] == Esc && (i + 1 == count || keepsEscapeDoubled(bytes[i + 1])))
                put(Esc);
        }
    }

    bool finish()
    {
        flush();
        return m_ok;
    }

private:
    static constexpr int BufferSize = 1 << 20;

    void put(uchar byte)
    {
        m_buffer.push_back(char(byte));
        if (m_buffer.size() >= BufferSize)
            flush();
    }

    void putLength(qint64 n)
    {
        if (n <= 252) {
            put(uchar(n - 1));
        } else if (n <= 508) {
            put(0xFC);
            put(uchar(n - 253));
        } else if (n <= 0xFFFF) {
            put(0xFD);
            putBigEndian(n, 2);
        } else if (n <= 0xFFFFFFFFLL) {
            put(0xFE);
            putBigEndian(n, 4);
        } else {
            put(0xFF);
            putBigEndian(n, 8);
        }
    }

    void putBigEndian(qint64 n, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            put(uchar(quint64(n) >> (8 * i)));
    }

    void flush()
    {
        if (!m_buffer.empty() &&
            m_device.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
            m_ok = false;
        m_buffer.clear();
    }

    QIODevice &m_device;
    std::vector<char> m_buffer;
    bool m_ok = true;
};

struct Match
{
    qint64 newPos = 0;
    qint64 oldPos = 0;
    qint64 length = 0;
};

int lengthFieldSize(qint64 n)
{
    return n <= 252 ? 1 : n <= 508 ? 2 : n <= 0xFFFF ? 3 : n <= 0xFFFFFFFFLL ? 5 : 9;
}

class Encoder
{
public:
    Encoder(const uchar *oldData, qint64 oldSize, const uchar *newData, qint64 newSize, QIODevice &patch)
        : m_old(oldData), m_oldSize(oldSize), m_new(newData), m_newSize(newSize), m_index(oldData, oldSize),
          m_out(patch)
    {}

    bool run()
    {
        qint64 q = 0;
        quint64 hash = 0;
        qint64 hashedAt = -1;
        while (q < m_newSize) {
            Match best;
            qint64 bestGain = 0;
            consider(q, alignedOldPos(q), best, bestGain);
            if (q > m_gapStart)
                consider(q, m_cursor, best, bestGain);
            const bool nearEdit = q - m_gapStart <= LocalRadius;
            for (qint64 k = 1; nearEdit && k <= LocalRadius && bestGain < LocalEnough; ++k) {
                consider(q, alignedOldPos(q) + k, best, bestGain);
                consider(q, alignedOldPos(q) - k, best, bestGain);
            }
            if (bestGain < LocalEnough && q + Window <= m_newSize) {
                hash = q > 0 && hashedAt == q - 1 ? roll(hash, q) : windowHash(m_new + q);
                hashedAt = q;
                qint64 positions[MaxCandidates];
                const int count = m_index.candidates(hash, positions);
                for (int i = 0; i < count; ++i)
                    consider(q, positions[i], best, bestGain);
            }
            if (best.length == 0) {
                ++q;
                continue;
            }
            emitMatch(best);
            q = best.newPos + best.length;
            hashedAt = -1;
        }
        emitGap(m_newSize, m_cursor);
        return m_out.finish();
    }

private:
    quint64 roll(quint64 hash, qint64 q) const
    {
        static const quint64 outFactor = [] {
            quint64 f = 1;
            for (int i = 1; i < Window; ++i)
                f *= HashBase;
            return f;
        }();
        return (hash - m_new[q - 1] * outFactor) * HashBase + m_new[q + Window - 1];
    }

    qint64 forwardLength(qint64 newPos, qint64 oldPos) const
    {
        const qint64 limit = std::min(m_newSize - newPos, m_oldSize - oldPos);
        qint64 n = 0;
        while (n < limit && m_new[newPos + n] == m_old[oldPos + n])
            ++n;
        return n;
    }

    // Where the old file would be if every unmatched byte so far overwrote it.
    qint64 alignedOldPos(qint64 q) const { return m_cursor + (q - m_gapStart); }

    // What the new bytes of a match would cost as data, escapes counted for short runs.
    qint64 dataCost(const Match &m) const
    {
        if (m.length > 64)
            return m.length;
        const qint64 end = m.newPos + m.length;
        qint64 cost = m.length;
        for (qint64 i = m.newPos; i < end; ++i) {
            if (m_new[i] == Esc && (i + 1 == end || keepsEscapeDoubled(m_new[i + 1])))
                ++cost;
        }
        // Cutting the data before the match leaves an escape there at the end of its run.
        if (m.newPos > m_gapStart && m_new[m.newPos - 1] == Esc && !keepsEscapeDoubled(m_new[m.newPos]))
            ++cost;
        return cost;
    }

    // What copying instead costs: the EQL, and for a jump away from the alignment the DEL
    // or BKT there and, most of the time, another one to come back.
    qint64 copyCost(const Match &m) const
    {
        const qint64 eql = 2 + lengthFieldSize(m.length);
        const qint64 shift = m.oldPos - alignedOldPos(m.newPos);
        if (shift == 0)
            return eql;
        const qint64 jump = 2 + lengthFieldSize(std::abs(shift));
        return eql + jump;
    }

    // Takes old position p as a source for the new bytes at q when it pays more than `best`.
    void consider(qint64 q, qint64 p, Match &best, qint64 &bestGain) const
    {
        if (p < 0 || p >= m_oldSize || m_new[q] != m_old[p])
            return;
        Match m{q, p, forwardLength(q, p)};
        if (m.length < MinCopy && m.oldPos != alignedOldPos(m.newPos))
            return;
        while (m.newPos > m_gapStart && m.oldPos > 0 && m_new[m.newPos - 1] == m_old[m.oldPos - 1]) {
            --m.newPos;
            --m.oldPos;
            ++m.length;
        }
        const qint64 gain = dataCost(m) - copyCost(m);
        if (gain > bestGain) {
            bestGain = gain;
            best = m;
        }
    }

    void emitMatch(const Match &m)
    {
        emitGap(m.newPos, m.oldPos);
        m_out.op(Eql, m.length);
        m_cursor = m.oldPos + m.length;
        m_gapStart = m.newPos + m.length;
    }

    // Writes the unmatched new bytes before `end` and leaves the old file at `target`.
    // Overwriting (MOD) advances the old file for free, so it is used as far as the old
    // file reaches; the rest is inserted, and the old file is moved with DEL or BKT.
    void emitGap(qint64 end, qint64 target)
    {
        const qint64 gap = end - m_gapStart;
        const qint64 shift = target - m_cursor;
        const qint64 room = m_oldSize - m_cursor;
        const bool trailing = end == m_newSize;
        const qint64 overwrite = trailing || shift < 0 ? std::min(gap, room) : std::min(gap, shift);
        const uchar *bytes = m_new + m_gapStart;
        m_out.data(bytes, overwrite);
        if (gap > overwrite) {
            m_out.op(Ins, 0);
            m_out.data(bytes + overwrite, gap - overwrite);
        }
        m_cursor += overwrite;
        m_gapStart = end;
        if (trailing)
            return;
        if (target > m_cursor)
            m_out.op(Del, target - m_cursor);
        else if (target < m_cursor)
            m_out.op(Bkt, m_cursor - target);
        m_cursor = target;
    }

    const uchar *m_old;
    qint64 m_oldSize;
    const uchar *m_new;
    qint64 m_newSize;
    OldIndex m_index;
    StreamWriter m_out;
    qint64 m_cursor = 0;
    qint64 m_gapStart = 0;
};

// A read-only view of a whole file; empty files have no mapping.
class MappedFile
{
public:
    bool open(const QString &path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        m_size = m_file.size();
        if (m_size == 0)
            return true;
        m_data = m_file.map(0, m_size);
        return m_data != nullptr;
    }
    const uchar *data() const { return m_data; }
    qint64 size() const { return m_size; }

private:
    QFile m_file;
    uchar *m_data = nullptr;
    qint64 m_size = 0;
};

} // namespace

bool createPatch(const uchar *oldData, qint64 oldSize, const uchar *newData, qint64 newSize, QIODevice &patch)
{
    return Encoder(oldData, oldSize, newData, newSize, patch).run();
}

int createPatchFile(const QString &oldPath, const QString &newPath, const QString &patchPath)
{
    MappedFile oldFile;
    if (!oldFile.open(oldPath))
        return EncodeOldUnreadable;
    MappedFile newFile;
    if (!newFile.open(newPath))
        return EncodeNewUnreadable;
    QSaveFile patch(patchPath);
    if (!patch.open(QIODevice::WriteOnly))
        return EncodeWriteFailed;
    if (!createPatch(oldFile.data(), oldFile.size(), newFile.data(), newFile.size(), patch) ||
        !patch.commit())
        return EncodeWriteFailed;
    return EncodeOk;
}

} // namespace jdiff
