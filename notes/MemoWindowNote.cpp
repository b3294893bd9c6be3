#include "notes/MemoWindowNote.h"

#include "notes/MemoDlg.h"
#include "notes/TitleBar.h"

CMemoInfo& CMemoWindowNote::Record() { return m_window->GetInfo(); }

bool CMemoWindowNote::IsReadyToSave(bool atExit) { return m_window->IsReadyToSave(atExit ? TRUE : FALSE) != FALSE; }

bool CMemoWindowNote::SaveMemo() { return m_window->SaveMemo() != FALSE; }

bool CMemoWindowNote::IsChanged() const { return m_window->m_bChanged != 0; }

void CMemoWindowNote::ClearChanged() { m_window->m_bChanged = 0; }

void CMemoWindowNote::Redraw() { m_window->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

bool CMemoWindowNote::IsVisible() const { return m_window->IsVisible() != FALSE; }

void CMemoWindowNote::Show(bool show) { m_window->ShowByLevel(show ? TRUE : FALSE); }

void CMemoWindowNote::MoveTo(const CRect& rect) {
    m_window->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    m_window->GetInfo().m_rcWindow = rect;
}

void CMemoWindowNote::SetExpanded(bool expanded) { m_window->SetExpanded(expanded ? TRUE : FALSE, TRUE); }

void CMemoWindowNote::SetLevel(int level) { m_window->SetLevel(level); }

void CMemoWindowNote::PinOnTop() {
    if (CTitleBar* bar = m_window->GetTitleBar()) {
        bar->SetPinned(TRUE);
        if (bar->m_hWnd) bar->Invalidate();
    }
    m_window->SetLevel(CMemoInfo::LevelTopMost);
}

void CMemoWindowNote::FlashAttention() { m_window->FlashAttention(FALSE); }

bool CMemoWindowNote::FindText(const CString& text, bool matchCase, bool wholeWord) {
    if (text.IsEmpty()) return false;
    m_window->EnsureTextLoaded();
    COleRichEditCtrl& edit = m_window->GetEditor();
    if (!edit.m_hWnd) return false;
    // Wide text: any script is found whatever the ANSI code page.
    FINDTEXTEXW find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = -1;
    find.lpstrText = text.GetString();
    DWORD flags = FR_DOWN;
    if (matchCase) flags |= FR_MATCHCASE;
    if (wholeWord) flags |= FR_WHOLEWORD;
    long at = (long)edit.SendMessage(EM_FINDTEXTEXW, flags, (LPARAM)&find);
    if (at < 0) return false;
    int line = (int)edit.SendMessage(EM_EXLINEFROMCHAR, 0, find.chrgText.cpMin);
    edit.SendMessage(EM_LINESCROLL, 0, line);
    edit.SendMessage(EM_EXSETSEL, 0, (LPARAM)&find.chrgText);
    return true;
}

void CMemoWindowNote::PasteClipboard() {
    m_window->EnsureTextLoaded();
    m_window->GetEditor().Paste();
}
