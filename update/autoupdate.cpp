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

QString numberedLine(const char *text, const UpdateResult &result)
{
    QString line;
    QTextStream(&line) << text << result.number();
    return line;
}

using Code = UpdateResult::Code;
using Action = UpdateProgress::Action;
using Kind = FailureReason::Kind;

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

AutoUpdate::AutoUpdate() : m_torrent(new UpdateTorrent(m_stopping))
{
    qRegisterMetaType<UpdateResult>();
    qRegisterMetaType<UpdateProgress>();
}

AutoUpdate::~AutoUpdate()
{
    m_stopping = true;
    waitForJob();
    stopProgressTimer();
    m_torrent.reset();
}

QString AutoUpdate::errorText(int code)
{
    switch (Code(code)) {
    case Code::InfoQueryFailed:
        return TR::tr("ErrUpdateInfoQueryFailed");
    case Code::InfoNotValid:
        return TR::tr("ErrUpdateInfoNotValid");
    case Code::InfoNotFound:
        return TR::tr("ErrUpdateInfoNotFound");
    case Code::ContentNotFound:
        return TR::tr("ErrUpdateContentNotFound");
    case Code::DownloadFailed:
        return TR::tr("ErrUpdateDownloadFailed");
    case Code::UnpackFailed:
        return TR::tr("ErrUpdateFailedToUnpack");
    case Code::FailedToStart:
        return TR::tr("ErrUpdateFailedToStart");
    case Code::PatchFailed:
        return TR::tr("ErrUpdateFailedToPatch");
    case Code::Unknown:
        return TR::tr("ErrUnknown");
    case Code::Updated:
    case Code::UpToDate:
        break;
    }
    return QString();
}

