#include "update/autoupdate.h"

#include "app/deploymentconfig.h"
#include "app/logger.h"
#include "app/paths.h"
#include "app/tr.h"
#include "install/launchercopy.h"
#include "net/partialdownload.h"
#include "net/taskwrapper.h"
#include "patch/patch.h"
#include "patch/sevenzip.h"
#include "platform/processes.h"
#include "update/contentdigest.h"
#include "update/contentselection.h"
#include "update/formatting.h"
#include "update/stagedinstall.h"
#include "update/updatefetch.h"
#include "update/updatemirrors.h"
#include "update/updatetorrent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <QTimerEvent>

#include <optional>

namespace {

AutoUpdate *s_instance = nullptr;

const QString gameId = QStringLiteral("gd7");
const QString launcherId = QStringLiteral("gd7_launcher_en");
const int progressIntervalMs = 500;
// How often the pause before a step looks at the stop flag.
const int stopPollMs = 50;
const qint64 rateSampleMs = 1000;

// Names from the manifest become file and folder names below "Update" and "UpdateTemp": only a
// plain name may, never a path that leads elsewhere.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString numberedLine(const char *text, int number)
{
    QString line;
    QTextStream(&line) << text << number;
    return line;
}

} // namespace

AutoUpdate *AutoUpdate::instance()
{
    if (!s_instance)
        s_instance = new AutoUpdate();
    return s_instance;
}

void AutoUpdate::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

AutoUpdate::AutoUpdate() : m_torrent(new UpdateTorrent(m_stopping)) {}

AutoUpdate::~AutoUpdate()
{
    m_stopping = true;
    waitForJob();
    stopProgressTimer();
    m_torrent.reset();
}

QString AutoUpdate::errorText(int code)
{
    switch (code) {
    case InfoQueryFailed:
        return TR::tr("ErrUpdateInfoQueryFailed");
    case InfoNotValid:
        return TR::tr("ErrUpdateInfoNotValid");
    case InfoNotFound:
        return TR::tr("ErrUpdateInfoNotFound");
    case ContentNotFound:
        return TR::tr("ErrUpdateContentNotFound");
    case DownloadFailed:
        return TR::tr("ErrUpdateDownloadFailed");
    case UnpackFailed:
        return TR::tr("ErrUpdateFailedToUnpack");
    case FailedToStart:
        return TR::tr("ErrUpdateFailedToStart");
    case PatchFailed:
        return TR::tr("ErrUpdateFailedToPatch");
    case Unknown:
        return TR::tr("ErrUnknown");
    default:
        return QString();
    }
}

bool AutoUpdate::check(const QList<QUrl> &mirrors, int mode)
{
    int idle = 0;
    if (!m_running.compare_exchange_strong(idle, 1)) {
        Logger::instance().crit(QStringLiteral("update check refused: a check is already running"));
        return false;
    }
    setProgress(CheckingUpdates, 0, 0);
    emit updateStart();
    const QList<QUrl> urls = mirrors.isEmpty() ? defaultUpdateMirrors() : mirrors;
    const ManifestTrust trust = manifestTrust();
    waitForJob();
    m_job = TaskWrapper::launch([this, urls, mode, trust] {
        const int result = runGuardedJob(urls, mode, trust);
        m_running = 0;
        emit updateFinish(result);
    });
    return true;
}

void AutoUpdate::waitForJob()
{
    if (m_job && !m_job->cancel())
        m_job->wait();
    m_job.reset();
}

ManifestTrust AutoUpdate::manifestTrust() const
{
    ManifestTrust trust;
    trust.keys = DeploymentConfig::instance().manifestKeys();
    trust.minimumSerial = m_acceptedSerial.load();
    if (m_settings)
        trust.minimumSerial =
            qMax(trust.minimumSerial, m_settings->value(SettingsKey::ManifestSerial).toLongLong());
    return trust;
}

// Runs on the job's thread; the settings store belongs to the GUI thread.
void AutoUpdate::acceptSerial(qint64 serial)
{
    if (serial <= m_acceptedSerial.load())
        return;
    m_acceptedSerial = serial;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
            // Saved at once: a serial kept only in memory would let a restarted launcher take an
            // older, replayed manifest again.
            if (m_settings && serial > m_settings->value(SettingsKey::ManifestSerial).toLongLong()) {
                m_settings->setValue(SettingsKey::ManifestSerial, serial);
                if (!m_settings->save(Paths::settingsPath()))
                    Logger::instance().crit(QStringLiteral("could not save the accepted manifest serial"));
            }
        },
        Qt::QueuedConnection);
}

