#pragma once

#include <QString>
#include <QStringList>

// A work folder inside the release folder where one content's files are made. Nothing of the
// release changes until commit moves the finished items in; a staging that is not committed is
// deleted with everything in it.
class ReleaseStaging
{
public:
    ReleaseStaging() = default;
    ~ReleaseStaging();
    ReleaseStaging(const ReleaseStaging &) = delete;
    ReleaseStaging &operator=(const ReleaseStaging &) = delete;

    // Creates the release folder when missing and an empty staging folder in it.
    bool begin(const QString &releaseFolder, const QString &id, QString &error);
    QString path(const QString &relative) const;
    QString releasePath(const QString &relative) const;

    // Items (paths relative to the release folder) that already exist there.
    QStringList existing(const QStringList &items) const;
    // Moves the items from staging into the release, replacing older ones; on failure the
    // release is put back as it was.
    bool commit(const QStringList &items, QString &error);

private:
    QString m_release;
    QString m_staging;
};
