#include "patch/checker.h"

#include "app/logger.h"
#include "app/paths.h"
#include "app/productinfo.h"
#include "net/downloader.h"
#include "net/downloadjsonvalidator.h"
#include "net/taskwrapper.h"
#include "patch/filesha1.h"
#include "patch/packageentry.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QThread>

namespace {

constexpr qint64 HashBlockSize = 65536;
constexpr int PausePollMs = 1000;

QString quotedFileName(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return QLatin1Char('"') + name + QLatin1Char('"');
}

struct FullContents
{
    UpdateContent exact;  // the last one of the installed version
    UpdateContent newest; // of the others, the first one of the greatest version
};

// The game's full contents that have the locations asked for, in manifest order.
FullContents fullContents(const UpdateInfo &manifest, const Version &installed,
                          bool (UpdateContent::*hasLocations)() const)
{
    FullContents found;
    ProductUpdateInfo product;
    if (!manifest.product(gameProduct.productId, product))
        return found;
    for (const UpdateContent &content : product.contents()) {
        if (!content.isFull() || !(content.*hasLocations)())
            continue;
        if (content.versionTo() == installed)
            found.exact = content;
        else if (!found.newest.isValid() || found.newest.versionTo() < content.versionTo())
            found.newest = content;
    }
    return found;
}

QList<QUrl> packageUrls(const UpdateContent &content)
{
    QList<QUrl> urls;
    const QString relative = Paths::joinPath(content.id(), Paths::packageListName());
    for (const QUrl &base : content.recoverHttp())
        urls.append(QUrl(Paths::joinPath(base.toString(), relative)));
    return urls;
}

} // namespace

Checker::Checker(const Version &installedVersion, QObject *parent)
    : QObject(parent), m_installedVersion(installedVersion)
{}

Checker::~Checker()
{
    stop();
}

void Checker::start()
{
    emit started();
    stop();
    m_abort = false;
    const UpdateInfo manifest = m_manifest;
    m_task = TaskWrapper::launch([this, manifest] { run(manifest); });
}

void Checker::stop()
{
    m_abort = true;
    m_pause = false;
    m_status = Idle;
    if (m_task) {
        if (!m_task->cancel())
            m_task->wait();
        m_task.reset();
    }
    // Cleared once the body is gone, so that it cannot add to the results afterwards.
    clearResults();
}

void Checker::pause()
{
    if (m_status == LoadingPackage || m_status == CheckingFiles)
        m_pause = true;
}

void Checker::resume()
{
    if (m_status == LoadingPackage || m_status == CheckingFiles)
        m_pause = false;
}

void Checker::clearResults()
{
    m_damagedFiles.clear();
    m_packageFiles.clear();
    m_damagedBytes = 0;
    m_packageContent = UpdateContent();
}

bool Checker::passCheckpoint()
{
    while (m_pause.load() && !m_abort.load())
        QThread::msleep(PausePollMs);
    if (!m_abort.load())
        return true;
    endStopped();
    return false;
}

void Checker::endStopped()
{
    m_status = Idle;
    emit progress(1, 1, Idle, QString());
    emit ended(-1);
}

void Checker::finish()
{
    m_status = Finished;
    emit progress(1, 1, Finished, QString());
    emit ended(0);
}

void Checker::run(const UpdateInfo &manifest)
{
    if (!Paths::gameFolderExists()) {
        m_abort = true;
        finish();
        return;
    }
    m_status = LoadingPackage;
    emit progress(0, 1, LoadingPackage, QString());
    const QString packagePath = Paths::joinPath(Paths::gameFolder(true), Paths::packageListName());

    QList<UpdateContent> contents;
    if (!chooseCandidates(manifest, contents))
        return;
    QJsonObject package;
    if (!loadPackage(contents, packagePath, package)) {
        if (!m_abort.exchange(true))
            Logger::instance().crit(QStringLiteral("Couldn't load package file!"));
        passCheckpoint();
        return;
    }
    if (!passCheckpoint())
        return;

    const QJsonArray content = package.value(QStringLiteral("content")).toArray();
    const int total = content.size();
    m_status = CheckingFiles;
    emit progress(0, total, CheckingFiles, QString());
    int counted = 0;
    for (const QJsonValue &element : content) {
        if (!passCheckpoint())
            return;
        const PackageEntry entry = readPackageEntry(element);
        if (entry.kind == PackageEntry::NotAnEntry)
            continue;
        if (entry.kind == PackageEntry::Unsafe) {
            // A list that points outside the game folder is not the publisher's: nothing of it is trusted.
            Logger::instance().crit(QStringLiteral("unsafe path in package file: ") + entry.listed);
            m_abort = true;
            passCheckpoint();
            return;
        }
        // The game folder itself is no package file, and a file listed twice is checked once.
        if (entry.kind == PackageEntry::Unnamed || m_packageFiles.contains(entry.path)) {
            Logger::instance().crit(QStringLiteral("package file entry skipped: ") + entry.listed);
            continue;
        }
        m_packageFiles.insert(entry.path);
        if (entry.sha1.isEmpty())
            continue;
        emit progress(++counted, total, CheckingFiles, quotedFileName(entry.path));
        if (!passCheckpoint())
            return;
        if (!checkEntry(entry.path, entry.sha1, entry.size))
            return;
    }
    finish();
}

UpdateContent Checker::recoveryContent(bool *newer) const
{
    const FullContents found =
        fullContents(m_manifest, m_installedVersion, &UpdateContent::hasRecoverTorrents);
    if (newer)
        *newer = !found.exact.isValid() && found.newest.isValid();
    return found.exact.isValid() ? found.exact : found.newest;
}

bool Checker::chooseCandidates(const UpdateInfo &manifest, QList<UpdateContent> &result)
{
    if (!passCheckpoint())
        return false;
    const FullContents found = fullContents(manifest, m_installedVersion, &UpdateContent::hasRecoverHttp);
    for (const UpdateContent &content : {found.exact, found.newest}) {
        if (content.isValid())
            result.append(content);
    }
    return true;
}

bool Checker::loadPackage(const QList<UpdateContent> &candidates, const QString &packagePath,
                          QJsonObject &package)
{
    for (const UpdateContent &content : candidates) {
        Downloader downloader;
        QJsonObject document;
        DownloadJSONValidator validator(&document);
        if (downloader.download(packageUrls(content), nullptr, packagePath, true, true, &validator) &&
            document.contains(QStringLiteral("content"))) {
            package = document;
            m_packageContent = content;
            return true;
        }
    }
    return false;
}

bool Checker::checkEntry(const QString &path, const QString &sha1, int size)
{
    const QString filePath = Paths::joinPath(Paths::gameFolder(), path);
    QString digest;
    if (QFileInfo(filePath).isFile()) {
        digest = fileSha1(filePath, HashBlockSize, [this] {
            while (m_pause.load() && !m_abort.load())
                QThread::msleep(PausePollMs);
            return !m_abort.load();
        });
        if (!passCheckpoint())
            return false;
    }
    if (digest != sha1) {
        m_damagedBytes += size;
        m_damagedFiles.append(path);
    }
    return true;
}
