#pragma once
// What the popups that open directly below a control share (the digit picker, the history drop-down, the error
// popup): the top-left corner at the control's bottom-left corner, and the mouse capture, so that the next left
// press anywhere reaches the popup and no other window and ends it, by default with the popup's current choice.
// Enter ends it with that choice too, Esc without one; keys reach the popup through OnKey before the dialog manager
// sees them.
#include "framework/Dialog.h"

class PopupDlg : public CDialog {
public:
    // DoModal's result when the popup ends without a choice.
    static constexpr int kNoChoice = -1;

    BOOL PreTranslateMessage(MSG* msg) override;

    // Screen point of the top-left corner, and the size in pixels (not scaled).
    int m_nLeft;
    int m_nTop;
    int m_nWidth = 0;
    int m_nHeight = 0;

protected:
    // Whether the popup stays above every window or only above its owner.
    enum class Stacking { Topmost, AboveOwner };

    PopupDlg(UINT templateId, Stacking stacking, int left, int top);

    // Places the popup and takes the mouse capture.
    BOOL OnInitDialog() override;
    // Moves the popup to its corner with its size; a topmost popup also goes above every window and shows.
    virtual void Place();
    // What Enter and a press choose.
    virtual int Choice() const { return kNoChoice; }
    // A key pressed while the popup is open; true when the popup took it.
    virtual bool OnKey(UINT) { return false; }
    virtual void OnLButtonDown(UINT flags, POINT point);
    void OnOK() override { EndDialog(Choice()); }
    void OnCancel() override { EndDialog(kNoChoice); }

    DECLARE_MESSAGE_MAP()

private:
    Stacking m_stacking;
};
