#pragma once

#include <locale.h>

// Makes the calling thread's character type UTF-8 while it lives, when it is not already: the archive
// library turns the archives' Unicode names into the current character set, and in a C or POSIX
// locale every non-ASCII name would be lost.
class Utf8Ctype
{
public:
    Utf8Ctype();
    ~Utf8Ctype();
    Utf8Ctype(const Utf8Ctype &) = delete;
    Utf8Ctype &operator=(const Utf8Ctype &) = delete;

private:
    locale_t m_utf8 = locale_t(0);
    locale_t m_previous = locale_t(0);
};
