#include "patch/archivenames.h"

#include <archive_entry.h>
#include <langinfo.h>
#include <locale.h>

#include <cstring>

struct Utf8Ctype::Switch
{
    locale_t utf8;
    locale_t previous;
};

Utf8Ctype::Utf8Ctype()
{
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return;
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (utf8)
        m_switch.reset(new Switch{utf8, uselocale(utf8)});
}

Utf8Ctype::~Utf8Ctype()
{
    if (!m_switch)
        return;
    uselocale(m_switch->previous);
    freelocale(m_switch->utf8);
}

QString archiveEntryName(archive_entry *entry)
{
    return QString::fromUtf8(archive_entry_pathname_utf8(entry));
}

bool setArchiveEntryName(archive_entry *entry, const QString &name)
{
    return archive_entry_update_pathname_utf8(entry, name.toUtf8().constData()) != 0;
}
