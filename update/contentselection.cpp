#include "update/contentselection.h"

#include "app/logger.h"
#include "app/saturating.h"

#include <algorithm>

namespace {

const QString X86_64 = QStringLiteral("x86_64");
const QString I386 = QStringLiteral("i386");

// Only what this build can run: a manifest may serve every platform side by side, and another
// platform's files would be installed and patched as if they were ours.
bool platformRunnable(const QString &platform)
{
#ifdef Q_OS_WIN
    return platform == QLatin1String("win64") || platform == QLatin1String("win32");
#elif defined(Q_OS_LINUX)
    return platform == QLatin1String("linux64");
#else
    Q_UNUSED(platform)
    return false;
#endif
}

bool platformMatchesCpu(const QString &platform, const QString &cpuArchitecture)
{
    if (!platformRunnable(platform))
        return false;
    if (platform == QLatin1String("win32"))
        return cpuArchitecture == X86_64 || cpuArchitecture == I386;
    return cpuArchitecture == X86_64;
}

QString describe(const UpdateContent &content)
{
    return content.id() + QLatin1Char('/') + content.platform();
}

struct Walk
{
    QList<UpdateContent> chain;
    const UpdateContent *bestFull = nullptr;
};

void considerFull(Walk &walk, const UpdateContent &content)
{
    if (!walk.bestFull || walk.bestFull->versionTo() < content.versionTo())
        walk.bestFull = &content;
}

// Appends to chain every patch that continues from current, in the given order.
void appendChain(const QList<UpdateContent> &sorted, Version current, QList<UpdateContent> &chain)
{
    for (const UpdateContent &content : sorted) {
        if (!content.isFull() && content.versionFrom() == current) {
            chain.append(content);
            current = content.versionTo();
        }
    }
}

Walk walkContents(const QList<UpdateContent> &sorted, const Version &installed)
{
    Walk walk;
    Version current = installed;
    for (const UpdateContent &content : sorted) {
        if (content.isFull()) {
            considerFull(walk, content);
        } else if (installed.isValid() && content.versionFrom() == current) {
            walk.chain.append(content);
            current = content.versionTo();
        }
    }
    return walk;
}

bool preferFullPackage(const Walk &walk, const Version &installed)
{
    if (walk.chain.isEmpty() || !installed.isValid())
        return true;
    const Version chainEnd = walk.chain.last().versionTo();
    const Version fullEnd = walk.bestFull->versionTo();
    if (chainEnd == fullEnd) {
        // A sum that would overflow is held at the largest value, so that the comparison with a full
        // package still goes the sensible way.
        qint64 chainSize = 0;
        for (const UpdateContent &patch : walk.chain)
            chainSize = saturatingAdd(chainSize, patch.size());
        return walk.bestFull->size() <= chainSize;
    }
    return chainEnd < fullEnd;
}

} // namespace

bool isPlatformSupported(const UpdateContent &content, const QString &cpuArchitecture)
{
    const QString platform = content.platform();
    if (!platformRunnable(platform))
        Logger::instance().crit(QStringLiteral("content platform not supported: ") + describe(content));
    if (platformMatchesCpu(platform, cpuArchitecture))
        return true;
    Logger::instance().crit(QStringLiteral("content does not match cpu: ") + describe(content) +
                            QStringLiteral(" CPU: ") + cpuArchitecture);
    return false;
}

QString nativePlatform()
{
#ifdef Q_OS_WIN
    return QStringLiteral("win64");
#else
    return QStringLiteral("linux64");
#endif
}

bool contentLess(const UpdateContent &a, const UpdateContent &b)
{
    const Version aFrom = a.versionFrom();
    const Version bFrom = b.versionFrom();
    const bool aFull = !aFrom.isValid();
    const bool bFull = !bFrom.isValid();
    if ((aFull && bFull) || (!aFull && !bFull && aFrom == bFrom))
        return a.versionTo() < b.versionTo();
    if (aFull)
        return false;
    if (bFull)
        return true;
    return aFrom < bFrom;
}

bool selectContents(const Version &installed, const ProductUpdateInfo &product,
                    QList<UpdateContent> &selected, const QString &cpuArchitecture)
{
    QList<UpdateContent> sorted;
    for (const UpdateContent &content : product.contents()) {
        if (isPlatformSupported(content, cpuArchitecture))
            sorted.append(content);
    }
    std::stable_sort(sorted.begin(), sorted.end(), contentLess);

    const Walk walk = walkContents(sorted, installed);
    if (!walk.bestFull || !preferFullPackage(walk, installed)) {
        selected = walk.chain;
    } else {
        selected = {*walk.bestFull};
        appendChain(sorted, walk.bestFull->versionTo(), selected);
    }
    return !selected.isEmpty();
}
