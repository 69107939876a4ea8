#pragma once

#include <QString>

#include <atomic>
#include <memory>

struct evp_md_ctx_st;
struct evp_md_st;

// Incremental SHA-1 or SHA-256 on OpenSSL, which uses the processor's SHA instructions where it
// has them. A failed step spoils the hashing: hexDigest() is empty from then on.
class Hasher
{
public:
    enum Algorithm { Sha1, Sha256 };

    explicit Hasher(Algorithm algorithm);
    ~Hasher();
    Hasher(const Hasher &) = delete;
    Hasher &operator=(const Hasher &) = delete;

    // As if nothing had been added.
    void reset();
    void addData(const char *data, qint64 size);
    // Adds the file's first length bytes (all of them with -1); false, and the hashing spoilt, when
    // it cannot be read that far or *stop was raised.
    bool addFile(const QString &path, qint64 length = -1, const std::atomic<bool> *stop = nullptr);
    // Lowercase hexadecimal digits for what was added so far; more may be added afterwards.
    QString hexDigest() const;

private:
    const evp_md_st *m_algorithm;
    std::unique_ptr<evp_md_ctx_st, void (*)(evp_md_ctx_st *)> m_context;
    bool m_spoilt = false;
};
