// The program's entry point: runs the one application object of the program.
#include <windows.h>

#include "framework/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
