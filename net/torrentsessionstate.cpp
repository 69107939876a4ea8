#include "net/torrentsessionstate.h"

#include "app/logger.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

QByteArray TorrentSessionState::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Written beside the file and renamed over it: a reader sees the previous state or the new one, never a
// torn file. Not synced to the disk: the state is settings and DHT nodes, which a lost write costs
// nothing, while a sync right after a download waits for all of its data to reach the disk.
bool TorrentSessionState::write(const QString &path, const QByteArray &state)
{
    // Created for its owner only.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    const bool written =
        file.open() && file.write(state) == state.size() && file.flush() &&
        std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0;
    if (!written) {
        Logger::instance().crit(QStringLiteral("failed to open torrent session file for writing: ") + path);
        return false;
    }
    file.setAutoRemove(false);
    return true;
}
