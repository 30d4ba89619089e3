// The application object of the framework's test program, as any program on the framework has one: it finds the
// test program's own resources and gives the failure reports its name.
#include "framework/App.h"

namespace {

class FrameworkTestApp : public CWinApp {
public:
    FrameworkTestApp() : CWinApp(L"FrameworkTests") {}

    const void* FindResourceData(LPCWSTR type, UINT id) const override
    {
        const HMODULE program = ::GetModuleHandleW(nullptr);
        const HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(id), type);
        const HGLOBAL loaded = found ? ::LoadResource(program, found) : nullptr;
        return loaded ? ::LockResource(loaded) : nullptr;
    }
};

FrameworkTestApp theFrameworkTestApp;

}  // namespace
