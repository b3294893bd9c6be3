// CDialog: a window made from a dialog template, modeless (Create) or modal
// (DoModal). The modal loop is ours, so PreTranslateMessage of the dialog and
// of every window keeps running while a modal dialog is up; by default a
// dialog's PreTranslateMessage gives keys to IsDialogMessage (Tab, Enter,
// Esc). Enter and Esc arrive as IDOK and IDCANCEL, which call the virtual
// OnOK and OnCancel.
#pragma once

#include "Wnd.h"

class CDialog : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

    // Modeless creation; without a parent the dialog is owned by the main
    // window, as the system would do for a modal one.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);

    // Runs the dialog modally; the result given to EndDialog, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    // Makes the next DoModal use a template built in memory.
    BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    void EndDialog(int result);

    // WM_INITDIALOG: fills the controls from the members (UpdateData(FALSE)).
    // TRUE lets the system focus the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* msg) override;

    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT id) { ::SendMessageW(m_hWnd, DM_SETDEFID, id, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

    // The template of a program resource, or null.
    static LPCDLGTEMPLATE LoadTemplate(LPCTSTR name);
    // The window that a dialog without a parent is owned by.
    static HWND GetSafeOwner(CWnd* parent);

protected:
    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HWND owner);
};
