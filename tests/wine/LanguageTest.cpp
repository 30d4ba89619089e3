// The windows' language: Japanese for a Japanese Windows, English for any other, every resource looked up in it,
// and every text, in both languages, fitting the field it is shown in at the screen's scale.
#include <algorithm>
#include <string>
#include <vector>

#include "app/HourgladeApp.h"
#include "app/Language.h"
#include "controls/ErrDlg.h"
#include "controls/PopupLayout.h"
#include "framework/Gdi.h"
#include "mainpanel/MainDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeDisplayLanguage.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/PanelDriver.h"

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::wstring Text(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

std::vector<std::wstring> MenuTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        if (::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION) > 0) texts.emplace_back(text);
        if (const HMENU popup = ::GetSubMenu(menu, i)) {
            const std::vector<std::wstring> items = MenuTexts(popup);
            texts.insert(texts.end(), items.begin(), items.end());
        }
    }
    return texts;
}

// The texts of a dialog's controls, in their order.
std::vector<std::wstring> ControlTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(Text(child));
    return texts;
}

struct DisplayLanguage {
    LANGID id;
    Language shown;
};

void PrintTo(const DisplayLanguage& language, std::ostream* out)
{
    *out << std::hex << language.id;
}

class WindowsLanguage : public StartedAppTest, public ::testing::WithParamInterface<DisplayLanguage> {
protected:
    void SetUp() override
    {
        fake_language::Set(GetParam().id);
        StartedAppTest::SetUp();
    }
    static HWND Main() { return theApp.m_pMainDlg->m_hWnd; }
    const TextTable& Texts() const { return Listed(GetParam().shown); }
};

// Which display language gets which language is the rule of LanguageOfDisplay; here, that the windows follow it.
TEST_P(WindowsLanguage, FollowsTheDisplayLanguageInEveryWindowAndMenu)
{
    const bool japanese = GetParam().shown == Language::Japanese;
    EXPECT_EQ(theApp.m_language, GetParam().shown);
    for (const TextId id : kAllTextIds) EXPECT_EQ(theApp.Text(id), Texts()[id]) << static_cast<unsigned>(id);
    EXPECT_EQ(Text(::GetDlgItem(Main(), IDC_STATUS_ALARM)), Texts()[TextId::StatusNotSet]);
    const std::vector<std::wstring> bar = MenuTexts(::GetMenu(Main()));
    ASSERT_EQ(bar.size(), 13u);
    EXPECT_EQ(bar[0], japanese ? L"" HG_JA_Menu : L"" HG_EN_Menu);
    EXPECT_EQ(bar[7], japanese ? L"" HG_JA_QuickSet : L"" HG_EN_QuickSet);
    EXPECT_EQ(bar[12], japanese ? L"" HG_JA_StartCounter : L"" HG_EN_StartCounter);
    const std::vector<std::wstring> timer = ControlTexts(theApp.m_pTimerDlg->m_hWnd);
    EXPECT_EQ(timer.front(), japanese ? L"" HG_JA_Timer : L"" HG_EN_Timer);
    EXPECT_NE(std::find(timer.begin(), timer.end(), japanese ? L"" HG_JA_Left : L"" HG_EN_Left), timer.end());
    EXPECT_EQ(theApp.m_pShutdownDlg->m_cbMode.m_dropDown.m_items.back(), Texts()[TextId::ModeHibernate]);

    // The bar is added to the template's size: the client area keeps the room the template gives it.
    RECT templateSize{0, 0, 160, 142};
    ::MapDialogRect(Main(), &templateSize);
    EXPECT_EQ(theApp.m_pMainDlg->GetClientRect().bottom, templateSize.bottom);

    Watcher().Then([japanese](HWND confirmation) {
        const std::vector<std::wstring> texts = ControlTexts(confirmation);
        EXPECT_NE(std::find(texts.begin(), texts.end(), japanese ? L"" HG_JA_RemoveFromTray : L"" HG_EN_RemoveFromTray),
                  texts.end());
        EndPopup(confirmation, 0);
    });
    ::SendMessageW(Main(), WM_COMMAND, ID_MENU_EXIT, 0);
    EXPECT_EQ(Watcher().SeenCount(), 1);
}

