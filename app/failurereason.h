#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>

// Why an operation failed, as data. The code that meets the failure fills in what it knows (the
// path, the URL, the bytes) and logs it there; the layers above pass the value on unchanged beside
// their own result code, and the window chooses the words. A default value means "no failure".
//
// To add a kind: append it to Kind with a comment naming the fields it fills, give it a factory
// below (so every place that reports it fills the same fields), describe it in describe()
// (failurereason.cpp), and add a row for it to the test's table of descriptions. Nothing stores
// or sends the kinds as numbers, so their order is free.
struct FailureReason
{
    Q_GADGET
public:
    enum class Kind {
        None,
        // The caller asked to stop (the window closing, the player cancelling).
        Cancelled,
        // path: the folder or file that did not fit; bytesNeeded (-1 when unknown), bytesFree.
        DiskFull,
        // path: the file or folder that could not be created or written.
        FolderNotWritable,
        // url: the server that could not be reached (refused, not found, timed out, TLS failed).
        ServerUnreachable,
        // url, httpStatus: the server answered with an error status.
        HttpStatus,
        // url: the transfer began but broke off (cut short, too slow, too large, a refused redirect).
        TransferFailed,
        // proxy: the proxy could not be reached or would not connect.
        ProxyRefused,
        // proxy: the proxy asked for credentials it did not accept.
        ProxyAuthentication,
        // url: the manifest is not a JSON object of the expected form; or path: the name of a content
        // whose fields cannot be used.
        ManifestInvalid,
        // url: the manifest's signature is missing or not by a publisher key.
        SignatureInvalid,
        // url: a signed manifest older than one accepted before.
        ManifestReplayed,
        // path: the file whose size or digest is not the one the manifest promises.
        DigestMismatch,
        // url: a .torrent that is not the content's, or that the session cannot use.
        TorrentRefused,
        // path: the content whose torrent reported an error or stopped getting data.
        TorrentFailed,
        // path: the archive that could not be read or unpacked.
        UnpackFailed,
        // path: the file (or package) the patch could not bring to its new version.
        PatchFailed,
        // path: the program that could not be started.
        ProgramNotStarted,
    };
    Q_ENUM(Kind)

    static FailureReason cancelled();
    static FailureReason diskFull(const QString &path, qint64 bytesNeeded, qint64 bytesFree);
    static FailureReason notWritable(const QString &path);
    static FailureReason atUrl(Kind kind, const QUrl &url);
    static FailureReason atStatus(const QUrl &url, int status);
    static FailureReason atProxy(Kind kind, const QString &proxy);
    static FailureReason atPath(Kind kind, const QString &path);

    bool isFailure() const { return kind != Kind::None; }
    // One line for logs and test messages, in English; the window does not show it.
    QString describe() const;
    bool operator==(const FailureReason &other) const;
    bool operator!=(const FailureReason &other) const { return !(*this == other); }

    Kind kind = Kind::None;
    QString path;
    QUrl url;
    // "host:port".
    QString proxy;
    int httpStatus = 0;
    qint64 bytesNeeded = -1;
    qint64 bytesFree = -1;
};

Q_DECLARE_METATYPE(FailureReason)
