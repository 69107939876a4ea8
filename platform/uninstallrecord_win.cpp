#include "platform/uninstallrecord.h"

#include <QVector>

#include <windows.h>

namespace platform {
namespace {

const QString uninstallKeys = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

// An open registry key, closed when it goes out of scope.
class RegistryKey
{
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    HKEY *out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool setString(HKEY key, const QString &name, const QString &value)
{
    // The stored size counts the terminating zero.
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, wide(name), 0, REG_SZ, reinterpret_cast<const BYTE *>(value.utf16()), bytes) ==
           ERROR_SUCCESS;
}

bool setNumber(HKEY key, const QString &name, int value)
{
    const DWORD number = static_cast<DWORD>(value);
    return RegSetValueExW(key, wide(name), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                          sizeof(number)) == ERROR_SUCCESS;
}

// The values in the order the system's list of programs documents them.
bool setValues(HKEY key, const UninstallRecord &record)
{
    return setString(key, QStringLiteral("DisplayIcon"), record.displayIcon) &&
           setString(key, QStringLiteral("DisplayName"), record.displayName) &&
           setString(key, QStringLiteral("DisplayVersion"), record.displayVersion) &&
           setString(key, QStringLiteral("InstallLocation"), record.installLocation) &&
           setNumber(key, QStringLiteral("NoModify"), record.noModify) &&
           setNumber(key, QStringLiteral("NoRepair"), record.noRepair) &&
           setString(key, QStringLiteral("UninstallString"), record.uninstallString) &&
           setString(key, QStringLiteral("URLInfoAbout"), record.urlInfoAbout) &&
           setString(key, QStringLiteral("Publisher"), record.publisher);
}

bool readString(HKEY key, const QString &name, QString *value)
{
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, wide(name), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return false;
    QVector<wchar_t> buffer(static_cast<int>(bytes / sizeof(wchar_t)) + 1, L'\0');
    if (RegGetValueW(key, nullptr, wide(name), RRF_RT_REG_SZ, nullptr, buffer.data(), &bytes) !=
        ERROR_SUCCESS)
        return false;
    *value = QString::fromWCharArray(buffer.constData());
    return true;
}

bool readNumber(HKEY key, const QString &name, int *value)
{
    DWORD number = 0;
    DWORD bytes = sizeof(number);
    if (RegGetValueW(key, nullptr, wide(name), RRF_RT_REG_DWORD, nullptr, &number, &bytes) != ERROR_SUCCESS)
        return false;
    *value = static_cast<int>(number);
    return true;
}

} // namespace

QString uninstallRecordLocation(const QString &applicationId)
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + uninstallKeys + applicationId;
}

// The system's list of programs offers the removal itself (its UninstallString): no menu entry.
bool writeUninstallRecord(const QString &applicationId, const UninstallRecord &record, const ShellLink &)
{
    bool written = false;
    {
        RegistryKey key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(uninstallKeys + applicationId), 0, nullptr, 0, KEY_WRITE,
                            nullptr, key.out(), nullptr) != ERROR_SUCCESS)
            return false;
        written = setValues(key.get(), record);
    }
    if (!written)
        removeUninstallRecord(applicationId);
    return written;
}

bool removeUninstallRecord(const QString &applicationId)
{
    return RegDeleteKeyW(HKEY_CURRENT_USER, wide(uninstallKeys + applicationId)) == ERROR_SUCCESS;
}

bool readUninstallRecord(const QString &applicationId, UninstallRecord *record)
{
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(uninstallKeys + applicationId), 0, KEY_READ, key.out()) !=
        ERROR_SUCCESS)
        return false;
    UninstallRecord read;
    const bool complete = readString(key.get(), QStringLiteral("DisplayIcon"), &read.displayIcon) &&
                          readString(key.get(), QStringLiteral("DisplayName"), &read.displayName) &&
                          readString(key.get(), QStringLiteral("DisplayVersion"), &read.displayVersion) &&
                          readString(key.get(), QStringLiteral("InstallLocation"), &read.installLocation) &&
                          readNumber(key.get(), QStringLiteral("NoModify"), &read.noModify) &&
                          readNumber(key.get(), QStringLiteral("NoRepair"), &read.noRepair) &&
                          readString(key.get(), QStringLiteral("UninstallString"), &read.uninstallString) &&
                          readString(key.get(), QStringLiteral("URLInfoAbout"), &read.urlInfoAbout) &&
                          readString(key.get(), QStringLiteral("Publisher"), &read.publisher);
    if (complete)
        *record = read;
    return complete;
}

} // namespace platform
