#pragma once

#include <memory>

// Makes the calling thread's character type UTF-8 while it lives, when it is not already: the archive
// library turns the archives' Unicode names into the current character set, and in a C or POSIX
// locale every non-ASCII name would be lost. Windows needs nothing: the library keeps names in
// UTF-16 there and hands them to the system's wide calls.
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
