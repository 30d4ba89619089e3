#include "tests/wine/ImportPatch.h"

namespace {

template <class T> T* At(BYTE* base, DWORD offset)
{
    return reinterpret_cast<T*>(base + offset);
}

// The program's import address table slot of a function, or null.
void** FindImportSlot(const char* library, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); module->Name; ++module) {
        if (::lstrcmpiA(At<char>(base, module->Name), library) != 0) continue;
        auto* names = At<IMAGE_THUNK_DATA>(base, module->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(base, module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            if (::lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value)
{
    DWORD protection = 0;
    ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    ::VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

ImportPatch::ImportPatch(const char* library, const char* function, void* replacement)
    : m_slot(FindImportSlot(library, function))
{
    if (!m_slot) return;
    m_original = *m_slot;
    WriteSlot(m_slot, replacement);
}

ImportPatch::~ImportPatch()
{
    if (m_slot) WriteSlot(m_slot, m_original);
}
