#pragma once
// Owns a kernel handle (a process token, a process) and closes it.
#include <windows.h>

class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : m_handle(handle) {}
    ~OwnedHandle()
    {
        if (m_handle) ::CloseHandle(m_handle);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    // For functions that hand out a new handle through a pointer; the owner must be empty.
    HANDLE* Receive() { return &m_handle; }

private:
    HANDLE m_handle = nullptr;
};
