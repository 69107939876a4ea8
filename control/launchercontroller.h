#pragma once

#include "app/version.h"
#include "update/updateinfo.h"
#include "update/updateprogress.h"
#include "update/updateresult.h"

#include <QObject>

class IProgramSettings;

// What the main window shows, decided without a widget: the end-user agreement gate, the game's
// update and its progress, what a failed update offers, the installed version and PLAY. The window
// observes the signals and draws; only this object talks to the process-wide AutoUpdate, and only
// it writes the installed game version (settings and gameProduct). GUI thread only.
class LauncherController : public QObject
{
    Q_OBJECT
public:
    // What an ended update offers the player.
    enum class Offer {
        Play,
        RetryOrExit,
        RetryExitOrDiagnostics,
        RetryExitOrCheckFiles,
    };
    Q_ENUM(Offer)

    // The update's moments reach this object's signals from now on.
    explicit LauncherController(IProgramSettings *settings, QObject *parent = nullptr);

    // Whether the stored answer to the end-user agreement lets the launcher go online.
    bool agreementAccepted() const;
    // Stores the player's acceptance; true when the gate now passes.
    bool acceptAgreement();

    // Checks for updates and applies them, from the "update_url" setting (a web address) or the
    // deployment's mirrors, by the "use_torrents" choice when there is one. updateStarted comes
    // first.
    void startUpdate();
    bool isUpdating() const;
    // Only a torrent download can be paused.
    bool canPause() const;
    void pauseDownload();
    void resumeDownload();

    // What an update result offers; code is updateFinish's integer, so that codes outside the
    // table (negative, too large) count as failures.
    static Offer offerFor(int code);

    // The game version the last manifest offers; invalid before one arrived.
    Version offeredVersion() const;
    // The last manifest: the file check chooses its contents from it.
    UpdateInfo manifest() const;
    // The game's size as the manifest states it, or fallback before one arrived.
    qint64 gameSize(qint64 fallback) const;

    // A content of the game reported installed (by the update or the file check): its
    // "version_to" becomes the installed version, in the settings and in gameProduct.
    void recordInstalled(const QString &productId, const QString &contentId);
    // Forgets the installed version and updates again, which installs the game from its full
    // package.
    void reinstallGame();

    // Starts the game with the interface language; false (logged) when it did not start.
    bool startGame();
    // The game's arguments for an interface language ("pt_BR" plays with "-locale pt-BR").
    static QStringList gameArguments(const QString &language);

    // Before the process ends: no queued work starts any more, and the update goes (its torrent
    // session saving its state).
    void shutDown();

signals:
    // Sent at once by startUpdate (also for a retry and a reinstallation).
    void updateStarted();
    void progressChanged(const UpdateProgress &progress);
    void updateFinished(const UpdateResult &result);
    // The installed game version changed (recorded or forgotten).
    void installedVersionChanged();
    // A newer launcher took over: this process must end.
    void selfUpdateHandedOver();

private:
    void onUpdateEnded(const UpdateResult &result);
    void saveSettings();

    IProgramSettings *m_settings;
};
