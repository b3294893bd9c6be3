// CRichEditCtrl20: a rich edit control of version 2.0 from riched20.dll,
// falling back to the system's version-1 control when that library is
// missing. The program is a Unicode build, so the wide window class is used
// and Korean text is never squeezed through a code page.
#pragma once

#include "fw/AfxWin.h"

#include <richedit.h>

class CRichEditCtrl20 : public CWnd {
public:
    CRichEditCtrl20() = default;

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual void SetAutoURLDetect(BOOL on) { SendMessage(EM_AUTOURLDETECT, on, 0); }

    // 2 for the version 2.0 control, 1 for the fallback.
    int GetVersion() const { return m_nVersion; }

    // Thin wrappers of the control's messages.
    void GetSel(CHARRANGE& range) const { SendMessage(EM_EXGETSEL, 0, (LPARAM)&range); }
    void SetSel(long start, long end) {
        CHARRANGE r = {start, end};
        SendMessage(EM_EXSETSEL, 0, (LPARAM)&r);
    }
    void ReplaceSel(LPCTSTR text, BOOL canUndo = TRUE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    long GetTextLengthEx() const;
    CString GetTextRange(long start, long end) const;
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, modified); }
    void SetReadOnly(BOOL on) { SendMessage(EM_SETREADONLY, on); }
    void SetBackgroundColor(COLORREF color) { SendMessage(EM_SETBKGNDCOLOR, 0, (LPARAM)color); }
    DWORD SetEventMask(DWORD mask) { return (DWORD)SendMessage(EM_SETEVENTMASK, 0, mask); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    int LineIndex(int line) const { return (int)SendMessage(EM_LINEINDEX, line); }
    int LineFromChar(long pos) const { return (int)SendMessage(EM_EXLINEFROMCHAR, 0, pos); }
    void LineScroll(int lines) { SendMessage(EM_LINESCROLL, 0, lines); }
    void RequestResize() { SendMessage(EM_REQUESTRESIZE); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL CanRedo() const { return (BOOL)SendMessage(EM_CANREDO); }

protected:
    int m_nVersion = 2;
};
