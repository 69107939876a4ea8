#pragma once

#include "app/failurereason.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>

class QJsonObject;
class QPixmap;
class QXmlStreamReader;

namespace net {

class IHttpProgress;

// A small blocking HTTP client: each call runs until the transfer is over (processing the
// calling thread's events meanwhile) and answers true or false; failures are logged, never
// thrown, and failure() tells why the last call failed. Redirects are followed, the application proxy is used
// and answers are cached on disk. Set the options before the first call; a connection may be used from any
// thread, one call at a time.
class HttpConnection
{
public:
    using Headers = QHash<QString, QString>;

    static std::shared_ptr<HttpConnection> create(bool allowCache);
    virtual ~HttpConnection() = default;

    // Streams the body into filePath; on failure the file is removed. Reports progress.
    virtual bool download(const QUrl &url, const QString &filePath, const Headers &headers = Headers()) = 0;
    // As download, for large files whose download may be interrupted: the bytes so far stay beside
    // filePath ("<file>.part", with a record of the answer they came from) when the call fails or
    // the process ends, and the next call for the same filePath asks only for the rest, guarded
    // by If-Range so that a changed file on the server starts over. filePath itself only appears
    // when the download is complete.
    virtual bool resumeDownload(const QUrl &url, const QString &filePath,
                                const Headers &headers = Headers()) = 0;
    virtual bool get(const QUrl &url, QByteArray *out, const Headers &headers = Headers()) = 0;
    virtual bool post(const QUrl &url, const QByteArray &body, QByteArray *out,
                      const Headers &headers = Headers()) = 0;
    // A body that is JSON but not an object gives an empty object.
    bool getJson(const QUrl &url, QJsonObject *out, const Headers &headers = Headers());
    // Control characters other than tab and line feed are dropped before the reader sees the text.
    bool getXml(const QUrl &url, QXmlStreamReader *out, const Headers &headers = Headers());
    bool getPixmap(const QUrl &url, QPixmap *out, const Headers &headers = Headers());

    // Why the last call failed (the server, the status, the proxy, the disk); no failure after one
    // that succeeded.
    const FailureReason &failure() const { return m_failure; }

    QString userAgent() const { return m_userAgent; }
    void setUserAgent(const QString &userAgent) { m_userAgent = userAgent; }
    // Sent as Basic authorization when login is not empty.
    void setCredentials(const QString &login, const QString &password);
    // Milliseconds a transfer may stall before it fails; 0 means no limit.
    void setTransferTimeout(int milliseconds) { m_transferTimeout = milliseconds; }
    void setProgressListener(IHttpProgress *listener) { m_progressListener = listener; }
    // Another thread raises the flag to end the running call and every later one at once, as
    // failures; this is how a closing window stops a thread that waits on a slow server. The
    // flag must outlive the calls.
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancelFlag = flag; }
    // resumeDownload then hashes the file as its bytes are written, reading back only what an
    // earlier attempt kept, so that its SHA-256 is known the moment it is complete.
    void setSha256WhileDownloading(bool on) { m_sha256WhileDownloading = on; }
    // The SHA-256 of the file the last resumeDownload completed (64 lowercase hexadecimal digits);
    // empty when it failed, hashing was off, or the kept part could not be read back.
    QString downloadedSha256() const { return m_downloadedSha256; }
    // Answers longer than this many bytes fail with a crit line, so that a body that never
    // ends cannot exhaust memory; 0 means no limit.
    void setMaxBodySize(qint64 bytes) { m_maxBodySize = bytes; }
    // Holds downloads into files to the player's download speed limit (SpeedLimit).
    void setSpeedLimited(bool limited) { m_speedLimited = limited; }
    // A transfer that averages fewer than bytesPerSecond over windowMs fails, as a stalled mirror
    // should; applies to the connections created afterwards. 0 bytes switch it off.
    static void setDefaultLowSpeedLimit(int bytesPerSecond, int windowMs);
    // The limit of the calls that hold the body in memory (JSON, XML, pictures) when no other is set.
    static constexpr qint64 InMemoryLimit = 8 * 1024 * 1024;

protected:
    explicit HttpConnection(bool allowCache);

    QString m_login;
    QString m_password;
    bool m_allowCache;
    int m_transferTimeout = 0;
    IHttpProgress *m_progressListener = nullptr;
    const std::atomic<bool> *m_cancelFlag = nullptr;
    qint64 m_maxBodySize = 0;
    bool m_speedLimited = false;
    bool m_sha256WhileDownloading = false;
    QString m_downloadedSha256;
    FailureReason m_failure;
    int m_lowSpeedBytesPerSecond;
    int m_lowSpeedWindowMs;
    QString m_userAgent;
};

} // namespace net
