#pragma once

#include "app/version.h"
#include "update/updatecontent.h"
#include "update/updateinfo.h"

#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class TaskWrapper;

// Verifies the installed game folder against the publisher's file list ("package.conf") of the
// installed version, fetched from the recovery locations of the update manifest. The check runs on
// the application-wide pool and can be paused, resumed and stopped from the GUI thread.
class Checker : public QObject
{
    Q_OBJECT
public:
    enum Status { Idle = 0, LoadingPackage = 1, CheckingFiles = 2, Finished = 3 };

    explicit Checker(const Version &installedVersion, QObject *parent = nullptr);
    ~Checker() override;

    // The manifest the candidates are taken from: the orchestrator's last one.
    void setUpdateInfo(const UpdateInfo &manifest) { m_manifest = manifest; }

    void start();
    void stop();
    void pause();
    void resume();

    int status() const { return m_status.load(); }
    // Read once ended(0) has been delivered.
    QStringList damagedFiles() const { return m_damagedFiles; }
    qint64 damagedBytes() const { return m_damagedBytes; }
    QSet<QString> packageFiles() const { return m_packageFiles; }
    // The content whose package file was used.
    UpdateContent packageContent() const { return m_packageContent; }
    // The content a repair fetches its files from, chosen from the manifest given to
    // setUpdateInfo among the full contents with recovery torrents: the last one of the installed
    // version, else the first of the newest version, when newer is set to true. Invalid when the
    // manifest holds none.
    UpdateContent recoveryContent(bool *newer = nullptr) const;

signals:
    void started();
    void progress(int processed, int total, int status, QString msg);
    void ended(int error);

private:
    void run(const UpdateInfo &manifest);
    struct ListedFile;
    struct HashRun;

    // False once the body has to end: a stop was asked for (after waiting out a pause).
    bool passCheckpoint();
    // Waits out a pause; false when a stop was asked for. Safe on any thread of the check.
    bool waitWhilePaused() const;
    void endStopped();
    void finish();
    // The full contents to take the package file from, exact version first; false when stopped.
    bool chooseCandidates(const UpdateInfo &manifest, QList<UpdateContent> &result);
    bool loadPackage(const QList<UpdateContent> &candidates, const QString &packagePath,
                     QJsonObject &package);
    // The files to hash, in package order; fills the package file set. False when the body has
    // to end (a path outside the game folder refuses the whole list).
    bool listFiles(const QJsonArray &content, QList<ListedFile> &files);
    // Hashes the files, two at a time where the machine has the cores, and records the damaged
    // ones in package order. False when the body has to end.
    bool checkFiles(const QList<ListedFile> &files, int total);
    // One thread's share of a run: takes the next file until none is left or a stop is asked for.
    void hashFiles(HashRun &run, int total);
    void clearResults();

    qint64 m_damagedBytes = 0;
    QSet<QString> m_packageFiles;
    std::atomic<int> m_status{Idle};
    QStringList m_damagedFiles;
    std::atomic<bool> m_abort{true};
    std::atomic<bool> m_pause{false};
    std::shared_ptr<TaskWrapper> m_task;
    Version m_installedVersion;
    UpdateInfo m_manifest;
    UpdateContent m_packageContent;
};
