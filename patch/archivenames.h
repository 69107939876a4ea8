#pragma once

#include <QString>

#include <memory>

struct archive_entry;

// How item names cross between the archive library and the program. The library keeps a name in
// the form it was given and converts it on request: on Linux through the C library's character
// type, which Utf8Ctype makes UTF-8; on Windows through the ANSI code page, which drops every name
// with a letter it cannot hold, so there names go through the library's wide form instead.

// The entry's name; empty when it has none the library can give.
QString archiveEntryName(archive_entry *entry);

// False when the library cannot take the name.
bool setArchiveEntryName(archive_entry *entry, const QString &name);

// Makes the calling thread's character type UTF-8 while it lives, when it is not already: the archive
// library turns the archives' Unicode names into the current character set, and in a C or POSIX
// locale every non-ASCII name would be lost. Windows needs no switch: names take the wide form there.
class Utf8Ctype
{
public:
    Utf8Ctype();
    ~Utf8Ctype();
    Utf8Ctype(const Utf8Ctype &) = delete;
    Utf8Ctype &operator=(const Utf8Ctype &) = delete;

private:
    // The locale switched to and the one to switch back to, where a switch was made.
    struct Switch;
    std::unique_ptr<Switch> m_switch;
};
