// What the popups below a control share: their place, the capture, the key hook and the ways they end.
#include <vector>

#include "controls/PopupDlg.h"
#include "res/resource.h"
#include "tests/wine/PanelDriver.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

constexpr int kChoice = 7;

// A popup on the error popup's template whose current choice is kChoice; it may take Enter for itself.
class ProbePopup : public PopupDlg {
public:
    using PopupDlg::Stacking;

    ProbePopup(Stacking stacking, bool takesEnter) : PopupDlg(IDD_ERROR, stacking, 120, 140), m_bTakesEnter(takesEnter)
    {
        m_nWidth = 50;
        m_nHeight = 20;
    }

protected:
    int Choice() const override { return kChoice; }
    bool OnKey(UINT key) override { return m_bTakesEnter && key == VK_RETURN; }

private:
    bool m_bTakesEnter;
};

class Popup : public StartedAppTest {};

TEST_F(Popup, OpensAtItsCornerWithTheCaptureAndEndsWithItsChoiceOnEnterOrAPressAndWithoutOneOnEsc)
{
    using enum ProbePopup::Stacking;
    // Without keys the popup is pressed outside.
    struct Case {
        ProbePopup::Stacking stacking;
        bool takesEnter;
        std::vector<UINT> keys;
        int result;
    };
    const Case cases[] = {
        {Topmost, false, {VK_RETURN}, kChoice},
        {AboveOwner, false, {VK_ESCAPE}, PopupDlg::kNoChoice},
        {Topmost, false, {}, kChoice},
        // The key hook sees Enter first: the dialog manager never does.
        {AboveOwner, true, {VK_RETURN, VK_ESCAPE}, PopupDlg::kNoChoice},
    };
    for (const Case& c : cases) {
        Watcher().Then([&](HWND popup) {
            RECT place{};
            ::GetWindowRect(popup, &place);
            EXPECT_EQ(place.left, 120);
            EXPECT_EQ(place.top, 140);
            EXPECT_EQ(place.right - place.left, 50);
            EXPECT_EQ(place.bottom - place.top, 20);
            EXPECT_EQ(::GetCapture(), popup);
            EXPECT_EQ(IsTopmost(popup), c.stacking == Topmost);
            for (const UINT key : c.keys) PostKey(popup, key);
            if (c.keys.empty()) PressAt(popup, {-30, -40});
        });
        ProbePopup popup(c.stacking, c.takesEnter);
        EXPECT_EQ(popup.DoModal(), c.result) << "case " << &c - cases;
    }
}

}  // namespace
