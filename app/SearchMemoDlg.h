// CSearchMemoDlg: the modeless search-all-notes dialog that the main frame
// keeps; Find hands the options to the frame's note search, Escape asks the
// frame to close it.
#pragma once

#include "fw/AfxWin.h"

class CMainFrame;

struct SearchMemoOptions {
    CString text;
    int matchCase = 0;
    int wholeWord = 0;
    int foundOnTop = 0;
    int searchTitles = 1;
    int searchContents = 1;
    int unfoldFound = 0;
};

class CSearchMemoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CSearchMemoDlg(CMainFrame* frame);
    ~CSearchMemoDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    SearchMemoOptions m_options;

private:
    CMainFrame* m_frame;
};