bool AutoUpdate::check(const QList<QUrl> &mirrors, Mode mode)
{
    int idle = 0;
    if (!m_running.compare_exchange_strong(idle, 1)) {
        Logger::instance().crit(QStringLiteral("update check refused: a check is already running"));
        return false;
    }
    setProgress(Action::CheckingUpdates, 0, 0);
    emit updateStart();
    const QList<QUrl> urls = mirrors.isEmpty() ? defaultUpdateMirrors() : mirrors;
    const ManifestTrust trust = manifestTrust();
    // The caller's thread owns the game's record: the job works from a copy taken now.
    const ProductInfo game = gameProduct;
    waitForJob();
    m_job = TaskWrapper::launch([this, urls, mode, trust, game] {
        const UpdateResult result = runGuardedJob(urls, mode, trust, game);
        m_running = 0;
        emit updateEnded(result);
        emit updateFinish(result.number());
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

UpdateResult AutoUpdate::runGuardedJob(const QList<QUrl> &mirrors, Mode mode, const ManifestTrust &trust,
                                       const ProductInfo &game)
{
    // The window shows "updating" until updateFinish arrives and refuses every later check
    // meanwhile, so the job must end with it whatever happens inside.
    try {
        return runJob(mirrors, mode, trust, game);
    } catch (const std::exception &e) {
        Logger::instance().crit(QStringLiteral("update job ended by an exception: ") +
                                QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Logger::instance().crit(QStringLiteral("update job ended by an exception"));
    }
    return Code::Unknown;
}

UpdateResult AutoUpdate::runJob(const QList<QUrl> &mirrors, Mode mode, const ManifestTrust &trust,
                                const ProductInfo &game)
{
    UpdateInfo info;
    UpdateResult result = fetchUpdateInfo(mirrors, &info, &m_stopping, trust);
    if (result.code == Code::Updated) {
        if (!trust.keys.isEmpty())
            acceptSerial(info.serial());
        QMutexLocker lock(&m_progressMutex);
        m_updateInfo = info;
    }
    if (mode == Mode::Update && result.code == Code::Updated)
        result = runUpdates(info, game);
    if (result.code == Code::UpToDate)
        cleanup();
    return result;
}

UpdateResult AutoUpdate::runUpdates(const UpdateInfo &info, const ProductInfo &installedGame)
{
    ProductUpdateInfo launcher;
    if (!info.product(launcherId, launcher)) {
        Logger::instance().debug(numberedLine("Launcher update result: ", Code::InfoNotFound));
        Logger::instance().debug(numberedLine("Game update result: ", Code::InfoNotFound));
        return Code::InfoNotFound;
    }
    Logger::instance().debug(QStringLiteral("Launcher version: ") + formatVersion(launcherProduct.version));
    Logger::instance().debug(QStringLiteral("Launcher update: ") + formatVersion(launcher.version()));
    if (launcherProduct.version < launcher.version())
        return updateLauncher(launcher);
    Logger::instance().debug(numberedLine("Launcher update result: ", Code::UpToDate));

    UpdateResult result = Code::InfoNotFound;
    ProductUpdateInfo game;
    if (info.product(gameId, game)) {
        const Version installed = installedGame.version;
        Logger::instance().debug(QStringLiteral("Game version: ") + formatVersion(installed));
        Logger::instance().debug(QStringLiteral("Game update: ") + formatVersion(game.version()));
        result = installed < game.version() ? updateGame(game, installedGame) : Code::UpToDate;
    }
    Logger::instance().debug(numberedLine("Game update result: ", result));
    return result;
}

UpdateResult AutoUpdate::updateGame(const ProductUpdateInfo &game, ProductInfo record)
{
    // The job's own record of the game follows every installed content, so that a chain goes on
    // from the version just installed whenever the window gets to store it.
    QList<UpdateContent> selected;
    if (!selectContents(record.version, game, selected)) {
        cleanup();
        return Code::InfoNotFound;
    }
    UpdateResult result = Code::Unknown;
    for (const UpdateContent &content : qAsConst(selected)) {
        result = installContent(content, record);
        if (result.code != Code::Updated)
            break;
    }
    cleanup();
    return result;
}

UpdateResult AutoUpdate::installContent(const UpdateContent &content, ProductInfo &game)
{
    QString archive;
    bool byTorrent = false;
    FailureReason why;
    if (!downloadContent(content, &archive, &why, &byTorrent))
        return {Code::DownloadFailed, why};
    m_torrent->pauseForInstall(content);
    // A torrent's pieces have passed their checks against the info-hash the manifest names, so no
    // mirror chose the archive's bytes: its digest is checked while it unpacks, and decides before
    // anything unpacked from it reaches the game. Over HTTP the digest has been checked already.
    std::optional<ContentDigest::PendingCheck> digest;
    if (byTorrent)
        digest.emplace(content, archive, &m_stopping);
    const auto genuine = [&digest] { return !digest || digest->passed(); };
    UpdateResult result = unpackAndApply(content, game, archive, genuine);
    if (!genuine()) {
        discardTorrentArchive(archive);
        result = {Code::DownloadFailed, m_stopping.load()
                                            ? FailureReason::cancelled()
                                            : FailureReason::atPath(Kind::DigestMismatch, archive)};
    }
    if (result.code == Code::Updated)
        emit updateContentInstalled(gameId, content.id());
    m_torrent->resumeAfterInstall(content);
    return result;
}

UpdateResult AutoUpdate::unpackAndApply(const UpdateContent &content, ProductInfo &game,
                                        const QString &archive, const std::function<bool()> &genuine)
{
    const QString target =
        content.isFull() ? Paths::gameFolder(true) : Paths::updateTempSubfolder(content.id());
    if (!pauseBeforeStep(Action::Unpacking))
        return {Code::UnpackFailed, FailureReason::cancelled()};
    FailureReason why;
    const bool unpacked = content.isFull()
                              ? StagedInstall::install(archive, target, &m_unpackProgress, genuine, &why)
                              : sevenZipExtract(archive, target, &m_unpackProgress, &why) && genuine();
    if (!unpacked)
        return {Code::UnpackFailed, why};
    if (content.isFull()) {
        game.version = content.versionTo();
        return Code::Updated;
    }
    if (!pauseBeforeStep(Action::Installing))
        return {Code::PatchFailed, FailureReason::cancelled()};
    if (!applyPatchContent(game, content, Paths::gameFolder(true), target, &why))
        return {Code::PatchFailed, why};
    return Code::Updated;
}

bool AutoUpdate::downloadContent(const UpdateContent &content, QString *archivePath, FailureReason *why,
                                 bool *digestLeftToCaller)
{
    if (!isPlainName(content.name()) || !isPlainName(content.id())) {
        Logger::instance().crit(QStringLiteral("content name not usable as a file name: ") + content.id() +
                                QStringLiteral("/") + content.name());
        *why = FailureReason::atPath(Kind::ManifestInvalid, content.name());
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
            *why = m_stopping.load() ? FailureReason::cancelled()
                                     : FailureReason::atPath(Kind::DigestMismatch, *archivePath);
            discardTorrentArchive(*archivePath);
            return false;
        }
        *why = m_torrent->failure();
        if (m_stopping.load() || !content.hasHttp() || m_torrent->refusedForeignTorrent())
            return false;
        // A torrent that cannot finish (a web seed refusing it, a redirect it does not follow, a
        // v2-only torrent) must not cost the player the update the plain locations can bring.
        Logger::instance().crit(QStringLiteral("torrent download failed, fetching over http: ") +
                                content.name());
        m_torrent->dropCurrent();
    }
    if (content.hasHttp())
        return downloadHttpContent(content, Paths::updateFolder(true), this, &m_stopping, archivePath, why);
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
                                   const QString &gameFolder, const QString &unpackFolder, FailureReason *why)
{
    *why = FailureReason::atPath(Kind::PatchFailed, unpackFolder);
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
        *why = patch.failure();
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
        *why = patch.failure();
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

UpdateResult AutoUpdate::updateLauncher(const ProductUpdateInfo &launcher)
{
    QList<UpdateContent> selected;
    if (!selectContents(launcherProduct.version, launcher, selected)) {
        Logger::instance().crit(QStringLiteral("Launcher update content not found"));
        return Code::ContentNotFound;
    }
    const UpdateContent content = selected.constFirst();
    const QString name = content.name();
    Logger::instance().debug(QStringLiteral("Launcher update content: ") + name);
    QString archive;
    FailureReason why;
    if (!downloadContent(content, &archive, &why)) {
        Logger::instance().crit(QStringLiteral("Launcher update content download failed: ") + name);
        return {Code::DownloadFailed, why};
    }
    const QString target = Paths::updateTempSubfolder(content.id());
    Logger::instance().debug(QStringLiteral("Launcher update content: ") + name +
                             QStringLiteral(" downloaded to ") + archive);
    if (!StagedInstall::install(archive, target, &m_unpackProgress, {}, &why)) {
        Logger::instance().crit(QStringLiteral("Launcher update content unpack failed: ") + name +
                                QStringLiteral(" at path ") + archive + QStringLiteral(" to path ") + target);
        return {Code::UnpackFailed, why};
    }
    Logger::instance().debug(QStringLiteral("Launcher update unpacked: ") + name + QStringLiteral(" to ") +
                             target);
    return startCopier(target);
}

UpdateResult AutoUpdate::startCopier(const QString &folder)
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
        return {Code::FailedToStart, FailureReason::atPath(Kind::ProgramNotStarted, program)};
    }
    Logger::instance().info(QStringLiteral("Exiting for self update"));
    emit exitAppToUpdate();
    return Code::Updated;
}

bool AutoUpdate::pauseBeforeStep(Action action)
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

void AutoUpdate::setProgress(Action action, qint64 total, qint64 done)
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
        if (m_action != Action::Downloading)
            m_lastDone = current;
    }
    setProgress(Action::Downloading, total, current);
}

