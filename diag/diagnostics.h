#pragma once

#include "patch/isevenzipcallback.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class ProcessWrapper;
class TaskWrapper;

// Collects the launcher's and the game's logs, the hosts file, the system reports and a battery of
// name look-ups, pings and route traces against the maker's hosts into one 7z archive on the desktop.
// The work runs on the application-wide pool; start and stop come from the GUI thread.
class Diagnostics : public QObject
{
    Q_OBJECT
public:
    enum Step {
        Idle = 0,
        CopyingLogs = 1,
        NetworkTests = 2,
        SystemInformation = 3,
        Packing = 4,
        Finished = 5
    };
    enum Result { Stopped = 0, NoTemporaryFolder = 2, Written = 3 };

    // How the probes run. The defaults are the ones players get; tests shorten them.
    struct Options
    {
        int pingCount = 4;
        int traceCycles = 100;
        // The route trace program; empty: the system's mtr, else the one beside the launcher.
        QString traceTool;
        // The name server nslookup asks; empty: the system's.
        QString nameServer;
        // A command batch that runs longer is cut off, and its overrunning commands are killed.
        int batchTimeLimitMs = 10 * 60 * 1000;
    };

    explicit Diagnostics(QObject *parent = nullptr);
    ~Diagnostics() override;

    void setOptions(const Options &options) { m_options = options; }

    void start();
    void stop();

    int step() const { return m_step.load(); }
    // The archive of the last run; read once ended has been delivered.
    QString archivePath() const { return m_archivePath; }
    // The folder the archive is written to: the player's desktop ("" when the system names none).
    static QString archiveFolder();
    // The name of an archive made now: edition, player login, game build and local time.
    static QString archiveName();
    // The 28 probes, in the order the network log lists them.
    QStringList networkCommands() const;

signals:
    void started();
    void progress(int processed, int total, int status, QString msg);
    void ended(int error);

private:
    class PackingProgress : public ISevenZipCallback
    {
    public:
        explicit PackingProgress(Diagnostics *owner) : m_owner(owner) {}
        void progress(qint64 total, qint64 completed) override;

    private:
        Diagnostics *m_owner;
    };

    void run();
    // False when the run was stopped (and has ended with 0).
    bool copyLogs(const QString &folder);
    bool runBatch(int stepCode, const QStringList &commands, const QString &outputPath);
    bool stopRequested();
    int pack(const QString &folder);
    QString traceTool() const;

    std::atomic<int> m_step{Idle};
    std::atomic<bool> m_aborted{true};
    std::shared_ptr<TaskWrapper> m_worker;
    QMutex m_processesMutex;
    QList<std::shared_ptr<ProcessWrapper>> m_processes;
    QString m_archivePath;
    Options m_options;
    // System reports of the current run that overran the time limit; only the body touches it.
    QStringList m_cutOffReports;
};
