// CInputStringDlg: a modal one-line text input (memo-group names, the name
// of a skin copy). The prompt is the title and the label; OK's caption is a
// text number the caller may change before showing the box.
#pragma once

#include "fw/AfxWin.h"

class CInputStringDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CInputStringDlg(const CString& prompt, const CString& text, CWnd* parent = nullptr);
    ~CInputStringDlg() override;

    CString GetText() const { return m_text; }
    void SetOkCaptionId(int id) { m_okCaptionId = id; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CString m_text;
    int m_okCaptionId = 20;  // "Add"
    CString m_prompt;
};
