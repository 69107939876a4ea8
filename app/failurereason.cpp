#include "app/failurereason.h"

#include <QMetaEnum>

FailureReason FailureReason::cancelled()
{
    FailureReason reason;
    reason.kind = Kind::Cancelled;
    return reason;
}

FailureReason FailureReason::diskFull(const QString &path, qint64 bytesNeeded, qint64 bytesFree)
{
    FailureReason reason = atPath(Kind::DiskFull, path);
    reason.bytesNeeded = bytesNeeded;
    reason.bytesFree = bytesFree;
    return reason;
}

FailureReason FailureReason::notWritable(const QString &path)
{
    return atPath(Kind::FolderNotWritable, path);
}

FailureReason FailureReason::atUrl(Kind kind, const QUrl &url)
{
    FailureReason reason;
    reason.kind = kind;
    reason.url = url;
    return reason;
}

FailureReason FailureReason::atStatus(const QUrl &url, int status)
{
    FailureReason reason = atUrl(Kind::HttpStatus, url);
    reason.httpStatus = status;
    return reason;
}

FailureReason FailureReason::atProxy(Kind kind, const QString &proxy)
{
    FailureReason reason;
    reason.kind = kind;
    reason.proxy = proxy;
    return reason;
}

FailureReason FailureReason::atPath(Kind kind, const QString &path)
{
    FailureReason reason;
    reason.kind = kind;
    reason.path = path;
    return reason;
}

QString FailureReason::describe() const
{
    const QString name = QString::fromLatin1(QMetaEnum::fromType<Kind>().valueToKey(int(kind)));
    QStringList details;
    if (!path.isEmpty())
        details.append(QStringLiteral("path ") + path);
    if (!url.isEmpty())
        details.append(QStringLiteral("url ") + url.toString());
    if (!proxy.isEmpty())
        details.append(QStringLiteral("proxy ") + proxy);
    if (httpStatus != 0)
        details.append(QStringLiteral("status ") + QString::number(httpStatus));
    if (bytesNeeded >= 0)
        details.append(QStringLiteral("needs ") + QString::number(bytesNeeded) + QStringLiteral(" bytes"));
    if (bytesFree >= 0)
        details.append(QString::number(bytesFree) + QStringLiteral(" bytes free"));
    return details.isEmpty() ? name : name + QStringLiteral(": ") + details.join(QStringLiteral(", "));
}

bool FailureReason::operator==(const FailureReason &other) const
{
    return kind == other.kind && path == other.path && url == other.url && proxy == other.proxy &&
           httpStatus == other.httpStatus && bytesNeeded == other.bytesNeeded && bytesFree == other.bytesFree;
}
