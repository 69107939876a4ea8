#include "patch/sha1hasher.h"

#include <QByteArray>

#include <openssl/evp.h>

Sha1Hasher::Sha1Hasher() : m_context(EVP_MD_CTX_new())
{
    EVP_DigestInit_ex(m_context, EVP_sha1(), nullptr);
}

Sha1Hasher::~Sha1Hasher()
{
    EVP_MD_CTX_free(m_context);
}

void Sha1Hasher::addData(const char *data, qint64 size)
{
    EVP_DigestUpdate(m_context, data, size_t(size));
}

QString Sha1Hasher::hexDigest()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context, digest, &length);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}
