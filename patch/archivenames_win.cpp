#include "patch/archivenames.h"

#include <archive_entry.h>

struct Utf8Ctype::Switch
{
};

Utf8Ctype::Utf8Ctype() = default;

Utf8Ctype::~Utf8Ctype() = default;

QString archiveEntryName(archive_entry *entry)
{
    const wchar_t *name = archive_entry_pathname_w(entry);
    return name ? QString::fromWCharArray(name) : QString();
}

bool setArchiveEntryName(archive_entry *entry, const QString &name)
{
    archive_entry_copy_pathname_w(entry, reinterpret_cast<const wchar_t *>(name.utf16()));
    return true;
}
