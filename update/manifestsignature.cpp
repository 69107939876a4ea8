#include "update/manifestsignature.h"

#include <QString>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace {

constexpr size_t PublicKeySize = 32;
constexpr size_t SignatureSize = 64;

struct KeyFree
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct ContextFree
{
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
struct BioFree
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Context = std::unique_ptr<EVP_MD_CTX, ContextFree>;
using Bio = std::unique_ptr<BIO, BioFree>;

const unsigned char *bytes(const QByteArray &data)
{
    return reinterpret_cast<const unsigned char *>(data.constData());
}

Key readPrivateKey(const QByteArray &pem)
{
    Bio bio(BIO_new_mem_buf(pem.constData(), pem.size()));
    if (!bio)
        return Key();
    Key key(PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr));
    if (key && EVP_PKEY_id(key.get()) != EVP_PKEY_ED25519)
        return Key();
    return key;
}

QByteArray rawPublicKey(EVP_PKEY *key)
{
    QByteArray raw(int(PublicKeySize), Qt::Uninitialized);
    size_t length = PublicKeySize;
    if (EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char *>(raw.data()), &length) != 1 ||
        length != PublicKeySize)
        return QByteArray();
    return raw;
}

// Strict base64: anything else (wrong length, stray characters) is not a key or a signature.
QByteArray decodeExactly(const QByteArray &text, size_t size)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || size_t(decoded.decoded.size()) != size)
        return QByteArray();
    return decoded.decoded;
}

bool verifyWith(const QByteArray &data, const QByteArray &signature, const QByteArray &publicKey)
{
    Key key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytes(publicKey), PublicKeySize));
    Context context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), bytes(signature), SignatureSize, bytes(data),
                            size_t(data.size())) == 1;
}

} // namespace

namespace ManifestSignature {

QString signatureName(const QString &manifestName)
{
    return manifestName + QStringLiteral(".sig");
}

bool generateKeyPair(QByteArray *privatePem, QByteArray *publicKeyBase64)
{
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> context(
        EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), EVP_PKEY_CTX_free);
    EVP_PKEY *generated = nullptr;
    if (!context || EVP_PKEY_keygen_init(context.get()) != 1 ||
        EVP_PKEY_keygen(context.get(), &generated) != 1)
        return false;
    Key key(generated);
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1)
        return false;
    char *pem = nullptr;
    const long length = BIO_get_mem_data(bio.get(), &pem);
    const QByteArray raw = rawPublicKey(key.get());
    if (length <= 0 || raw.isEmpty())
        return false;
    *privatePem = QByteArray(pem, int(length));
    *publicKeyBase64 = raw.toBase64();
    return true;
}

QByteArray publicKeyOf(const QByteArray &privatePem)
{
    const Key key = readPrivateKey(privatePem);
    return key ? rawPublicKey(key.get()).toBase64() : QByteArray();
}

QByteArray sign(const QByteArray &data, const QByteArray &privatePem)
{
    const Key key = readPrivateKey(privatePem);
    Context context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return QByteArray();
    QByteArray signature(int(SignatureSize), Qt::Uninitialized);
    size_t length = SignatureSize;
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       bytes(data), size_t(data.size())) != 1 ||
        length != SignatureSize)
        return QByteArray();
    return signature.toBase64() + '\n';
}

bool verify(const QByteArray &data, const QByteArray &signatureText, const QStringList &publicKeys)
{
    const QByteArray signature = decodeExactly(signatureText, SignatureSize);
    if (signature.isEmpty())
        return false;
    for (const QString &text : publicKeys) {
        const QByteArray key = decodeExactly(text.toLatin1(), PublicKeySize);
        if (!key.isEmpty() && verifyWith(data, signature, key))
            return true;
    }
    return false;
}

} // namespace ManifestSignature
