// CEdit: a single- or multi-line edit control.
#pragma once

#include "Wnd.h"

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(L"EDIT", nullptr, style, rect, parent, id);
    }
    void SetSel(int start, int end, BOOL noScroll = FALSE) {
        SendMessage(EM_SETSEL, (WPARAM)start, (LPARAM)end);
        if (!noScroll) SendMessage(EM_SCROLLCARET);
    }
    void GetSel(int& start, int& end) const {
        DWORD s = 0, e = 0;
        SendMessage(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
        start = (int)s;
        end = (int)e;
    }
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    void SetLimitText(UINT max) { SendMessage(EM_SETLIMITTEXT, max); }
    void LimitText(int chars = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)chars); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int LineIndex(int line = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)line); }
    int LineLength(int charIndex = -1) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)charIndex); }
    int LineFromChar(int charIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, (WPARAM)charIndex); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    void LineScroll(int lines, int chars = 0) { SendMessage(EM_LINESCROLL, (WPARAM)chars, (LPARAM)lines); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, ch); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    void SetMargins(UINT left, UINT right) {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right));
    }
    void SetRect(LPCRECT rect) { SendMessage(EM_SETRECT, 0, (LPARAM)rect); }
    void GetRect(LPRECT rect) const { SendMessage(EM_GETRECT, 0, (LPARAM)rect); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
};
