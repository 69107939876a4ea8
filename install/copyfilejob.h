#pragma once

#include "install/installjob.h"

namespace install {

class CopyFileJob : public InstallJob
{
public:
    CopyFileJob(const QString &message, const QString &source, const QString &target);

    // Replaces the target in one step: a failed copy keeps the file that was there.
    bool install() override;
    bool uninstall() override;

    QString source() const { return m_source; }
    QString target() const { return m_target; }

private:
    QString m_source;
    QString m_target;
};

} // namespace install
