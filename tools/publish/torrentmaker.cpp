#include "tools/publish/torrentmaker.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <libtorrent/bencode.hpp>
#include <libtorrent/create_torrent.hpp>
#include <libtorrent/hasher.hpp>
#include <libtorrent/torrent_info.hpp>

#include <iterator>
#include <vector>

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString hexHash(const lt::torrent_info &torrent)
{
    const lt::sha1_hash hash = torrent.info_hashes().v1;
    return QString::fromLatin1(QByteArray(hash.data(), static_cast<int>(hash.size())).toHex());
}

bool writeTorrent(lt::create_torrent &torrent, const QStringList &webSeeds, const QString &torrentPath,
                  QByteArray &data, QString &error)
{
    for (const QString &seed : webSeeds)
        torrent.add_url_seed(seed.toStdString());
    torrent.set_creator("gd7-publish");
    std::vector<char> buffer;
    lt::bencode(std::back_inserter(buffer), torrent.generate());
    data = QByteArray(buffer.data(), static_cast<int>(buffer.size()));
    QSaveFile file(torrentPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        error = QStringLiteral("cannot write torrent: %1").arg(torrentPath);
        return false;
    }
    return true;
}

bool makeTorrent(lt::file_storage &files, const QString &parentFolder, const QStringList &webSeeds,
                 const QString &torrentPath, QByteArray &data, QString &error)
{
    if (files.num_files() == 0 || files.total_size() == 0) {
        error = QStringLiteral("nothing to put in a torrent: %1").arg(torrentPath);
        return false;
    }
    lt::create_torrent torrent(files, 0, lt::create_torrent::v1_only);
    lt::error_code ec;
    lt::set_piece_hashes(torrent, parentFolder.toStdString(), ec);
    if (ec) {
        error = QStringLiteral("cannot hash files for %1: %2").arg(torrentPath, fromStd(ec.message()));
        return false;
    }
    return writeTorrent(torrent, webSeeds, torrentPath, data, error);
}

} // namespace

bool makeFileTorrent(const QString &filePath, const QStringList &webSeeds, const QString &torrentPath,
                     QString &infoHash, QString &error)
{
    const QFileInfo info(filePath);
    lt::file_storage files;
    lt::add_files(files, info.absoluteFilePath().toStdString());
    QByteArray data;
    if (!makeTorrent(files, info.absolutePath(), webSeeds, torrentPath, data, error))
        return false;
    infoHash = hexHash(lt::torrent_info(lt::span<const char>(data.constData(), data.size()), lt::from_span));
    return true;
}

bool makeFolderTorrent(const QString &folderPath, const QString &excludedName, const QStringList &webSeeds,
                       const QString &torrentPath, QString &error)
{
    const QFileInfo info(folderPath);
    const std::string excluded = excludedName.toStdString();
    lt::file_storage files;
    lt::add_files(files, info.absoluteFilePath().toStdString(), [&excluded](const std::string &path) {
        return QFileInfo(QString::fromStdString(path)).fileName().toStdString() != excluded;
    });
    QByteArray data;
    return makeTorrent(files, info.absolutePath(), webSeeds, torrentPath, data, error);
}

bool checkTorrent(const QString &torrentPath, const QString &saveFolder, QString &infoHash, QString &error)
{
    lt::error_code ec;
    const lt::torrent_info torrent(torrentPath.toStdString(), ec);
    if (ec) {
        error = QStringLiteral("not a torrent: %1 (%2)").arg(torrentPath, fromStd(ec.message()));
        return false;
    }
    infoHash = hexHash(torrent);
    const lt::file_storage &files = torrent.files();
    for (const lt::piece_index_t piece : files.piece_range()) {
        const int pieceSize = files.piece_size(piece);
        lt::hasher hasher;
        for (const lt::file_slice &slice : files.map_block(piece, 0, pieceSize)) {
            QByteArray bytes(static_cast<int>(slice.size), '\0');
            if (!files.pad_file_at(slice.file_index)) {
                QFile file(saveFolder + QLatin1Char('/') +
                           QString::fromStdString(files.file_path(slice.file_index)));
                if (!file.open(QIODevice::ReadOnly) || !file.seek(slice.offset) ||
                    file.read(bytes.data(), bytes.size()) != bytes.size()) {
                    error = QStringLiteral("torrent %1: cannot read %2").arg(torrentPath, file.fileName());
                    return false;
                }
            }
            hasher.update(bytes.constData(), bytes.size());
        }
        if (hasher.final() != torrent.hash_for_piece(piece)) {
            error = QStringLiteral("torrent %1: piece %2 does not match its files")
                        .arg(torrentPath)
                        .arg(static_cast<int>(piece));
            return false;
        }
    }
    return true;
}
