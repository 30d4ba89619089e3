// Looks at the running program's windows from outside, for the end-to-end checks: which panels and popups are
// visible, where their controls are and what they show. Prints one line of UTF-8; exits 1 when the window or
// control asked for does not exist (or, for "menu", when no menu is open).
//
//   probe panel <main|alarm|timer|counter|shutdown|notice|error|exit>
//                                  visible|hidden x y width height topmost|normal [text]
//   probe control <panel> <id>     x y width height enabled checked text
//   probe menu                     x y width height of the open pop-up menu
//   probe popup                    x y width height of the visible popup without controls (the digit picker, the
//                                  history drop-down or the selector's list)
//   probe focus                    id of the control with the keyboard focus in the foreground window
//   probe serve                    answers the questions above, one a line on standard input, each followed by a
//                                  line "end" and its exit code, so that a check asks one process all it asks
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

std::string Utf8(const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

std::wstring TextOf(HWND hWnd)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

bool Has(HWND dialog, int id)
{
    return ::GetDlgItem(dialog, id) != nullptr;
}

// Every panel and popup is a dialog; the controls it holds tell which one it is.
bool IsPanel(HWND dialog, const char* name)
{
    if (!std::strcmp(name, "main")) return Has(dialog, IDC_STATUS_ALARM);
    if (!std::strcmp(name, "timer")) return Has(dialog, IDC_STOP) && Has(dialog, IDC_HISTORY);
    if (!std::strcmp(name, "counter")) return Has(dialog, IDC_STOP) && !Has(dialog, IDC_HISTORY);
    if (!std::strcmp(name, "alarm"))
        return Has(dialog, IDC_HISTORY) && !Has(dialog, IDC_STOP) && !Has(dialog, IDC_MODE);
    if (!std::strcmp(name, "shutdown")) return Has(dialog, IDC_MODE);
    if (!std::strcmp(name, "notice")) return Has(dialog, IDC_NOTICE_TEXT);
    if (!std::strcmp(name, "error")) return Has(dialog, IDC_ERROR_TEXT);
    if (!std::strcmp(name, "exit")) return Has(dialog, IDC_REMOVE_FROM_TRAY) && !Has(dialog, IDC_STATUS_ALARM);
    return false;
}

HWND FindPanel(const char* name)
{
    struct Search {
        const char* name;
        HWND found;
    } search{name, nullptr};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t className[16] = {};
            ::GetClassNameW(hWnd, className, 16);
            if (std::wcscmp(className, L"#32770") != 0 || !IsPanel(hWnd, s->name)) return TRUE;
            // Prefer a visible one: popups of the same kind may linger hidden.
            if (!s->found || ::IsWindowVisible(hWnd)) s->found = hWnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PrintRect(HWND hWnd)
{
    RECT r{};
    ::GetWindowRect(hWnd, &r);
    std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int Panel(const char* name)
{
    const HWND panel = FindPanel(name);
    if (!panel) return 1;
    std::printf("%s ", ::IsWindowVisible(panel) ? "visible" : "hidden");
    PrintRect(panel);
    std::printf(" %s", ::GetWindowLongPtrW(panel, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost" : "normal");
    const int textId = !std::strcmp(name, "notice")  ? IDC_NOTICE_TEXT
                       : !std::strcmp(name, "error") ? IDC_ERROR_TEXT
                                                     : 0;
    if (textId) std::printf(" %s", Utf8(TextOf(::GetDlgItem(panel, textId))).c_str());
    std::printf("\n");
    return 0;
}

int Control(const char* name, int id)
{
    const HWND panel = FindPanel(name);
    const HWND control = panel ? ::GetDlgItem(panel, id) : nullptr;
    if (!control) return 1;
    PrintRect(control);
    const LRESULT checked = ::SendMessageW(control, BM_GETCHECK, 0, 0);
    std::printf(" %d %d %s\n", ::IsWindowEnabled(control) ? 1 : 0, checked == BST_CHECKED ? 1 : 0,
                Utf8(TextOf(control)).c_str());
    return 0;
}

int Menu()
{
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (!menu || !::IsWindowVisible(menu)) return 1;
    PrintRect(menu);
    std::printf("\n");
    return 0;
}

// The program's custom-drawn popups are dialogs without a control of their own.
int Popup()
{
    HWND found = nullptr;
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) {
            wchar_t className[16] = {};
            ::GetClassNameW(hWnd, className, 16);
            const bool popup = ::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_POPUP;
            if (std::wcscmp(className, L"#32770") == 0 && popup && ::IsWindowVisible(hWnd) &&
                !::GetWindow(hWnd, GW_CHILD))
                *reinterpret_cast<HWND*>(lParam) = hWnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found) return 1;
    PrintRect(found);
    std::printf("\n");
    return 0;
}

int Focus()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(0, &info) || !info.hwndFocus) return 1;
    std::printf("%d\n", ::GetDlgCtrlID(info.hwndFocus));
    return 0;
}

int Answer(int argc, char** argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "panel")) return Panel(argv[2]);
    if (argc == 4 && !std::strcmp(argv[1], "control")) return Control(argv[2], std::atoi(argv[3]));
    if (argc == 2 && !std::strcmp(argv[1], "menu")) return Menu();
    if (argc == 2 && !std::strcmp(argv[1], "popup")) return Popup();
    if (argc == 2 && !std::strcmp(argv[1], "focus")) return Focus();
    std::fprintf(stderr, "usage: probe panel NAME | control PANEL ID | menu | popup | focus | serve\n");
    return 2;
}

// Answers the questions on standard input, one a line, until it ends: each answer, then "end" and its exit code.
int Serve()
{
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        static char program[] = "probe";
        std::vector<char*> words{program};
        for (char* word = std::strtok(line, " \r\n"); word; word = std::strtok(nullptr, " \r\n")) words.push_back(word);
        const int status = Answer(static_cast<int>(words.size()), words.data());
        std::printf("end %d\n", status);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Lines end with a bare line feed, as the shell expects.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 2 && !std::strcmp(argv[1], "serve")) return Serve();
    return Answer(argc, argv);
}