int AutoUpdate::runGuardedJob(const QList<QUrl> &mirrors, int mode, const ManifestTrust &trust)
{
    // The window shows "updating" until updateFinish arrives and refuses every later check
    // meanwhile, so the job must end with it whatever happens inside.
    try {
        return runJob(mirrors, mode, trust);
    } catch (const std::exception &e) {
        Logger::instance().crit(QStringLiteral("update job ended by an exception: ") +
                                QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Logger::instance().crit(QStringLiteral("update job ended by an exception"));
    }
    return Unknown;
}

int AutoUpdate::runJob(const QList<QUrl> &mirrors, int mode, const ManifestTrust &trust)
{
    UpdateInfo info;
    int result = fetchUpdateInfo(mirrors, &info, &m_stopping, trust);
    if (result == Updated) {
        if (!trust.keys.isEmpty())
            acceptSerial(info.serial());
        QMutexLocker lock(&m_progressMutex);
        m_updateInfo = info;
    }
    if (mode == Update && result == Updated)
        result = runUpdates(info);
    if (result == UpToDate)
        cleanup();
    return result;
}

int AutoUpdate::runUpdates(const UpdateInfo &info)
{
    ProductUpdateInfo launcher;
    if (!info.product(launcherId, launcher)) {
        Logger::instance().debug(numberedLine("Launcher update result: ", InfoNotFound));
        Logger::instance().debug(numberedLine("Game update result: ", InfoNotFound));
        return InfoNotFound;
    }
    Logger::instance().debug(QStringLiteral("Launcher version: ") + formatVersion(launcherProduct.version));
    Logger::instance().debug(QStringLiteral("Launcher update: ") + formatVersion(launcher.version()));
    if (launcherProduct.version < launcher.version())
        return updateLauncher(launcher);
    Logger::instance().debug(numberedLine("Launcher update result: ", UpToDate));

    int result = InfoNotFound;
    ProductUpdateInfo game;
    if (info.product(gameId, game)) {
        const Version installed = gameProduct.version;
        Logger::instance().debug(QStringLiteral("Game version: ") + formatVersion(installed));
        Logger::instance().debug(QStringLiteral("Game update: ") + formatVersion(game.version()));
        result = installed < game.version() ? updateGame(game) : UpToDate;
    }
    Logger::instance().debug(numberedLine("Game update result: ", result));
    return result;
}

int AutoUpdate::updateGame(const ProductUpdateInfo &game)
{
    // The job's own record of the game follows every installed content, so that a chain goes on
    // from the version just installed whenever the window gets to store it.
    ProductInfo record = gameProduct;
    QList<UpdateContent> selected;
    if (!selectContents(record.version, game, selected)) {
        cleanup();
        return InfoNotFound;
    }
    int result = Unknown;
    for (const UpdateContent &content : qAsConst(selected)) {
        result = installContent(content, record);
        if (result != Updated)
            break;
    }
    cleanup();
    return result;
}

int AutoUpdate::installContent(const UpdateContent &content, ProductInfo &game)
{
    QString archive;
    bool byTorrent = false;
    if (!downloadContent(content, &archive, &byTorrent))
        return DownloadFailed;
    m_torrent->pauseForInstall(content);
    // A torrent's pieces have passed their checks against the info-hash the manifest names, so no
    // mirror chose the archive's bytes: its digest is checked while it unpacks, and decides before
    // anything unpacked from it reaches the game. Over HTTP the digest has been checked already.
    std::optional<ContentDigest::PendingCheck> digest;
    if (byTorrent)
        digest.emplace(content, archive, &m_stopping);
    const auto genuine = [&digest] { return !digest || digest->passed(); };
    int result = unpackAndApply(content, game, archive, genuine);
    if (!genuine()) {
        discardTorrentArchive(archive);
        result = DownloadFailed;
    }
    if (result == Updated)
        emit updateContentInstalled(gameId, content.id());
    m_torrent->resumeAfterInstall(content);
    return result;
}

int AutoUpdate::unpackAndApply(const UpdateContent &content, ProductInfo &game, const QString &archive,
                               const std::function<bool()> &genuine)
{
    const QString target =
        content.isFull() ? Paths::gameFolder(true) : Paths::updateTempSubfolder(content.id());
    const bool unpacked =
        pauseBeforeStep(Unpacking) &&
        (content.isFull() ? StagedInstall::install(archive, target, &m_unpackProgress, genuine)
                          : sevenZipExtract(archive, target, &m_unpackProgress) && genuine());
    if (!unpacked)
        return UnpackFailed;
    if (content.isFull()) {
        game.version = content.versionTo();
        return Updated;
    }
    if (!pauseBeforeStep(Installing) || !applyPatchContent(game, content, Paths::gameFolder(true), target))
        return PatchFailed;
    return Updated;
}

bool AutoUpdate::downloadContent(const UpdateContent &content, QString *archivePath, bool *digestLeftToCaller)
{
    if (!isPlainName(content.name()) || !isPlainName(content.id())) {
        Logger::instance().crit(QStringLiteral("content name not usable as a file name: ") + content.id() +
                                QStringLiteral("/") + content.name());
        return false;
    }
    if (content.hasTorrent()) {
        if (m_torrent->download(content, Paths::updateFolder(true), m_useTorrents, archivePath)) {
            if (digestLeftToCaller) {
                *digestLeftToCaller = true;
                return true;
            }
            if (ContentDigest::matches(content, *archivePath, &m_stopping))
                return true;
            discardTorrentArchive(*archivePath);
            return false;
        }
        if (m_stopping.load() || !content.hasHttp() || m_torrent->refusedForeignTorrent())
            return false;
        // A torrent that cannot finish (a web seed refusing it, a redirect it does not follow, a
        // v2-only torrent) must not cost the player the update the plain locations can bring.
        Logger::instance().crit(QStringLiteral("torrent download failed, fetching over http: ") +
                                content.name());
        m_torrent->dropCurrent();
    }
    if (content.hasHttp())
        return downloadHttpContent(content, Paths::updateFolder(true), this, &m_stopping, archivePath);
    return false;
}

void AutoUpdate::discardTorrentArchive(const QString &archive)
{
    // A check cut short by a stop judged nothing: the archive stays for the next attempt.
    if (m_stopping.load())
        return;
    m_torrent->dropCurrent();
    QFile::remove(archive);
}

bool AutoUpdate::applyPatchContent(ProductInfo &product, const UpdateContent &content,
                                   const QString &gameFolder, const QString &unpackFolder)
{
    if (gameFolder.isEmpty() || unpackFolder.isEmpty() || content.isFull())
        return false;
    Logger::instance().info(QStringLiteral("product ") + product.productId +
                            QStringLiteral(" applying patch: ") + content.id() +
                            QStringLiteral(" version: ") + formatVersion(product.version) +
                            QStringLiteral(" => ") + formatVersion(content.versionTo()));
    if (!(content.versionFrom() == product.version)) {
        Logger::instance().crit(QStringLiteral("patch from version mismatch: ") +
                                formatVersion(product.version) + QStringLiteral(" patch: ") +
                                formatVersion(content.versionFrom()));
        return false;
    }
    Patch patch(&m_patchProgress);
    if (!patch.load(unpackFolder)) {
        Logger::instance().crit(QStringLiteral("patch load failed"));
        return false;
    }
    const Version configFrom = parseVersion(patch.config().string(QStringLiteral("version_from")));
    if (!(configFrom == product.version)) {
        Logger::instance().crit(QStringLiteral("patch config from version mismatch: ") +
                                formatVersion(product.version) + QStringLiteral(" patch: ") +
                                formatVersion(configFrom));
        return false;
    }
    const QString workFolder = Paths::updateTempSubfolder(content.id() + QStringLiteral("_work"));
    if (!patch.apply(gameFolder, workFolder)) {
        Logger::instance().crit(QStringLiteral("patch fail: ") + content.id());
        return false;
    }
    Logger::instance().info(QStringLiteral("patch success: ") + content.id());
    product.version = content.versionTo();
    return true;
}

void AutoUpdate::cleanup()
{
    const QString temp = Paths::updateTempFolder(false);
    if (QFileInfo(temp).isDir()) {
        const bool removed = QDir(temp).removeRecursively();
        Logger::instance().info(
            (removed ? QStringLiteral("cleanup success: ") : QStringLiteral("cleanup failure: ")) + temp);
    }
    const QString downloads = Paths::updateFolder(false);
    if (!QFileInfo(downloads).isDir())
        return;
    QSet<QString> named;
    {
        QMutexLocker lock(&m_progressMutex);
        for (const QString &id : {gameId, launcherId}) {
            ProductUpdateInfo product;
            if (!m_updateInfo.product(id, product))
                continue;
            for (const UpdateContent &content : product.contents()) {
                named.insert(content.name().toLower());
                // An interrupted download of a content still named goes on at the next attempt.
                for (const QString &leftover : net::PartialDownload::leftoverNames(content.name()))
                    named.insert(leftover.toLower());
            }
        }
    }
    QDir folder(downloads);
    for (const QString &file : folder.entryList(QDir::Files, QDir::Unsorted)) {
        if (named.contains(file.toLower()))
            continue;
        const QString path = folder.filePath(file);
        const bool removed = QFile::remove(path);
        Logger::instance().info(
            (removed ? QStringLiteral("cleanup success: ") : QStringLiteral("cleanup failure: ")) + path);
    }
}

int AutoUpdate::updateLauncher(const ProductUpdateInfo &launcher)
{
    QList<UpdateContent> selected;
    if (!selectContents(launcherProduct.version, launcher, selected)) {
        Logger::instance().crit(QStringLiteral("Launcher update content not found"));
        return ContentNotFound;
    }
    const UpdateContent content = selected.constFirst();
    const QString name = content.name();
    Logger::instance().debug(QStringLiteral("Launcher update content: ") + name);
    QString archive;
    if (!downloadContent(content, &archive)) {
        Logger::instance().crit(QStringLiteral("Launcher update content download failed: ") + name);
        return DownloadFailed;
    }
    const QString target = Paths::updateTempSubfolder(content.id());
    Logger::instance().debug(QStringLiteral("Launcher update content: ") + name +
                             QStringLiteral(" downloaded to ") + archive);
    if (!StagedInstall::install(archive, target, &m_unpackProgress)) {
        Logger::instance().crit(QStringLiteral("Launcher update content unpack failed: ") + name +
                                QStringLiteral(" at path ") + archive + QStringLiteral(" to path ") + target);
        return UnpackFailed;
    }
    Logger::instance().debug(QStringLiteral("Launcher update unpacked: ") + name + QStringLiteral(" to ") +
                             target);
    return startCopier(target);
}

int AutoUpdate::startCopier(const QString &folder)
{
    const QString program = install::launcherProgram(folder);
    const QStringList arguments{QStringLiteral("--update"), QStringLiteral("--path"),
                                QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath(),
                                QStringLiteral("--pid"), QString::number(platform::currentProcessId())};
    // 7z archives carry no Unix permissions: the unpacked launcher must be made runnable.
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner |
                                       QFileDevice::ExeGroup | QFileDevice::ExeOther);
    const QString commandLine = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    Logger::instance().debug(QStringLiteral("Starting updater: ") + commandLine);
    if (!platform::startDetachedQuoted(program, arguments)) {
        Logger::instance().crit(QStringLiteral("Updater failed to start: ") + commandLine);
        return FailedToStart;
    }
    Logger::instance().info(QStringLiteral("Exiting for self update"));
    emit exitAppToUpdate();
    return Updated;
}