TEST_P(WindowsLanguage, ATimerRunsOutWithItsNoticeInTheLanguageOfTheWindows)
{
    ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_TIMER1, 0);
    std::wstring notice;
    Watcher().Then([&notice](HWND popup) {
        notice = ControlText(popup, IDC_NOTICE_TEXT);
        EndPopup(popup, 0);
    });
    fake_ticks::Ticks(theApp.m_pTimerDlg->m_hWnd, 60);
    EXPECT_EQ(notice, Texts().Format(TextId::TimerNotice, L"01", L"00"));
}

INSTANTIATE_TEST_SUITE_P(Display, WindowsLanguage,
                         ::testing::Values(DisplayLanguage{kJapanese, Language::Japanese},
                                           DisplayLanguage{MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH),
                                                           Language::English}));

// Resources are looked up in the language given, and whatever a language lacks comes in Japanese.
TEST(Resources, WhatALanguageLacksComesInJapanese)
{
    const LANGID french = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
    for (const UINT dialog : {IDD_MAIN, IDD_TIMER, IDD_EXIT}) {
        EXPECT_EQ(FindResourceIn(french, RT_DIALOG, dialog), FindResourceIn(kJapanese, RT_DIALOG, dialog));
        EXPECT_NE(FindResourceIn(kEnglish, RT_DIALOG, dialog), FindResourceIn(kJapanese, RT_DIALOG, dialog));
    }
    EXPECT_EQ(FindResourceIn(french, RT_MENU, IDR_MAINMENU), FindResourceIn(kJapanese, RT_MENU, IDR_MAINMENU));
    EXPECT_EQ(FindResourceIn(kEnglish, RT_DIALOG, 999), nullptr);
    const TextTable texts = LoadTexts(french);
    for (const TextId id : kAllTextIds) EXPECT_EQ(texts[id], Japanese(id)) << static_cast<unsigned>(id);
}

// --- Every text fits its field, at the scale of the screen --------------------------------------------------

struct Measured {
    int text;
    int room;
};

int WidthOf(HWND control, const std::wstring& text)
{
    const WindowDC dc(control);
    const SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The width a control leaves its text: a group box's title and a check box's text start after their frame or box.
int RoomOf(HWND control)
{
    RECT client{};
    ::GetClientRect(control, &client);
    const double scale = theApp.ScreenScale().x;
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    if (std::wstring(className) != L"Button") return client.right;
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    const LONG_PTR kind = style & BS_TYPEMASK;
    if (kind == BS_GROUPBOX) return client.right - static_cast<int>(2 * 9 * scale);
    if ((kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX) && !(style & BS_PUSHLIKE))
        return client.right - ::GetSystemMetrics(SM_CXMENUCHECK) - static_cast<int>(4 * scale);
    return client.right - static_cast<int>(4 * scale);
}

INT_PTR CALLBACK BareDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

class TextSize : public AppTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        fake_language::Set(GetParam() == Language::Japanese ? kJapanese : kEnglish);
        AppTest::SetUp();
        StartApp();
    }
    void TearDown() override
    {
        for (HWND dialog : m_dialogs) ::DestroyWindow(dialog);
        AppTest::TearDown();
    }
    // A dialog of the program's templates, in the language of the windows, with no code of its own.
    HWND Template(UINT id)
    {
        const auto* dialog = static_cast<const DLGTEMPLATE*>(theApp.FindResourceData(RT_DIALOG, id));
        m_dialogs.push_back(::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog, nullptr, &BareDialog, 0));
        return m_dialogs.back();
    }
    void ExpectFits(HWND control, const std::wstring& text, const std::string& where)
    {
        EXPECT_LE(WidthOf(control, text), RoomOf(control)) << where << ", " << text.size() << " characters";
    }
    const TextTable& Texts() const { return Listed(GetParam()); }

    std::vector<HWND> m_dialogs;
};

