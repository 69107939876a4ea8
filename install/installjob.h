#pragma once

#include "install/installoptions.h"

#include <QList>
#include <QString>

#include <memory>

namespace install {

// One reversible step of installing the launcher. uninstall() serves both the rollback of a
// failed installation and the uninstallation. A job is shared between the job list and the
// rollback list, hence the shared pointers.
class InstallJob
{
public:
    explicit InstallJob(const QString &message) : m_message(message) {}
    virtual ~InstallJob() = default;

    virtual bool install() = 0;
    virtual bool uninstall() = 0;

    // The runner's options and install folder, copied in right before the job runs.
    void setOptions(const InstallOptions &options) { m_opts = options; }
    // The translated progress text shown while the job runs.
    QString message() const { return m_message; }

protected:
    InstallOptions m_opts;

private:
    QString m_message;
};

using InstallJobPtr = std::shared_ptr<InstallJob>;
using InstallJobList = QList<InstallJobPtr>;

} // namespace install