bool AutoUpdate::pauseBeforeStep(int action)
{
    setProgress(action, 0, 0);
    QElapsedTimer paused;
    paused.start();
    for (qint64 left = m_installPauseMs.load(); left > 0 && !m_stopping.load();
         left = m_installPauseMs.load() - paused.elapsed())
        QThread::msleep(static_cast<unsigned long>(qMin<qint64>(left, stopPollMs)));
    if (!m_stopping.load())
        return true;
    Logger::instance().crit(QStringLiteral("update stopped"));
    return false;
}

void AutoUpdate::setProgress(int action, qint64 total, qint64 done)
{
    QMutexLocker lock(&m_progressMutex);
    m_action = action;
    m_total = qMax<qint64>(total, 0);
    m_done = qMin(done, m_total);
}

void AutoUpdate::progress(net::HttpConnection *, qint64 total, qint64 current)
{
    {
        // A resumed download starts with the bytes an earlier attempt kept: the rate counts only
        // what arrives now.
        QMutexLocker lock(&m_progressMutex);
        if (m_action != Downloading)
            m_lastDone = current;
    }
    setProgress(Downloading, total, current);
}

void AutoUpdate::UnpackProgress::progress(qint64 total, qint64 completed)
{
    m_owner->setProgress(Unpacking, total, completed);
}

