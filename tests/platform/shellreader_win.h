#pragma once

#include <QDir>
#include <QProcess>
#include <QString>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

// What other programs find of the launcher's traces in the Windows shell, read through the shell's
// own objects and tools rather than the code under test.
struct ShellLinkContents
{
    QString path;
    QString arguments;
    QString workingFolder;
};

// A ".lnk" file as the shell's link object loads it (COM must be initialised on the thread).
inline ShellLinkContents readShellLink(const QString &linkPath)
{
    ShellLinkContents contents;
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void **>(&link))))
        return contents;
    IPersistFile *file = nullptr;
    wchar_t buffer[2048] = {};
    const QString native = QDir::toNativeSeparators(linkPath);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file))) &&
        SUCCEEDED(file->Load(reinterpret_cast<const wchar_t *>(native.utf16()), STGM_READ))) {
        if (SUCCEEDED(link->GetPath(buffer, 2048, nullptr, SLGP_RAWPATH)))
            contents.path = QString::fromWCharArray(buffer);
        if (SUCCEEDED(link->GetArguments(buffer, 2048)))
            contents.arguments = QString::fromWCharArray(buffer);
        if (SUCCEEDED(link->GetWorkingDirectory(buffer, 2048)))
            contents.workingFolder = QString::fromWCharArray(buffer);
    }
    if (file)
        file->Release();
    link->Release();
    return contents;
}

// Everything "reg query" prints about a key; empty when the key does not exist.
inline QString registryValues(const QString &key)
{
    QProcess reg;
    reg.start(QStringLiteral("reg.exe"), {QStringLiteral("query"), key});
    if (!reg.waitForFinished(20000) || reg.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(reg.readAllStandardOutput());
}

// The key of the system's list of programs under which the launcher records its uninstall entry.
inline QString uninstallRegistryKey(const QString &applicationId)
{
    return QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + applicationId;
}
