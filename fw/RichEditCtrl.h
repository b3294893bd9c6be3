// CRichEditCtrl: the rich edit 2.0 control ("RichEdit20W"). Call
// AfxInitRichEdit2 (CommonControls.h) before templates that hold one.
#pragma once

#include "CommonControls.h"
#include "Wnd.h"

#include <richedit.h>

struct IRichEditOle;
struct IRichEditOleCallback;

class CRichEditCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    long GetTextLength() const { return (long)SendMessage(WM_GETTEXTLENGTH); }
    long GetTextLengthEx(DWORD flags = GTL_DEFAULT, UINT codePage = 1200) const;
    void SetSel(long start, long end);
    void SetSel(CHARRANGE& range) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&range); }
    void GetSel(long& start, long& end) const;
    void GetSel(CHARRANGE& range) const { SendMessage(EM_EXGETSEL, 0, (LPARAM)&range); }
    CString GetSelText() const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    void HideSelection(BOOL hide, BOOL permanent) { SendMessage(EM_HIDESELECTION, hide, permanent); }
    CString GetTextRange(long first, long last) const;

    DWORD GetEventMask() const { return (DWORD)SendMessage(EM_GETEVENTMASK); }
    DWORD SetEventMask(DWORD mask) { return (DWORD)SendMessage(EM_SETEVENTMASK, 0, mask); }
    COLORREF SetBackgroundColor(BOOL sysColor, COLORREF color) {
        return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, sysColor, color);
    }
    BOOL SetDefaultCharFormat(CHARFORMAT2W& cf) { return SetCharFormat(SCF_DEFAULT, cf); }
    DWORD GetDefaultCharFormat(CHARFORMAT2W& cf) const { return GetCharFormat(SCF_DEFAULT, cf); }
    BOOL SetSelectionCharFormat(CHARFORMAT2W& cf) { return SetCharFormat(SCF_SELECTION, cf); }
    DWORD GetSelectionCharFormat(CHARFORMAT2W& cf) const { return GetCharFormat(SCF_SELECTION, cf); }
    BOOL SetWordCharFormat(CHARFORMAT2W& cf) { return SetCharFormat(SCF_SELECTION | SCF_WORD, cf); }
    BOOL SetParaFormat(PARAFORMAT2& pf) {
        pf.cbSize = sizeof(pf);
        return (BOOL)SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
    }
    DWORD GetParaFormat(PARAFORMAT2& pf) const {
        pf.cbSize = sizeof(pf);
        return (DWORD)SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&pf);
    }

    // Streams RTF or text in and out through a callback.
    long StreamIn(int format, EDITSTREAM& stream) { return (long)SendMessage(EM_STREAMIN, (WPARAM)format, (LPARAM)&stream); }
    long StreamOut(int format, EDITSTREAM& stream) {
        return (long)SendMessage(EM_STREAMOUT, (WPARAM)format, (LPARAM)&stream);
    }
    // Convenience forms over memory: the bytes of the stream (RTF is 8-bit).
    long StreamInBytes(int format, const CStringA& bytes);
    CStringA StreamOutBytes(int format);

    BOOL SetOLECallback(IRichEditOleCallback* callback) {
        return (BOOL)SendMessage(EM_SETOLECALLBACK, 0, (LPARAM)callback);
    }
    // The control's OLE interface, with a reference the caller releases.
    IRichEditOle* GetIRichEditOle() const;

    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    void LimitText(long chars = 0) { SendMessage(EM_EXLIMITTEXT, 0, chars); }
    long GetLimitText() const { return (long)SendMessage(EM_GETLIMITTEXT); }
    long LineFromChar(long index) const { return (long)SendMessage(EM_EXLINEFROMCHAR, 0, index); }
    int LineIndex(int line = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)line); }
    int LineLength(int charIndex = -1) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)charIndex); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    BOOL LineScroll(int lines, int chars = 0) { return (BOOL)SendMessage(EM_LINESCROLL, (WPARAM)chars, lines); }
    void RequestResize() { SendMessage(EM_REQUESTRESIZE); }
    void SetRect(LPCRECT rect) { SendMessage(EM_SETRECT, 0, (LPARAM)rect); }
    void GetRect(LPRECT rect) const { SendMessage(EM_GETRECT, 0, (LPARAM)rect); }
    int CharFromPos(CPoint point) const { return (int)SendMessage(EM_CHARFROMPOS, 0, (LPARAM)&point); }
    CPoint PosFromChar(UINT index) const {
        POINTL p = {0, 0};
        SendMessage(EM_POSFROMCHAR, (WPARAM)&p, index);
        return CPoint(p.x, p.y);
    }
    long FindText(DWORD flags, FINDTEXTEXW* find) const {
        return (long)SendMessage(EM_FINDTEXTEXW, flags, (LPARAM)find);
    }
    UINT SetOptions(WORD op, DWORD flags) { return (UINT)SendMessage(EM_SETOPTIONS, op, flags); }
    BOOL SetAutoURLDetect(BOOL enable = TRUE) { return !SendMessage(EM_AUTOURLDETECT, enable); }
    UINT SetUndoLimit(UINT limit) { return (UINT)SendMessage(EM_SETUNDOLIMIT, limit); }
    BOOL SetTargetDevice(HDC dc, long lineWidth) { return (BOOL)SendMessage(EM_SETTARGETDEVICE, (WPARAM)dc, lineWidth); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL CanRedo() const { return (BOOL)SendMessage(EM_CANREDO); }
    BOOL CanPaste(UINT format = 0) const { return (BOOL)SendMessage(EM_CANPASTE, format); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    BOOL Redo() { return (BOOL)SendMessage(EM_REDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void PasteSpecial(UINT format, DWORD aspect = 0, HMETAFILE metafile = nullptr);
    void Clear() { SendMessage(WM_CLEAR); }

private:
    BOOL SetCharFormat(DWORD scope, CHARFORMAT2W& cf) {
        cf.cbSize = sizeof(cf);
        return (BOOL)SendMessage(EM_SETCHARFORMAT, scope, (LPARAM)&cf);
    }
    DWORD GetCharFormat(DWORD scope, CHARFORMAT2W& cf) const {
        cf.cbSize = sizeof(cf);
        return (DWORD)SendMessage(EM_GETCHARFORMAT, scope, (LPARAM)&cf);
    }
};
