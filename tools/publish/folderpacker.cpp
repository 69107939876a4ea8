#include "tools/publish/folderpacker.h"

#include "patch/replacefile.h"
#include "patch/sevenzip.h"
#include "tools/publish/commandline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

const QString ToolName = QStringLiteral("7zz");

// A 7zz that outlives a killed gd7-publish would go on packing into a staging folder nobody
// commits; it is told to end with its parent.
class PackingProcess : public QProcess
{
protected:
    void setupChildProcess() override
    {
#ifdef Q_OS_LINUX
        prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    }
};

// Run from inside the source folder with "." as the only item, so that the items are stored
// relative to it (the folder itself is no item) and no file name ever stands on the command line,
// where a name such as "-sdel" would be taken for a switch; "--" ends the switches before the
// archive path for the same reason.
//
// LZMA2 in blocks of 8 MiB: each thread compresses blocks of its own, where the default (one
// stream, its match finder on a second thread) keeps two cores only half busy. Measured on two
// cores it packs a quarter faster or more for a quarter of a percent of the archive's size.
//
// -ms=16m: solid blocks of at most 16 MiB (a larger file is a block of its own). The launcher
// unpacks separate blocks on separate threads; one solid block would keep it to one.
//
// -mf=off: 7zz would pick branch filters by looking at the files (ARM64 and RISC-V among them, at
// times for files that are no programs at all), and the launcher's unpacker reads only the older
// ones. Without filters the archive has exactly the coders the launcher's own packer uses.
QStringList toolArguments(const QString &archive)
{
    return {QStringLiteral("a"),
            QStringLiteral("-t7z"),
            QStringLiteral("-m0=LZMA2:c=8m"),
            QStringLiteral("-mx=5"),
            QStringLiteral("-ms=16m"),
            QStringLiteral("-mf=off"),
            QStringLiteral("-mmt=%1").arg(QThread::idealThreadCount()),
            QStringLiteral("-bd"),
            QStringLiteral("-bso0"),
            QStringLiteral("-bsp0"),
            QStringLiteral("-y"),
            QStringLiteral("--"),
            archive,
            QStringLiteral(".")};
}

QString toolFailure(QProcess &tool)
{
    if (tool.error() == QProcess::FailedToStart)
        return QStringLiteral("cannot start %1: %2").arg(tool.program(), tool.errorString());
    const QString said = QString::fromLocal8Bit(tool.readAllStandardError()).simplified();
    const QString how = tool.exitStatus() == QProcess::CrashExit
                            ? QStringLiteral("was stopped")
                            : QStringLiteral("failed with exit code %1").arg(tool.exitCode());
    return QStringLiteral("%1 %2").arg(ToolName, how) +
           (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
}

} // namespace

FolderPacker::FolderPacker(const QString &archivePath, const QString &sourceFolder)
    : m_archivePath(QDir(archivePath).absolutePath()), m_sourceFolder(QDir(sourceFolder).absolutePath())
{}

FolderPacker::~FolderPacker()
{
    abandon();
}

bool FolderPacker::start(QString &error)
{
    if (!QFileInfo(m_sourceFolder).isDir()) {
        error = QStringLiteral("not a folder: %1").arg(m_sourceFolder);
        return false;
    }
    const QString program = QStandardPaths::findExecutable(ToolName);
    if (program.isEmpty()) {
        warn(QStringLiteral("%1 not found on PATH: packing on one core (Debian's 7zip package brings it)")
                 .arg(ToolName));
        return true;
    }
    // 7zz adds to an archive that exists; a leftover of an earlier run must not be taken in.
    if (QFileInfo::exists(partialPath()) && !QFile::remove(partialPath())) {
        error = QStringLiteral("cannot remove %1").arg(partialPath());
        return false;
    }
    m_tool = std::make_unique<PackingProcess>();
    m_tool->setWorkingDirectory(m_sourceFolder);
    m_tool->setStandardOutputFile(QProcess::nullDevice());
    m_tool->start(program, toolArguments(partialPath()), QIODevice::ReadOnly);
    return true;
}

bool FolderPacker::finish(QString &error)
{
    if (!m_tool)
        return packWithLibrary(error);
    m_tool->waitForFinished(-1);
    const bool packed = m_tool->error() == QProcess::UnknownError &&
                        m_tool->exitStatus() == QProcess::NormalExit && m_tool->exitCode() == 0;
    if (!packed) {
        error = toolFailure(*m_tool);
        abandon();
        return false;
    }
    m_tool.reset();
    if (!replaceFile(partialPath(), m_archivePath)) {
        error = QStringLiteral("cannot move %1 to %2").arg(partialPath(), m_archivePath);
        abandon();
        return false;
    }
    return true;
}

bool FolderPacker::packWithLibrary(QString &error)
{
    if (sevenZipPack(m_archivePath, m_sourceFolder, QFileInfo(m_archivePath).path(), nullptr))
        return true;
    error = QStringLiteral("cannot pack %1").arg(m_sourceFolder);
    return false;
}

void FolderPacker::abandon()
{
    if (m_tool && m_tool->state() != QProcess::NotRunning) {
        m_tool->kill();
        m_tool->waitForFinished(-1);
    }
    m_tool.reset();
    QFile::remove(partialPath());
}
