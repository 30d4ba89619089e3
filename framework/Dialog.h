#pragma once
// Dialogs from resource templates, created modeless (Create) or run modally (DoModal), with their controls
// bound to members (DoDataExchange with DDX_Control).
#include "framework/Wnd.h"

class CDataExchange {
public:
    explicit CDataExchange(CWnd& dialog) : m_dialog(dialog) {}
    CWnd& m_dialog;
};

// Binds a member to the dialog's control with the given id and takes its messages over, so that the member's
// own message map sees them first.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};

class CStatic : public CWnd {};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog modeless. Without a parent, the main window (once it exists) owns it.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog modally and returns the code given to EndDialog. Without a parent, the program's
    // active window owns it (or else the main window's last active popup) and is disabled meanwhile.
    INT_PTR DoModal();
    void EndDialog(int result);

    BOOL PreTranslateMessage(MSG* msg) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    // Binds the controls, then returns TRUE so that the system sets the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}

    // Enter (IDOK) and Esc or the close box (IDCANCEL): each dialog decides what they do.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // A modal run that is owned by no window and disables none.
    bool m_bWithoutOwner = false;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    HWND DefaultModalOwner() const;
    void CreateFromTemplate(HWND owner);
    void RunModalLoop();
    void GiveBackToOwner();
    static INT_PTR CALLBACK InitialDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    bool m_bEndModal = false;
    int m_nModalResult = -1;
    HWND m_hWndOwner = nullptr;
    bool m_bOwnerDisabled = false;
};
