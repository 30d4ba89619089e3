// How long one full paint of the custom-drawn popups takes: the digit picker, and the history drop-down with the
// most entries a history keeps. Each popup is opened on the real application object with a cell or row lit, then
// repainted whole many times; every paint is timed from the request to the picture on the window.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/History.h"
#include "app/HourgladeApp.h"
#include "bench/Figures.h"
#include "controls/NumDlg.h"
#include "controls/PickerLayout.h"
#include "controls/TDropDownDlg.h"
#include "res/resource.h"

namespace {

constexpr int kWarmUps = 50;
constexpr int kPaints = 2000;
constexpr double kGoalMilliseconds = 2.0;

std::vector<double> TimePaints(const CWnd& popup)
{
    std::vector<double> times;
    for (int i = 0; i < kWarmUps + kPaints; ++i) {
        const Stopwatch stopwatch;
        popup.InvalidateRect(nullptr, FALSE);
        ::UpdateWindow(popup.m_hWnd);
        ::GdiFlush();
        if (i >= kWarmUps) times.push_back(stopwatch.ElapsedMilliseconds());
    }
    return times;
}

void Print(const char* what, const RECT& place, const std::vector<double>& times)
{
    const Figures figures = Summarise(times);
    std::printf("%s (%ld x %ld px): %zu paints, mean %.3f ms, median %.3f ms, worst %.3f ms (goal: under %.0f ms)\n",
                what, place.right - place.left, place.bottom - place.top, times.size(), figures.mean, figures.median,
                figures.worst, kGoalMilliseconds);
}

void MeasureDigitPicker()
{
    NumDlg picker(9, 100, 100, theApp.ScreenScale(), L"");
    picker.Create(IDD_DIGIT_PICKER);
    // The pointer on digit 5: the highlight and all ten digits drawn.
    const RectF five = PickerLayout(theApp.ScreenScale()).HighlightRect(5);
    const int x = static_cast<int>(five.x + five.width / 2);
    const int y = static_cast<int>(five.y + five.height / 2);
    picker.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Print("digit picker", picker.GetWindowRect(), TimePaints(picker));
    picker.DestroyWindow();
}

void MeasureDropDown()
{
    TDropDownDlg dropDown(theApp.ScreenScale());
    for (std::size_t i = 0; i < kHistoryLimit; ++i)
        dropDown.m_items.push_back((i < 10 ? L"0" : L"") + std::to_wstring(i) + L":30");
    dropDown.m_nLeft = 200;
    dropDown.m_nTop = 50;
    dropDown.m_nWidth = 60;
    dropDown.m_bDeletable = true;
    dropDown.Create(IDD_DROPDOWN);
    dropDown.ShowWindow(SW_SHOW);
    // The pointer on the delete square of a middle row: band, red square, cross and text all drawn.
    const RECT client = dropDown.GetClientRect();
    dropDown.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 5, client.bottom / 2));
    Print("history drop-down, 16 rows", dropDown.GetWindowRect(), TimePaints(dropDown));
    dropDown.DestroyWindow();
}

}  // namespace

int main()
{
    if (!theApp.InitInstance()) return 1;
    std::printf("scale %.2f x %.2f\n", theApp.m_dScaleX, theApp.m_dScaleY);
    MeasureDigitPicker();
    MeasureDropDown();
    // Takes the icon out of the notification area.
    if (CWnd* main = theApp.m_pMainWnd) main->DestroyWindow();
    theApp.ExitInstance();
    return 0;
}
