#pragma once

#include <QString>

#include <atomic>
#include <memory>

struct evp_md_ctx_st;

namespace net {

// SHA-256 of bytes given in order, a block at a time (OpenSSL's, which uses the CPU's SHA
// instructions where it has them). A failed step spoils the stream: hex() is empty from then on.
class Sha256Stream
{
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream &) = delete;
    Sha256Stream &operator=(const Sha256Stream &) = delete;

    // As if nothing had been added.
    void reset();
    void add(const char *data, qint64 size);
    // Adds the file's first length bytes (all of them with -1); false, and the stream spoilt, when
    // it cannot be read that far or *stop was raised.
    bool addFile(const QString &path, qint64 length = -1, const std::atomic<bool> *stop = nullptr);
    // 64 lowercase hexadecimal digits for what was added so far; more may be added afterwards.
    QString hex() const;

private:
    std::unique_ptr<evp_md_ctx_st, void (*)(evp_md_ctx_st *)> m_context;
    bool m_spoilt = false;
};

} // namespace net
