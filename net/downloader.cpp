#include "net/downloader.h"

#include "app/logger.h"
#include "net/downloadrandomtask.h"
#include "net/downloadvalidator.h"
#include "net/httpconnection.h"
#include "net/mirrorlist.h"

#include <QFile>
#include <QSaveFile>

Downloader::Downloader(QObject *parent) : TaskManager(parent), m_connection(net::HttpConnection::create(true))
{}

Downloader::~Downloader()
{
    terminate(-1, true);
    eraseResults(-1);
}

bool Downloader::download(const QList<QUrl> &urls, QByteArray *out, const QString &savePath, bool force,
                          bool allowNetwork, DownloadValidator *validator)
{
    if (useSavedCopy(out, savePath, force, validator))
        return true;
    if (urls.isEmpty() || !allowNetwork)
        return false;
    for (const MirrorList::Attempt &attempt : MirrorList(urls, MirrorPolicy::randomOnce())) {
        if (downloadFrom(attempt.url, out, savePath, validator))
            return true;
    }
    return false;
}

int Downloader::downloadRandom(const QList<QUrl> &urls, const QString &savePath, bool force,
                               bool allowNetwork, DownloadValidator *validator)
{
    auto buffer = std::make_shared<QByteArray>();
    const int id =
        start(new DownloadRandomTask(this, buffer, urls, savePath, force, allowNetwork, validator));
    if (id != -1)
        m_results.insert(id, buffer);
    return id;
}

std::shared_ptr<QByteArray> Downloader::takeResult(int id)
{
    if (m_results.isEmpty() || isRunning(id))
        return {};
    return m_results.take(id);
}

void Downloader::eraseResults(int id)
{
    if (m_results.isEmpty())
        return;
    if (id != -1) {
        if (!isRunning(id))
            m_results.remove(id);
        return;
    }
    for (auto it = m_results.begin(); it != m_results.end();)
        it = isRunning(it.key()) ? std::next(it) : m_results.erase(it);
}

void Downloader::progress(net::HttpConnection *, qint64 total, qint64 current)
{
    emit progress(qlonglong(total), qlonglong(current));
}

bool Downloader::useSavedCopy(QByteArray *out, const QString &savePath, bool force,
                              DownloadValidator *validator)
{
    // Without a file to look at, a caller that wants no bytes is served already.
    if (savePath.isEmpty())
        return !out;
    if (force || !QFile::exists(savePath))
        return false;
    if (!out && !validator)
        return true;
    QFile file(savePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance().crit(QStringLiteral("Couldn't open to read save path ") + savePath);
        return !out;
    }
    const QByteArray data = file.readAll();
    if (validator && !validator->validate(data))
        return false;
    if (out)
        *out = data;
    return true;
}

bool Downloader::downloadFrom(const QUrl &url, QByteArray *out, const QString &savePath,
                              DownloadValidator *validator)
{
    QByteArray temporary;
    QByteArray *buffer = out ? out : &temporary;
    if (!m_connection->get(url, buffer)) {
        Logger::instance().crit(QStringLiteral("download failed:") + url.toString());
        return false;
    }
    if (validator && !validator->validate(*buffer)) {
        if (out)
            out->clear();
        return false;
    }
    if (!savePath.isEmpty())
        saveCopy(savePath, *buffer);
    return true;
}

void Downloader::saveCopy(const QString &savePath, const QByteArray &data)
{
    // Replaced in one step: an interrupted save must not leave a truncated copy that later calls
    // would take for the real file.
    QSaveFile file(savePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        Logger::instance().crit(QStringLiteral("Couldn't open to write save path ") + savePath);
}
