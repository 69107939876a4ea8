#include "app/hasher.h"

#include <QByteArray>
#include <QFile>

#include <openssl/evp.h>

#include <vector>

Hasher::Hasher(Algorithm algorithm)
    : m_algorithm(algorithm == Sha1 ? EVP_sha1() : EVP_sha256()), m_context(EVP_MD_CTX_new(), EVP_MD_CTX_free)
{
    reset();
}

Hasher::~Hasher() = default;

void Hasher::reset()
{
    m_spoilt = !m_context || EVP_DigestInit_ex(m_context.get(), m_algorithm, nullptr) != 1;
}

void Hasher::addData(const char *data, qint64 size)
{
    if (!m_spoilt && size > 0)
        m_spoilt = EVP_DigestUpdate(m_context.get(), data, size_t(size)) != 1;
}

bool Hasher::addFile(const QString &path, qint64 length, const std::atomic<bool> *stop)
{
    constexpr qint64 BlockSize = 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_spoilt = true;
    std::vector<char> block(BlockSize);
    for (qint64 left = length < 0 ? file.size() : length; left > 0 && !m_spoilt;) {
        const qint64 got = (stop && stop->load()) ? -1 : file.read(block.data(), qMin(left, BlockSize));
        if (got <= 0) {
            m_spoilt = true;
            break;
        }
        addData(block.data(), got);
        left -= got;
    }
    return !m_spoilt;
}

QString Hasher::hexDigest() const
{
    if (m_spoilt)
        return QString();
    // Finished on a copy, so that the hashing itself may go on.
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX *)> copy(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!copy || EVP_MD_CTX_copy_ex(copy.get(), m_context.get()) != 1 ||
        EVP_DigestFinal_ex(copy.get(), digest, &length) != 1)
        return QString();
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}
