#include "patch/streamapplier.h"

#include "patch/jdiff.h"
#include "patch/jdiffformat.h"
#include "patch/jdifflength.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace jdiff {

namespace {

constexpr int PatchBufferSize = 64 * 1024;
constexpr int OutputBufferSize = 1024 * 1024;
constexpr qint64 CopyBlock = 4096;
constexpr qint64 ProgressBlock = 1024;

} // namespace

StreamApplier::StreamApplier(QIODevice *oldFile, QIODevice *patch, QIODevice *output, JDiffProgress *progress)
    : m_old(oldFile), m_patch(patch, PatchBufferSize), m_output(output, OutputBufferSize),
      m_progress(progress), m_patchSize(patch->size())
{}

int StreamApplier::run()
{
    const int result = interpret();
    if (result == OutputWriteFailed)
        return result;
    // Whatever was produced before a failure still reaches the output.
    const bool flushed = m_output.flush();
    if (result != Success)
        return result;
    if (!flushed)
        return OutputWriteFailed;
    if (m_progress)
        m_progress->progress(m_patchSize, m_patchSize);
    return Success;
}

int StreamApplier::interpret()
{
    for (;;) {
        int count = 0;
        const char *data = m_patch.available(count);
        if (count == 0)
            return m_patch.failed() ? OutputOrStreamFailed : Success;
        int result;
        if (uchar(data[0]) == Esc) {
            m_patch.consume(1);
            result = takeEscape();
        } else {
            result = takeDataRun(data, count);
        }
        if (result != Success)
            return result;
        reportProgress();
        if (stopRequested())
            return Stopped;
    }
}

int StreamApplier::takeDataRun(const char *data, int count)
{
    const void *escape = std::memchr(data, Esc, size_t(count));
    const int length = escape ? int(static_cast<const char *>(escape) - data) : count;
    m_patch.consume(length);
    return putData(data, length);
}

int StreamApplier::takeEscape()
{
    const int code = m_patch.next();
    if (code < 0)
        return OutputOrStreamFailed;
    switch (code) {
    case Mod:
        m_mode = Mode::Modify;
        return Success;
    case Ins:
        m_mode = Mode::Insert;
        return Success;
    case Del:
        return deleteOld();
    case Eql:
        return copyOld();
    case Bkt:
        return backtrackOld();
    case Esc:
        return putData("\xA7", 1);
    default:
        const char pair[2] = {char(Esc), char(code)};
        return putData(pair, 2);
    }
}

int StreamApplier::putData(const char *data, int size)
{
    if (!m_output.write(data, size))
        return OutputWriteFailed;
    if (m_mode == Mode::Modify)
        m_pendingAdvance += size;
    return Success;
}

// The encoder leaves out the MOD opcode before data that follows a DEL, EQL or BKT operand (and
// before data at the very start): such data overwrites, whatever mode was explicit before.
int StreamApplier::deleteOld()
{
    qint64 length = 0;
    if (!decodeLength(m_patch, length))
        return OutputOrStreamFailed;
    m_mode = Mode::Modify;
    return seekOld(length, 0) ? Success : OldFileSeekFailed;
}

int StreamApplier::copyOld()
{
    qint64 length = 0;
    if (!decodeLength(m_patch, length))
        return OutputOrStreamFailed;
    m_mode = Mode::Modify;
    if (m_pendingAdvance > 0 && !seekOld(0, 0))
        return OldFileSeekFailed;
    return copyFromOld(length);
}

int StreamApplier::backtrackOld()
{
    qint64 length = 0;
    if (!decodeLength(m_patch, length))
        return OutputOrStreamFailed;
    m_mode = Mode::Modify;
    return seekOld(0, length) ? Success : OldFileSeekFailed;
}

// Moves the old file's read position by advance + the pending MOD advance - back, relative to the
// position the device reports.
bool StreamApplier::seekOld(qint64 advance, qint64 back)
{
    qint64 target = 0;
    if (__builtin_add_overflow(m_old->pos(), advance, &target) ||
        __builtin_add_overflow(target, m_pendingAdvance, &target) ||
        __builtin_sub_overflow(target, back, &target) || target < 0 || !m_old->seek(target))
        return false;
    m_pendingAdvance = 0;
    return true;
}

int StreamApplier::copyFromOld(qint64 length)
{
    // Copies in whole 4096-byte blocks (but the last), so that a short read leaves in the output
    // exactly the blocks that were complete.
    qint64 copied = 0;
    while (copied < length) {
        if (stopRequested())
            return Stopped;
        qint64 room = 0;
        char *space = m_output.space(CopyBlock, room);
        if (!space)
            return OutputWriteFailed;
        const qint64 wanted = std::min(length - copied, room / CopyBlock * CopyBlock);
        const qint64 got = std::max<qint64>(m_old->read(space, wanted), 0);
        if (got < wanted) {
            m_output.commit(got / CopyBlock * CopyBlock);
            return OldFileTooShort;
        }
        m_output.commit(got);
        copied += got;
    }
    return Success;
}

bool StreamApplier::stopRequested() const
{
    return m_progress && m_progress->stopRequested();
}

void StreamApplier::reportProgress()
{
    if (!m_progress)
        return;
    const qint64 position = m_patch.position();
    const qint64 block = position / ProgressBlock;
    if (block == m_lastProgressBlock)
        return;
    m_lastProgressBlock = block;
    m_progress->progress(position, m_patchSize);
}

} // namespace jdiff
