#include "patch/utf8ctype.h"

#include <langinfo.h>

#include <cstring>

Utf8Ctype::Utf8Ctype()
{
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return;
    m_utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (m_utf8)
        m_previous = uselocale(m_utf8);
}

Utf8Ctype::~Utf8Ctype()
{
    if (!m_utf8)
        return;
    uselocale(m_previous);
    freelocale(m_utf8);
}
