#pragma once
// Replaces, for this test program only, a function that it imports from a system library, and puts the original
// back at the end: the tests see what the program hands to the shell without the shell acting on it.
#include <windows.h>

class ImportPatch {
public:
    ImportPatch(const char* library, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool IsApplied() const { return m_slot != nullptr; }
    void* Original() const { return m_original; }

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
