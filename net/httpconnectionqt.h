#pragma once

#include "net/httpconnection.h"
#include "net/httptransfer.h"

#include <QNetworkRequest>

#include <functional>

class Hasher;
class QIODevice;

namespace net {

class PartialDownload;

// The HTTP client on Qt's network stack. Every call gets its own network manager, created and
// destroyed in the calling thread, because Qt binds a manager to one thread while a connection
// may be used from several (the download manager's tasks run on any thread of its pool). The
// manager takes the application proxy of the moment of the call.
class HttpConnectionQt : public HttpConnection
{
public:
    explicit HttpConnectionQt(bool allowCache) : HttpConnection(allowCache) {}

    bool download(const QUrl &url, const QString &filePath, const Headers &headers = Headers()) override;
    bool resumeDownload(const QUrl &url, const QString &filePath,
                        const Headers &headers = Headers()) override;
    bool get(const QUrl &url, QByteArray *out, const Headers &headers = Headers()) override;
    bool post(const QUrl &url, const QByteArray &body, QByteArray *out,
              const Headers &headers = Headers()) override;

private:
    bool intoBuffer(const QUrl &url, const QByteArray *body, QByteArray *out, const Headers &headers);
    bool request(const QUrl &url, const QByteArray *body, QIODevice *output, bool reportProgress,
                 const Headers &headers, qint64 maxBodyBytes);
    // digest, when set, follows the file: the part kept before the answer's body, then the body.
    bool resumeOnce(const QUrl &url, PartialDownload *partial, const Headers &headers, Hasher *digest);
    QNetworkRequest makeRequest(const QUrl &url, const Headers &headers) const;
    // Logs and keeps the reason; false.
    bool cannotWrite(const QString &filePath);
    HttpTransfer::ProgressHandler progressHandler(std::function<qint64()> base = {});
    // Downloads into files (throttled) follow the speed limit when the connection is limited.
    void configure(HttpTransfer *transfer, qint64 maxBodyBytes, bool throttled) const;
};

} // namespace net
