#include "update/contentdigest.h"

#include "app/hasher.h"
#include "app/logger.h"

#include <QFileInfo>

namespace {

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
    Hasher digest(Hasher::Sha256);
    return digest.addFile(path, -1, stop) ? digest.hexDigest() : QString();
}

bool matches(const UpdateContent &content, const QString &archivePath, const std::atomic<bool> *stop,
             const QString &knownSha256)
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
    const QString found = knownSha256.isEmpty() ? fileSha256(archivePath, stop) : knownSha256;
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
