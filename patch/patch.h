#pragma once

#include "app/failurereason.h"
#include "patch/ipatchprogress.h"
#include "patch/jdiffprogress.h"
#include "patch/patchconfig.h"

#include <QString>

// A patch package: brings a game folder from one version to the next by patching modified files
// (through a work folder, checked by SHA-1 before and after), moving added files in and deleting
// removed ones.
class Patch : public jdiff::JDiffProgress
{
public:
    explicit Patch(IPatchProgress *progress);

    bool load(const QString &packageFolder);
    const PatchConfig &config() const { return m_config; }
    bool apply(const QString &gameFolder, const QString &workFolder);
    // Why load or apply failed: the file that would not patch, the disk, or a stop.
    const FailureReason &failure() const { return m_failure; }

    void progress(qint64 position, qint64 size) override;
    bool stopRequested() const override { return m_progress && m_progress->stopRequested(); }

private:
    bool validate(const QList<PatchContent> &modified, const QList<PatchContent> &added,
                  const QList<PatchContent> &removed, const QString &gameFolder);
    bool checkEntries(const QList<PatchContent> &entries);
    bool stoppedAt(const PatchContent &entry);
    bool applyModified(const PatchContent &entry, const QString &gameFolder, const QString &workFolder);
    bool patchFile(const PatchContent &entry, const QString &target, const QString &work);
    bool applyAdded(const PatchContent &entry, const QString &gameFolder);
    void applyRemoved(const PatchContent &entry, const QString &gameFolder);
    QString countedSha1(const QString &path);
    void report();
    // Keeps the reason; false.
    bool fail(const FailureReason &reason);
    bool failAt(const QString &path);

    QString m_folder;
    PatchConfig m_config;
    IPatchProgress *m_progress;
    qint64 m_processed = 0;
    qint64 m_total = 0;
    FailureReason m_failure;
};
