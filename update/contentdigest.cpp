#include "update/contentdigest.h"

#include "app/logger.h"

#include <QFile>
#include <QFileInfo>

#include <openssl/evp.h>

#include <memory>
#include <vector>

namespace {

constexpr qint64 BlockSize = 1024 * 1024;

void logMismatch(const UpdateContent &content, const QString &what, const QString &expected,
                 const QString &found)
{
    Logger::instance().crit(QStringLiteral("content digest check failed: ") + content.id() +
                            QStringLiteral(" ") + what + QStringLiteral(" expected: ") + expected +
                            QStringLiteral(" found: ") + found);
}

} // namespace

namespace ContentDigest {

QString fileSha256(const QString &path, const std::atomic<bool> *stop)
{
    QFile file(path);
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return QString();
    std::vector<char> block(BlockSize);
    for (;;) {
        if (stop && stop->load())
            return QString();
        const qint64 got = file.read(block.data(), BlockSize);
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        EVP_DigestUpdate(context.get(), block.data(), size_t(got));
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context.get(), digest, &length);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}

bool matches(const UpdateContent &content, const QString &archivePath, const std::atomic<bool> *stop)
{
    const QString expected = content.sha256().trimmed().toLower();
    if (expected.isEmpty()) {
        Logger::instance().info(QStringLiteral("content has no digest to check: ") + content.id());
        return true;
    }
    const qint64 size = QFileInfo(archivePath).size();
    if (size != content.size()) {
        logMismatch(content, QStringLiteral("size"), QString::number(content.size()), QString::number(size));
        return false;
    }
    const QString found = fileSha256(archivePath, stop);
    if (found != expected) {
        logMismatch(content, QStringLiteral("sha256"), expected,
                    found.isEmpty() ? QStringLiteral("unreadable") : found);
        return false;
    }
    Logger::instance().info(QStringLiteral("content digest checked: ") + content.id());
    return true;
}

PendingCheck::PendingCheck(const UpdateContent &content, const QString &archivePath,
                           const std::atomic<bool> *stop)
    : m_verdict(std::async(std::launch::async,
                           [content, archivePath, stop] { return matches(content, archivePath, stop); }))
{}

} // namespace ContentDigest
