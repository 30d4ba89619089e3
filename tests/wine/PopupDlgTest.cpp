// What the popups below a control share: their place, the capture, and the ways they end.
#include <functional>

#include "controls/PopupDlg.h"
#include "res/resource.h"
#include "tests/wine/PanelDriver.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

constexpr int kChoice = 7;

// A popup on the error popup's template whose current choice is kChoice, and which takes one key itself.
class ProbePopup : public PopupDlg {
public:
    using PopupDlg::Stacking;

    explicit ProbePopup(Stacking stacking, UINT ownKey = 0) : PopupDlg(IDD_ERROR, stacking, 120, 140), m_ownKey(ownKey)
    {
        m_nWidth = 50;
        m_nHeight = 20;
    }

    int m_nOwnKeys = 0;

protected:
    int Choice() const override { return kChoice; }
    bool OnKey(UINT key) override
    {
        if (key != m_ownKey) return false;
        ++m_nOwnKeys;
        return true;
    }

private:
    UINT m_ownKey;
};

class Popup : public StartedAppTest {};

TEST_F(Popup, OpensAtItsCornerWithItsSizeAndTheCaptureAboveEveryWindowOnlyWhenTopmost)
{
    for (const ProbePopup::Stacking stacking : {ProbePopup::Stacking::Topmost, ProbePopup::Stacking::AboveOwner}) {
        Watcher().Then([&](HWND popup) {
            RECT place{};
            ::GetWindowRect(popup, &place);
            EXPECT_EQ(place.left, 120);
            EXPECT_EQ(place.top, 140);
            EXPECT_EQ(place.right - place.left, 50);
            EXPECT_EQ(place.bottom - place.top, 20);
            EXPECT_EQ(::GetCapture(), popup);
            EXPECT_EQ(IsTopmost(popup), stacking == ProbePopup::Stacking::Topmost);
            PostKey(popup, VK_ESCAPE);
        });
        ProbePopup popup(stacking);
        EXPECT_EQ(popup.DoModal(), PopupDlg::kNoChoice);
    }
}

TEST_F(Popup, EndsWithItsChoiceOnEnterOrAPressAnywhereAndWithoutOneOnEsc)
{
    struct Case {
        const char* what;
        UINT ownKey;
        std::function<void(HWND)> action;
        int result;
        int ownKeys;
    };
    const Case cases[] = {
        {"Enter", 0, [](HWND popup) { PostKey(popup, VK_RETURN); }, kChoice, 0},
        {"Esc", 0, [](HWND popup) { PostKey(popup, VK_ESCAPE); }, PopupDlg::kNoChoice, 0},
        {"a press outside", 0,
         [](HWND popup) {
             PressAt(popup, {-30, -40});
         },
         kChoice, 0},
        {"Enter taken by the popup, then Esc", VK_RETURN,
         [](HWND popup) {
             PostKey(popup, VK_RETURN);
             PostKey(popup, VK_ESCAPE);
         },
         PopupDlg::kNoChoice, 1},
    };
    for (const Case& c : cases) {
        Watcher().Then(c.action);
        ProbePopup popup(ProbePopup::Stacking::Topmost, c.ownKey);
        EXPECT_EQ(popup.DoModal(), c.result) << c.what;
        EXPECT_EQ(popup.m_nOwnKeys, c.ownKeys) << c.what;
    }
}

}  // namespace
