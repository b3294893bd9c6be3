// CDeleteConfirmDlg: the common ground of the three delete confirmations
// (one note, the ticked notes, a group): a small modal dialog from its
// template with its texts from the text table, above every other window,
// ending with the id of the button pressed. The typed letters Y, A, N (and R where the dialog
// offers the recycle bin) answer without the mouse.
#pragma once

#include "fw/AfxWin.h"

#include <map>
#include <vector>

class CDeleteConfirmDlg : public CDialog {
public:
    enum { IDC_QUESTION_ICON = 1037 };

    CDeleteConfirmDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent), m_parent(parent) {}
    // Runs the dialog; the code of the answer.
    INT_PTR DoModal() override;

protected:
    virtual int CancelCode() const = 0;

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { EndDialog(CancelCode()); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    CWnd* m_parent;
    int m_titleText = 0;
    std::map<int, int> m_texts;         // control id -> text id
    std::map<int, CString> m_fixed;     // control id -> text already made
    std::map<wchar_t, int> m_keys;      // typed letter (lower case) -> result
    std::map<int, int> m_buttons;       // button id -> result
    std::vector<int> m_disabled;        // buttons greyed when the dialog opens
};
