// CFindDlg: the modeless find box of the note editor. The editor owns it,
// keeps the single instance and deletes it when told that it closed.
#pragma once

#include "fw/AfxWin.h"

// What the find box needs of the editor it searches.
class IFindTarget {
public:
    virtual ~IFindTarget() = default;
    // The editor's window: the find box's parent and the anchor of its place.
    virtual CWnd* GetFindWindow() = 0;
    // flags: 1 downward, 2 whole word, 4 match case.
    virtual void FindWithOptions(const CString& text, int flags) = 0;
    // The box was cancelled; the editor destroys and deletes it.
    virtual void OnFindDialogClosed() = 0;
};

class CFindDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CFindDlg(IFindTarget* editor, const CString& text);
    ~CFindDlg() override;

    // Creates the box modeless with the editor as parent and shows it
    // without activation.
    BOOL CreateAndShow();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnCancel() override;

    void FindNext();
    void FindPrevious();

    CString m_text;
    int m_wholeWord = 0;
    int m_matchCase = 0;

private:
    IFindTarget* m_editor;
};
