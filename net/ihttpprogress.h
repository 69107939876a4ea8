#pragma once

#include <QtGlobal>

namespace net {

class HttpConnection;

// Receives the byte counts of a transfer as they grow; total is -1 while the size is unknown.
// Listeners are not owned by the connection and are never deleted through this interface.
class IHttpProgress
{
public:
    virtual void progress(HttpConnection *connection, qint64 total, qint64 current) = 0;

protected:
    ~IHttpProgress() = default;
};

} // namespace net
