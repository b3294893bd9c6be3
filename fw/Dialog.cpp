#include "Dialog.h"

#include "CommonControls.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// The dialog manager's own procedure: the object's message table already saw
// every message through the window procedure, so only WM_INITDIALOG is left
// to hand over.
static INT_PTR CALLBACK AfxDlgProc(HWND wnd, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CDialog* dialog = (CDialog*)lParam;
        if (!dialog || CWnd::FromHandlePermanent(wnd) != dialog) return TRUE;
        // The dialog manager's frames lie between here and the window
        // procedure's catch, so an exception stops here.
        try {
            return dialog->OnInitDialog();
        } catch (...) {
            AfxLogCaughtException("a dialog's initialisation");
            return TRUE;
        }
    }
    return FALSE;
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEW(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent) : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

LPCDLGTEMPLATE CDialog::LoadTemplate(LPCTSTR name) {
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceW(instance, name, (LPCWSTR)RT_DIALOG);
    if (!resource) return nullptr;
    HGLOBAL loaded = ::LoadResource(instance, resource);
    return loaded ? (LPCDLGTEMPLATE)::LockResource(loaded) : nullptr;
}

HWND CDialog::GetSafeOwner(CWnd* parent) {
    HWND wnd = parent ? parent->m_hWnd : nullptr;
    if (!wnd) {
        CWnd* main = AfxGetMainWnd();
        wnd = main ? main->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (wnd && (::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) wnd = ::GetParent(wnd);
    return wnd;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HWND owner) {
    if (!dialogTemplate || m_hWnd) return FALSE;
    AfxInitCommonControls();  // templates may hold any control class
    HWND wnd;
    {
        CWndCreationHook hook(this);
        wnd = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate, owner, AfxDlgProc, (LPARAM)this);
    }
    return wnd != nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) { return Create(MAKEINTRESOURCEW(templateId), parent); }

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    if (IS_INTRESOURCE(templateName)) m_nIDHelp = (UINT)(UINT_PTR)templateName;
    if (parent) m_pParentWnd = parent;
    return CreateIndirect(LoadTemplate(templateName), parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    if (parent) m_pParentWnd = parent;
    HWND owner = (m_pParentWnd && m_pParentWnd->m_hWnd) ? m_pParentWnd->m_hWnd : GetSafeOwner(nullptr);
    return CreateFromTemplate(dialogTemplate, owner);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    if (parent) m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATE dialogTemplate = m_lpDialogTemplate ? m_lpDialogTemplate : LoadTemplate(m_lpszTemplateName);
    if (!dialogTemplate) return -1;
    HWND owner = GetSafeOwner(m_pParentWnd);
    bool enableOwner = false;
    if (owner && owner != ::GetDesktopWindow() && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }
    m_nModalResult = -1;
    m_bContinueModal = true;  // EndDialog inside OnInitDialog clears it
    if (CreateFromTemplate(dialogTemplate, owner)) {
        if (m_bContinueModal) {
            if (!(GetStyle() & WS_VISIBLE)) ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
        // Hide first and give the owner back its input before destroying, so
        // activation returns to the owner and not to another program.
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = false;
    if (enableOwner) ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    if (m_bContinueModal) {
        EndModalLoop(result);
    } else {
        m_nModalResult = result;
        if (m_hWnd) ::EndDialog(m_hWnd, result);  // a modeless dialog is hidden
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!key && !mouse) return FALSE;
    if (!m_hWnd || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, (WPARAM)control->m_hWnd, TRUE);
}
