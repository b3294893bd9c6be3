// CZMsgBox: the program's own modal message box, shown through
// ShowMessageBox. Type -1 is a notice with one OK button and a warning icon,
// 4 a question with Yes and No. Every open box is listed in
// g_OpenMessageBoxes, so that the main frame can end them when it closes.
#pragma once

#include "fw/AfxWin.h"

#include <functional>
#include <vector>

class CZMsgBox : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CZMsgBox(const CString& text, int type, CWnd* parent = nullptr);
    ~CZMsgBox() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void PostNcDestroy() override;

private:
    CString m_message;
    int m_type;
};

// The dialogs that count as open message boxes (the deletion confirmations
// of the memo-group manager enter themselves too).
extern std::vector<CDialog*> g_OpenMessageBoxes;
void AddOpenMessageBox(CDialog* box);
// Removes the first occurrence of the box.
void RemoveOpenMessageBox(CDialog* box);
// Ends every open box with IDNO; the number of boxes that were open.
int EndOpenMessageBoxes();

// Runs a CZMsgBox modally: 6 (IDYES) for button 1, 7 (IDNO) for button 2,
// Escape or the close box, -1 when the box could not be made.
int ShowMessageBox(const CString& text, int type);

// Tests answer in place of the user: while set, ShowMessageBox shows no box
// and returns what the function gives.
using MessageBoxAnswerer = std::function<int(const CString& text, int type)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
