#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;
class QNetworkReply;

namespace net {

// What an interrupted download left behind, so that the next attempt fetches only the rest: the
// bytes so far in "<file>.part" and, beside them, "<file>.part.meta" with the validator (ETag, else
// Last-Modified) and the length of the answer they came from. The finished file only appears under
// its own name once every byte is there, so a download killed at any moment is never taken for a
// whole one; and the meta file is written before the first byte of an answer and removed before a
// partial file is cut back, so bytes never pass for those of another version of the file.
class PartialDownload
{
public:
    explicit PartialDownload(const QString &filePath);

    QString partPath() const { return m_filePath + PartSuffix; }
    QString metaPath() const { return m_filePath + MetaSuffix; }
    // The names of what an interrupted download of fileName leaves beside it.
    static QStringList leftoverNames(const QString &fileName);

    // Where the next request starts, and the validator for its If-Range: 0 and empty when there is
    // nothing usable to resume (no meta file, no validator, a partial file longer than the answer).
    // A partial file that is already whole resumes at its last byte, so that the server still
    // tells whether the file changed.
    qint64 resumeOffset() const { return m_offset; }
    QByteArray validator() const { return m_validator; }

    // Brings the opened partial file to the resume offset (cutting off anything beyond it) and
    // places the write position there.
    bool prepare(QFile *part) const;

    // Decides on the head of the final answer before any of its body is written: a 206 from the
    // resume offset appends; a 200 (the file changed, or Range is not served) starts over in the
    // same answer. Anything else is refused, and restartNeeded() tells whether a fresh attempt
    // may help (a range the server cannot serve). offset() is where the answer's body begins.
    bool acceptAnswer(QNetworkReply *reply, QFile *part);
    bool restartNeeded() const { return m_restart; }
    qint64 offset() const { return m_offset; }

    // Moves the completed partial file to its own name and drops the meta file.
    bool finish();
    // Removes the partial file and its meta file.
    void discard();

private:
    static const QString PartSuffix;
    static const QString MetaSuffix;

    bool acceptRange(QNetworkReply *reply);
    bool startOver(QNetworkReply *reply, QFile *part);
    void load();
    bool writeMeta(const QByteArray &validator, qint64 total) const;

    QString m_filePath;
    QByteArray m_validator;
    qint64 m_total = -1;
    qint64 m_offset = 0;
    bool m_restart = false;
};

} // namespace net
