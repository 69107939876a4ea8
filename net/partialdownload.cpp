#include "net/partialdownload.h"

#include "app/logger.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSaveFile>

namespace net {

namespace {

const QString ValidatorKey = QStringLiteral("validator");
const QString TotalKey = QStringLiteral("total");

// What an If-Range may carry: a strong ETag, else the Last-Modified date. A weak ETag never matches
// there, so it would restart every resume.
QByteArray validatorOf(const QNetworkReply *reply)
{
    const QByteArray etag = reply->rawHeader("ETag").trimmed();
    if (!etag.isEmpty() && !etag.startsWith("W/"))
        return etag;
    return reply->rawHeader("Last-Modified").trimmed();
}

// "bytes first-last/total" of a 206 answer; false when it is not one.
bool parseContentRange(const QByteArray &header, qint64 *first, qint64 *total)
{
    static const QRegularExpression pattern(QStringLiteral("^bytes\\s+(\\d+)-(\\d+)/(\\d+|\\*)$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(header.trimmed()));
    if (!match.hasMatch())
        return false;
    *first = match.captured(1).toLongLong();
    *total = match.captured(3) == QLatin1String("*") ? -1 : match.captured(3).toLongLong();
    return true;
}

} // namespace

const QString PartialDownload::PartSuffix = QStringLiteral(".part");
const QString PartialDownload::MetaSuffix = QStringLiteral(".part.meta");

QStringList PartialDownload::leftoverNames(const QString &fileName)
{
    return {fileName + PartSuffix, fileName + MetaSuffix};
}

PartialDownload::PartialDownload(const QString &filePath) : m_filePath(filePath)
{
    load();
}

void PartialDownload::load()
{
    QFile meta(metaPath());
    if (!meta.open(QIODevice::ReadOnly))
        return;
    const QJsonObject record = QJsonDocument::fromJson(meta.readAll()).object();
    const QByteArray validator = record.value(ValidatorKey).toString().toLatin1();
    const qint64 total = qint64(record.value(TotalKey).toDouble(-1));
    const qint64 kept = QFileInfo(partPath()).size();
    if (validator.isEmpty() || kept <= 0 || (total > 0 && kept > total))
        return;
    m_validator = validator;
    m_total = total;
    m_offset = total > 0 ? qMin(kept, total - 1) : kept;
    if (m_offset == 0)
        m_validator.clear();
}

bool PartialDownload::prepare(QFile *part) const
{
    // Bytes that will not be resumed lose their meta file first: a partial file never sits
    // beside the validator of other bytes.
    if (m_offset == 0)
        QFile::remove(metaPath());
    return part->resize(m_offset) && part->seek(m_offset);
}

bool PartialDownload::acceptAnswer(QNetworkReply *reply, QFile *part)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200)
        return startOver(reply, part);
    if (status == 206 && m_offset > 0)
        return acceptRange(reply);
    // A range the server cannot serve (the file shrank, or the partial file is off) gets a fresh
    // attempt; other answers are errors, and their bodies must not join the partial file.
    m_restart = status == 416 && m_offset > 0;
    Logger::instance().crit(QStringLiteral("http answer refused: ") + QString::number(status) +
                            QStringLiteral(" ") + reply->url().toString());
    return false;
}

bool PartialDownload::acceptRange(QNetworkReply *reply)
{
    qint64 first = -1;
    qint64 total = -1;
    if (parseContentRange(reply->rawHeader("Content-Range"), &first, &total) && first == m_offset &&
        (m_total <= 0 || total == m_total)) {
        Logger::instance().info(QStringLiteral("http resumed at ") + QString::number(m_offset) +
                                QStringLiteral(": ") + reply->url().toString());
        return true;
    }
    Logger::instance().crit(QStringLiteral("http resume answer does not fit: ") +
                            QString::fromLatin1(reply->rawHeader("Content-Range")) + QStringLiteral(" ") +
                            reply->url().toString());
    m_restart = true;
    return false;
}

bool PartialDownload::startOver(QNetworkReply *reply, QFile *part)
{
    if (m_offset > 0)
        Logger::instance().info(QStringLiteral("http resume not possible, starting over: ") +
                                reply->url().toString());
    QFile::remove(metaPath());
    m_offset = 0;
    if (!part->resize(0) || !part->seek(0)) {
        Logger::instance().crit(QStringLiteral("failed to reset partial download: ") + partPath());
        return false;
    }
    m_validator = validatorOf(reply);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    m_total = length.isValid() ? length.toLongLong() : -1;
    // Without a validator no later answer can prove it continues these bytes: no meta file, and
    // an interrupted attempt starts over.
    if (!m_validator.isEmpty() && !writeMeta(m_validator, m_total))
        Logger::instance().crit(QStringLiteral("failed to write partial download record: ") + metaPath());
    return true;
}

bool PartialDownload::writeMeta(const QByteArray &validator, qint64 total) const
{
    QJsonObject record;
    record.insert(ValidatorKey, QString::fromLatin1(validator));
    record.insert(TotalKey, double(total));
    QSaveFile meta(metaPath());
    const QByteArray bytes = QJsonDocument(record).toJson(QJsonDocument::Compact);
    return meta.open(QIODevice::WriteOnly) && meta.write(bytes) == bytes.size() && meta.commit();
}

bool PartialDownload::finish()
{
    QFile::remove(m_filePath);
    if (!QFile::rename(partPath(), m_filePath)) {
        Logger::instance().crit(QStringLiteral("failed to move finished download to: ") + m_filePath);
        return false;
    }
    QFile::remove(metaPath());
    return true;
}

void PartialDownload::discard()
{
    QFile::remove(metaPath());
    QFile::remove(partPath());
}

} // namespace net
