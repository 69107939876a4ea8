#pragma once

#include <QString>

struct evp_md_ctx_st;

// Incremental SHA-1 on OpenSSL, which uses the processor's SHA instructions where it has them.
class Sha1Hasher
{
public:
    Sha1Hasher();
    ~Sha1Hasher();
    Sha1Hasher(const Sha1Hasher &) = delete;
    Sha1Hasher &operator=(const Sha1Hasher &) = delete;

    void addData(const char *data, qint64 size);
    // 40 lowercase hexadecimal digits; ends the hashing.
    QString hexDigest();

private:
    evp_md_ctx_st *m_context;
};
