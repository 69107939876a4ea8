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

#include <mutex>
#include <thread>
#include <vector>

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

struct Checker::ListedFile
{
    QString path;
    QString sha1;
    int size = 0;
};

// What the threads hashing one list share: the next file to take and what each file was found to be.
struct Checker::HashRun
{
    HashRun(const QList<ListedFile> &listed, const QString &folder)
        : files(listed), gameFolder(folder), intact(size_t(listed.size()), 0)
    {}

    const QList<ListedFile> &files;
    const QString gameFolder;
    std::mutex takeMutex;
    int next = 0;
    // One byte per file: neighbours are written by different threads.
    std::vector<char> intact;
};

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

bool Checker::waitWhilePaused() const
{
    while (m_pause.load() && !m_abort.load())
        QThread::msleep(PausePollMs);
    return !m_abort.load();
}

bool Checker::passCheckpoint()
{
    if (waitWhilePaused())
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
    QList<ListedFile> files;
    if (!listFiles(content, files) || !checkFiles(files, total))
        return;
    finish();
}

bool Checker::listFiles(const QJsonArray &content, QList<ListedFile> &files)
{
    for (const QJsonValue &element : content) {
        const PackageEntry entry = readPackageEntry(element);
        if (entry.kind == PackageEntry::NotAnEntry)
            continue;
        if (entry.kind == PackageEntry::Unsafe) {
            // A list that points outside the game folder is not the publisher's: nothing of it is trusted.
            Logger::instance().crit(QStringLiteral("unsafe path in package file: ") + entry.listed);
            m_abort = true;
            passCheckpoint();
            return false;
        }
        // The game folder itself is no package file, and a file listed twice is checked once.
        if (entry.kind == PackageEntry::Unnamed || m_packageFiles.contains(entry.path)) {
            Logger::instance().crit(QStringLiteral("package file entry skipped: ") + entry.listed);
            continue;
        }
        m_packageFiles.insert(entry.path);
        if (!entry.sha1.isEmpty())
            files.append({entry.path, entry.sha1, entry.size});
    }
    return passCheckpoint();
}

bool Checker::checkFiles(const QList<ListedFile> &files, int total)
{
    HashRun run(files, Paths::gameFolder());
    // Hashing is bound by one core per file; a second thread takes the next file meanwhile. A
    // single big file is still hashed by one thread while the other finds nothing left to take.
    std::thread helper;
    if (files.size() > 1 && QThread::idealThreadCount() > 1)
        helper = std::thread([this, &run, total] { hashFiles(run, total); });
    hashFiles(run, total);
    if (helper.joinable())
        helper.join();
    if (!passCheckpoint())
        return false;
    for (int i = 0; i < files.size(); ++i) {
        if (!run.intact.at(size_t(i))) {
            m_damagedBytes += files.at(i).size;
            m_damagedFiles.append(files.at(i).path);
        }
    }
    return true;
}

void Checker::hashFiles(HashRun &run, int total)
{
    for (;;) {
        if (!waitWhilePaused())
            return;
        int index = 0;
        {
            // Taken and named under the lock, so that the files are counted up in package order; a
            // pause asked for while naming the last one holds back the other thread too.
            const std::lock_guard<std::mutex> lock(run.takeMutex);
            if (m_pause.load())
                continue;
            if (m_abort.load() || run.next >= run.files.size())
                return;
            index = run.next++;
            emit progress(index + 1, total, CheckingFiles, quotedFileName(run.files.at(index).path));
        }
        if (!waitWhilePaused())
            return;
        const ListedFile &file = run.files.at(index);
        const QString filePath = Paths::joinPath(run.gameFolder, file.path);
        // A missing or unreadable file gives no digest and so counts as damaged.
        run.intact[size_t(index)] = QFileInfo(filePath).isFile() && fileSha1(filePath, HashBlockSize, [this] {
                                                                        return waitWhilePaused();
                                                                    }) == file.sha1;
    }
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