void AutoUpdate::PatchProgress::progress(qint64 processed, qint64 total)
{
    m_owner->setProgress(Installing, total, processed);
}

void AutoUpdate::setTorrentStallLimitMs(int milliseconds)
{
    m_torrent->setStallLimitMs(milliseconds);
}

void AutoUpdate::pauseTorrents()
{
    m_torrent->pauseAll();
}

void AutoUpdate::resumeTorrents()
{
    m_torrent->resumeAll();
}

bool AutoUpdate::hasTorrents() const
{
    return m_torrent->hasTorrents();
}

UpdateInfo AutoUpdate::updateInfo() const
{
    QMutexLocker lock(&m_progressMutex);
    return m_updateInfo;
}

bool AutoUpdate::gameProductInfo(ProductUpdateInfo &product) const
{
    QMutexLocker lock(&m_progressMutex);
    return m_updateInfo.isValid() && m_updateInfo.product(gameId, product);
}

void AutoUpdate::startProgressTimer()
{
    if (m_timerId > 0)
        return;
    m_timerId = startTimer(progressIntervalMs, Qt::CoarseTimer);
    m_rateClock.start();
}

void AutoUpdate::stopProgressTimer()
{
    if (m_timerId <= 0)
        return;
    killTimer(m_timerId);
    m_timerId = 0;
}

