#pragma once

#include "app/productinfo.h"
#include "app/programsettings.h"
#include "net/ihttpprogress.h"
#include "patch/ipatchprogress.h"
#include "patch/isevenzipcallback.h"
#include "update/productupdateinfo.h"
#include "update/updatecontent.h"
#include "update/updatefetch.h"
#include "update/updateinfo.h"
#include "update/updateprogress.h"
#include "update/updateresult.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>

class TaskWrapper;
class UpdateTorrent;

// Brings the launcher and the game to the newest version of the manifest: one job per check on
// the application's thread pool fetches the manifest, hands over to a new launcher when this
// one is outdated, or else downloads, unpacks and installs the game's contents one by one. The
// job only writes a small progress record; a timer on the GUI thread turns it into
// updateProgress and progressReported. Each job ends with updateEnded (the result with its reason)
// and then updateFinish (its code).
class AutoUpdate : public QObject, public net::IHttpProgress
{
    Q_OBJECT
public:
    enum class Mode { FetchOnly = 0, Update = 1 };

    static AutoUpdate *instance();
    static void destroyInstance();
    ~AutoUpdate() override;

    // The translated text of a result code (UpdateResult::number()); empty for success and codes
    // outside the table.
    static QString errorText(int code);

    void setUseTorrents(bool useTorrents) { m_useTorrents = useTorrents; }
    // Where the highest accepted manifest "serial" is kept ("manifest_serial"), read at each check
    // and written on the GUI thread; the owner saves the store. Without one it lives in memory.
    void setSettings(IProgramSettings *settings) { m_settings = settings; }
    bool isRunning() const { return m_running.load() > 0; }
    // Starts a job unless one is under way; a refused check is logged and changes nothing. The job
    // works from the game record (gameProduct) as it is at this call.
    bool check(const QList<QUrl> &mirrors, Mode mode);
    // Returns once the running job (if any) has ended.
    void waitForJob();

    void startProgressTimer();
    void stopProgressTimer();

    void pauseTorrents();
    void resumeTorrents();
    bool hasTorrents() const;
    bool gameProductInfo(ProductUpdateInfo &product) const;
    // The whole manifest of the last successful fetch, invalid before the first one: the file check
    // and the recovery choose their contents from it.
    UpdateInfo updateInfo() const;

    // The pause before each unpack and each patch, which gives the user a moment to see the step
    // coming; tests shorten it.
    void setInstallPauseMs(int milliseconds) { m_installPauseMs = milliseconds; }
    // How long a torrent download may get no data before the content is fetched over HTTP instead.
    void setTorrentStallLimitMs(int milliseconds);

    void progress(net::HttpConnection *connection, qint64 total, qint64 current) override;

signals:
    void updateStart();
    void updateFinish(int errorCode);
    void updateContentInstalled(QString productId, QString contentId);
    void updateProgress(QString message, int action, float progress, qlonglong total, qlonglong current,
                        qlonglong rate);
    void exitAppToUpdate();
    // The same moments as updateFinish and updateProgress, as values: the result keeps its reason,
    // the progress carries no words.
    void updateEnded(const UpdateResult &result);
    void progressReported(const UpdateProgress &progress);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // Unpacking and patching report through interfaces with the same operation but opposite
    // argument orders, so each gets its own forwarder to the progress record.
    class UnpackProgress : public ISevenZipCallback
    {
    public:
        explicit UnpackProgress(AutoUpdate *owner) : m_owner(owner) {}
        void progress(qint64 total, qint64 completed) override;
        bool stopRequested() const override { return m_owner->m_stopping.load(); }

    private:
        AutoUpdate *m_owner;
    };
    class PatchProgress : public IPatchProgress
    {
    public:
        explicit PatchProgress(AutoUpdate *owner) : m_owner(owner) {}
        void progress(qint64 processed, qint64 total) override;
        bool stopRequested() const override { return m_owner->m_stopping.load(); }

    private:
        AutoUpdate *m_owner;
    };

    AutoUpdate();

    // Never throws: an exception ends the job with Unknown.
    UpdateResult runGuardedJob(const QList<QUrl> &mirrors, Mode mode, const ManifestTrust &trust,
                               const ProductInfo &game);
    UpdateResult runJob(const QList<QUrl> &mirrors, Mode mode, const ManifestTrust &trust,
                        const ProductInfo &game);
    ManifestTrust manifestTrust() const;
    void acceptSerial(qint64 serial);
    UpdateResult runUpdates(const UpdateInfo &info, const ProductInfo &installedGame);
    UpdateResult updateGame(const ProductUpdateInfo &game, ProductInfo record);
    UpdateResult installContent(const UpdateContent &content, ProductInfo &game);
    // genuine() is asked before anything unpacked reaches the game.
    UpdateResult unpackAndApply(const UpdateContent &content, ProductInfo &game, const QString &archive,
                                const std::function<bool()> &genuine);
    UpdateResult updateLauncher(const ProductUpdateInfo &launcher);
    UpdateResult startCopier(const QString &folder);
    // With digestLeftToCaller, an archive that came by torrent is handed over unchecked (and the
    // flag set): the caller checks it. Otherwise every archive returned has passed its check. On
    // failure *why holds the reason.
    bool downloadContent(const UpdateContent &content, QString *archivePath, FailureReason *why,
                         bool *digestLeftToCaller = nullptr);
    // A torrent's finished archive that is not the content's is taken out of the session and
    // deleted.
    void discardTorrentArchive(const QString &archive);
    bool applyPatchContent(ProductInfo &product, const UpdateContent &content, const QString &gameFolder,
                           const QString &unpackFolder, FailureReason *why);
    void cleanup();

    void setProgress(UpdateProgress::Action action, qint64 total, qint64 done);
    // False when a stop came during the pause.
    bool pauseBeforeStep(UpdateProgress::Action action);
    void report(const UpdateProgress &progress);
    bool reportTorrentProgress();
    void sampleRate();

    mutable QMutex m_progressMutex;
    UpdateInfo m_updateInfo;
    UpdateProgress::Action m_action = UpdateProgress::Action::None;
    qint64 m_total = 0;
    qint64 m_done = 0;
    qint64 m_rate = 0;
    qint64 m_lastDone = 0;
    int m_timerId = 0;
    QElapsedTimer m_rateClock;

    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_running{0};
    std::atomic<bool> m_useTorrents{true};
    std::atomic<int> m_installPauseMs{5000};
    IProgramSettings *m_settings = nullptr;
    std::atomic<qint64> m_acceptedSerial{0};
    UnpackProgress m_unpackProgress{this};
    PatchProgress m_patchProgress{this};
    std::unique_ptr<UpdateTorrent> m_torrent;
    std::shared_ptr<TaskWrapper> m_job;
};
