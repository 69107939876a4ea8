#pragma once

#include <QString>

#include <memory>

class QProcess;

// Packs a build folder into a new 7z archive with every core of the machine, through Debian's 7zz
// started as a child process (LZMA2, level 5, one thread per core), while the caller goes on with
// other work. Without 7zz on PATH the launcher's own packer does it on one thread when finish() is
// called: the archive is the same to the launcher, only slower to make.
//
// The archive is written under a temporary name next to archivePath and takes its name only when
// whole: a failed, killed or abandoned packing leaves nothing under archivePath.
class FolderPacker
{
public:
    FolderPacker(const QString &archivePath, const QString &sourceFolder);
    // Stops a packing still running and removes what it wrote.
    ~FolderPacker();
    FolderPacker(const FolderPacker &) = delete;
    FolderPacker &operator=(const FolderPacker &) = delete;

    bool start(QString &error);
    // Waits for the packing; true when the archive is in place.
    bool finish(QString &error);

private:
    QString partialPath() const { return m_archivePath + QStringLiteral(".part"); }
    bool packWithLibrary(QString &error);
    void abandon();

    QString m_archivePath;
    QString m_sourceFolder;
    std::unique_ptr<QProcess> m_tool;
};
