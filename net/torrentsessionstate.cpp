#include "net/torrentsessionstate.h"

#include "app/logger.h"

#include <QFile>
#include <QSaveFile>

QByteArray TorrentSessionState::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TorrentSessionState::write(const QString &path, const QByteArray &state)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(state) == state.size() && file.commit();
    if (!written)
        Logger::instance().crit(QStringLiteral("failed to open torrent session file for writing: ") + path);
    return written;
}
