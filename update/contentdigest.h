#pragma once

#include "update/updatecontent.h"

#include <QString>

#include <atomic>
#include <future>

// The "sha256" and "size" the publisher writes for every content archive: nothing a mirror
// swapped or cut short is unpacked, let alone run.
namespace ContentDigest {

// SHA-256 of a file as 64 lowercase hexadecimal digits; empty when it cannot be read or *stop
// was set while reading.
QString fileSha256(const QString &path, const std::atomic<bool> *stop = nullptr);

// Whether the archive is the one the content promises. A content without "sha256" (written by
// an older publisher) passes with an info line; a mismatch is logged crit with the reason.
// knownSha256, when set, is the archive's digest taken as it was written, and the file is not read.
bool matches(const UpdateContent &content, const QString &archivePath,
             const std::atomic<bool> *stop = nullptr, const QString &knownSha256 = QString());

// matches() run on a thread of its own, so that the caller can unpack meanwhile: nothing unpacked
// may be used before passed() has said yes. The destructor waits for the thread.
class PendingCheck
{
public:
    PendingCheck(const UpdateContent &content, const QString &archivePath, const std::atomic<bool> *stop);
    // Waits for the verdict; the same answer on every call.
    bool passed() const { return m_verdict.get(); }

private:
    std::shared_future<bool> m_verdict;
};

} // namespace ContentDigest
