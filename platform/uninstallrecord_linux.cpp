#include "platform/uninstallrecord.h"

#include "platform/keyfile_linux.h"
#include "platform/knownfolders.h"

#include <QFile>

namespace platform {
namespace {

const QString recordGroup = QStringLiteral("Uninstall");

QString menuEntryPath(const QString &applicationId)
{
    return knownFolder(KnownFolder::StartMenu) + applicationId + QStringLiteral(".uninstall") +
           shellLinkSuffix();
}

KeyFile toKeyFile(const UninstallRecord &record)
{
    KeyFile file(recordGroup);
    file.setValue(QStringLiteral("DisplayIcon"), record.displayIcon);
    file.setValue(QStringLiteral("DisplayName"), record.displayName);
    file.setValue(QStringLiteral("DisplayVersion"), record.displayVersion);
    file.setValue(QStringLiteral("InstallLocation"), record.installLocation);
    file.setValue(QStringLiteral("NoModify"), QString::number(record.noModify));
    file.setValue(QStringLiteral("NoRepair"), QString::number(record.noRepair));
    file.setValue(QStringLiteral("UninstallString"), record.uninstallString);
    file.setValue(QStringLiteral("URLInfoAbout"), record.urlInfoAbout);
    file.setValue(QStringLiteral("Publisher"), record.publisher);
    return file;
}

} // namespace

QString uninstallRecordLocation(const QString &applicationId)
{
    return knownFolder(KnownFolder::LocalAppData) + applicationId + QStringLiteral(".uninstall");
}

bool writeUninstallRecord(const QString &applicationId, const UninstallRecord &record,
                          const ShellLink &uninstallEntry)
{
    const QString path = uninstallRecordLocation(applicationId);
    const QFileDevice::Permissions readWrite =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!toKeyFile(record).save(path, readWrite))
        return false;
    if (createShellLink(menuEntryPath(applicationId), uninstallEntry) >= 0)
        return true;
    QFile::remove(path);
    return false;
}

bool removeUninstallRecord(const QString &applicationId)
{
    removeShellLink(menuEntryPath(applicationId));
    return QFile::remove(uninstallRecordLocation(applicationId));
}

bool readUninstallRecord(const QString &applicationId, UninstallRecord *record)
{
    KeyFile file;
    if (!file.load(uninstallRecordLocation(applicationId)) || file.group() != recordGroup)
        return false;
    record->displayIcon = file.value(QStringLiteral("DisplayIcon"));
    record->displayName = file.value(QStringLiteral("DisplayName"));
    record->displayVersion = file.value(QStringLiteral("DisplayVersion"));
    record->installLocation = file.value(QStringLiteral("InstallLocation"));
    record->noModify = file.value(QStringLiteral("NoModify")).toInt();
    record->noRepair = file.value(QStringLiteral("NoRepair")).toInt();
    record->uninstallString = file.value(QStringLiteral("UninstallString"));
    record->urlInfoAbout = file.value(QStringLiteral("URLInfoAbout"));
    record->publisher = file.value(QStringLiteral("Publisher"));
    return true;
}

} // namespace platform