TEST_P(TextSize, EveryTemplateTextFitsItsControl)
{
    for (const UINT id : {IDD_MAIN, IDD_TIMER, IDD_ALARM, IDD_COUNTER, IDD_SHUTDOWN, IDD_EXIT, IDD_NOTICE, IDD_ERROR}) {
        const HWND dialog = Template(id);
        ASSERT_NE(dialog, nullptr) << id;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (::GetWindowLongPtrW(child, GWL_STYLE) & SS_ICON && ::GetWindowTextLengthW(child) == 0) continue;
            ExpectFits(child, Text(child),
                       "dialog " + std::to_string(id) + " control " + std::to_string(::GetDlgCtrlID(child)));
        }
    }
}

// The texts the code puts into the main panel's status lines, the notice and the power-off's selector.
TEST_P(TextSize, EveryTextOfTheCodeFitsTheFieldItIsShownIn)
{
    const HWND status = ::GetDlgItem(Template(IDD_MAIN), IDC_STATUS_TIMER);
    for (const TextId id : {TextId::StatusNotSet, TextId::StatusSet, TextId::StatusPaused})
        ExpectFits(status, Texts()[id], "a status line");

    const HWND notice = ::GetDlgItem(Template(IDD_NOTICE), IDC_NOTICE_TEXT);
    for (const std::wstring& text :
         {Texts().Format(TextId::TimerNotice, L"99", L"59"), Texts().Format(TextId::AlarmNotice, L"23", L"59"),
          Texts()[TextId::CounterOverflow], Texts()[TextId::WarningShutdown], Texts()[TextId::WarningSleep],
          Texts()[TextId::WarningHibernate], Texts()[TextId::ShutdownSkipped], Texts()[TextId::ShutdownFailed]})
        ExpectFits(notice, text, "the notice");

    // The selector draws its choice from 8 pixels in, and its chevron takes the last 14.
    const HWND selector = theApp.m_pShutdownDlg->m_cbMode.m_hWnd;
    const double scale = theApp.ScreenScale().x;
    for (const TextId id : {TextId::ModeShutdown, TextId::ModeSleep, TextId::ModeHibernate}) {
        EXPECT_LE(WidthOf(theApp.m_pShutdownDlg->m_hWnd, Texts()[id]) + static_cast<int>(22 * scale), RoomOf(selector))
            << static_cast<unsigned>(id);
    }
}

// The error popup is sized to its text: by the number of characters in Japanese, around the measured text in
// English.
TEST_P(TextSize, TheErrorPopupIsAsWideAsItsTextNeeds)
{
    const PopupLayout layout(theApp.ScreenScale());
    for (const TextId id : {TextId::RefusalWhileRunning, TextId::RefusalHourAbove23, TextId::RefusalNoTime,
                            TextId::RefusalNoSleep, TextId::RefusalNoHibernation}) {
        const std::wstring& text = Texts()[id];
        int textWidth = 0;
        RECT place{};
        PopupWatcher watcher;
        watcher.Then([&](HWND popup) {
            textWidth = WidthOf(::GetDlgItem(popup, IDC_ERROR_TEXT), text);
            ::GetWindowRect(popup, &place);
            EndPopup(popup, -1);
        });
        const ErrorWidthRule rule =
            GetParam() == Language::Japanese ? ErrorWidthRule::PerCharacter : ErrorWidthRule::Measured;
        ErrDlg(text, 10, 10, theApp.ScreenScale(), rule).DoModal();
        const int width = place.right - place.left;
        EXPECT_LE(textWidth, width) << static_cast<unsigned>(id);
        EXPECT_EQ(width, GetParam() == Language::Japanese ? layout.ErrorWidth(text.size())
                                                          : layout.ErrorWidthAround(textWidth))
            << static_cast<unsigned>(id);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextSize, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return info.param == Language::Japanese ? "Japanese" : "English"; });

}  // namespace
