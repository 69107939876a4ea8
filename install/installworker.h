#pragma once

#include "install/installjob.h"
#include "install/installoptions.h"

#include <QThread>

namespace install {

// Installs the launcher (forwards, undoing the finished steps newest first when one fails)
// or uninstalls it (every step backwards, then the launcher's working files) on a thread of
// its own.
class InstallWorker : public QThread
{
    Q_OBJECT
public:
    // Builds the job list for the options at once: the launcher files from the running
    // program's folder, the chosen links, the user data when uninstalling, the uninstall record.
    InstallWorker(bool install, const InstallOptions &options, QObject *parent = nullptr);
    // Runs the given jobs instead.
    InstallWorker(bool install, const InstallOptions &options, const InstallJobList &jobs,
                  QObject *parent = nullptr);

    InstallJobList jobs() const { return m_jobs; }

signals:
    void installProgress(int step, int totalSteps, QString stepMessage);
    void installFinished(bool res);

protected:
    void run() override;

private:
    void buildJobs();
    void appendLink(int folderKind, const QString &linkName, const QString &message);
    bool installJobs();
    void uninstallJobs();
    void removeWorkingFiles();

    InstallOptions m_opts;
    bool m_install;
    InstallJobList m_jobs;
};

} // namespace install
