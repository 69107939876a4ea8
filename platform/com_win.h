#pragma once

#include <objbase.h>

// The small pieces every caller of the shell's COM objects needs.
namespace platform {

// COM for the calling thread while it lives; a thread that already runs COM (Qt's GUI thread
// does) keeps its own apartment.
class ComScope
{
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    HRESULT m_result;
};

// An interface pointer released when it goes out of scope.
template<typename Interface> class ComPointer
{
public:
    ComPointer() = default;
    ~ComPointer()
    {
        if (m_object)
            m_object->Release();
    }
    ComPointer(const ComPointer &) = delete;
    ComPointer &operator=(const ComPointer &) = delete;

    Interface *operator->() const { return m_object; }
    Interface *get() const { return m_object; }
    void **out() { return reinterpret_cast<void **>(&m_object); }

private:
    Interface *m_object = nullptr;
};

} // namespace platform