void AutoUpdate::UnpackProgress::progress(qint64 total, qint64 completed)
{
    m_owner->setProgress(Action::Unpacking, total, completed);
}

void AutoUpdate::PatchProgress::progress(qint64 processed, qint64 total)
{
    m_owner->setProgress(Action::Installing, total, processed);
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
    UpdateProgress progress;
    {
        QMutexLocker lock(&m_progressMutex);
        progress.action = m_action;
        progress.total = m_total;
        progress.done = m_done;
        progress.rate = m_rate;
    }
    progress.fraction = progress.total < 1 ? 0.0f : float(progress.done) / float(progress.total);
    report(progress);
}

void AutoUpdate::report(const UpdateProgress &progress)
{
    emit updateProgress(progressText(progress.action), int(progress.action), progress.fraction,
                        progress.total, progress.done, progress.rate);
    emit progressReported(progress);
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
        UpdateProgress progress;
        progress.action = downloading ? Action::Downloading : Action::CheckingFiles;
        progress.state =
            m_torrent->isPaused() ? UpdateProgress::State::Paused : UpdateProgress::State::Running;
        progress.fraction = status.progress;
        progress.total = status.wantedBytes;
        progress.done = status.wantedBytesDone;
        progress.rate = status.downloadRate;
        report(progress);
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
