#include "framework/Dialog.h"

#include "framework/App.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    if (HWND item = ::GetDlgItem(pDX->m_dialog.m_hWnd, id)) control.SubclassWindow(item);
}

// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

// The dialog manager calls this procedure for every message of the dialog. It takes the window over at
// WM_INITDIALOG; from then on the window's messages reach the object through its window procedure, and this
// procedure leaves everything to the dialog manager's defaults.
INT_PTR CALLBACK CDialog::InitialDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(hWnd);
    return Dispatch(*dialog, message, wParam, lParam);
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange exchange(*this);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    const CWnd* main = AfxGetMainWnd();
    CreateFromTemplate(parent ? parent->m_hWnd : main ? main->m_hWnd : nullptr);
    return m_hWnd != nullptr;
}

// The template is the one the application finds, in the language it chose.
void CDialog::CreateFromTemplate(HWND owner)
{
    const auto* dialog = static_cast<const DLGTEMPLATE*>(AfxGetApp()->FindResourceData(RT_DIALOG, m_nIDTemplate));
    if (dialog)
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog, owner, &InitialDialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

HWND CDialog::DefaultModalOwner() const
{
    if (m_bWithoutOwner) return nullptr;
    if (m_pParentWnd) return m_pParentWnd->m_hWnd;
    if (HWND active = ::GetActiveWindow(); active && FromHandle(active)) return active;
    const CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd ? ::GetLastActivePopup(main->m_hWnd) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = DefaultModalOwner();
    m_hWndOwner = owner;
    m_bOwnerDisabled = owner && ::IsWindowEnabled(owner);
    if (m_bOwnerDisabled) ::EnableWindow(owner, FALSE);

    m_bEndModal = false;
    m_nModalResult = -1;
    CreateFromTemplate(owner);
    if (m_hWnd && !m_bEndModal) {
        if (!IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }

    GiveBackToOwner();
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

// The owner gets its input back before the dialog disappears: while it is still disabled, the system would
// activate some other window in its place.
void CDialog::GiveBackToOwner()
{
    if (m_bOwnerDisabled) ::EnableWindow(m_hWndOwner, TRUE);
    m_bOwnerDisabled = false;
    if (m_hWndOwner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(m_hWndOwner);
    m_hWndOwner = nullptr;
}

void CDialog::RunModalLoop()
{
    MSG msg{};
    while (!m_bEndModal) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit message to the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!WalkPreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEndModal = true;
    // A run nested inside another's handler may outlive this call; the closed dialog disappears at once.
    GiveBackToOwner();
    if (m_hWnd) ShowWindow(SW_HIDE);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    return (keyboard || mouse) && ::IsDialogMessageW(m_hWnd, msg);
}