void AutoUpdate::timerEvent(QTimerEvent *event)
{
    if (m_running.load() < 1) {
        Logger::instance().debug(QStringLiteral("Skip progress update"));
        return;
    }
    if (event->timerId() != m_timerId || reportTorrentProgress())
        return;
    sampleRate();
    int action;
    qint64 total;
    qint64 done;
    qint64 rate;
    {
        QMutexLocker lock(&m_progressMutex);
        action = m_action;
        total = m_total;
        done = m_done;
        rate = m_rate;
    }
    static const char *const keys[] = {"ProgressUpdateCheck", "ProgressCheckingFiles", "ProgressDownloading",
                                       "ProgressUnpacking", "ProgressInstalling"};
    const QString message =
        action >= CheckingUpdates && action <= Installing ? TR::tr(keys[action - 1]) : QString();
    const float progress = total < 1 ? 0.0f : float(done) / float(total);
    emit updateProgress(message, action, progress, total, done, rate);
}

bool AutoUpdate::reportTorrentProgress()
{
    const TorrentSession::Status status = m_torrent->currentStatus();
    if (!status.valid)
        return false;
    QString line;
    QTextStream(&line) << "STATE: " << status.state << " P: " << int(status.progress * 100)
                       << " BYTES: " << formatSize(status.wantedBytesDone)
                       << " TOTAL: " << formatSize(status.wantedBytes)
                       << " RATE: " << formatRate(status.downloadRate);
    Logger::instance().debug(line);
    if (status.state == TorrentSession::Seeding) {
        m_torrent->releaseCurrent();
    } else if (status.state == TorrentSession::Downloading || status.state == TorrentSession::CheckingFiles) {
        const bool downloading = status.state == TorrentSession::Downloading;
        emit updateProgress(TR::tr(downloading ? "ProgressDownloading" : "ProgressCheckingFiles"),
                            downloading ? Downloading : CheckingFiles, status.progress, status.wantedBytes,
                            status.wantedBytesDone, status.downloadRate);
    }
    return true;
}

void AutoUpdate::sampleRate()
{
    const qint64 elapsed = m_rateClock.elapsed();
    if (elapsed < rateSampleMs)
        return;
    m_rateClock.restart();
    QMutexLocker lock(&m_progressMutex);
    m_rate = qint64(float(m_done - m_lastDone) / (float(elapsed) / 1000.0f));
    m_lastDone = m_done;
}
