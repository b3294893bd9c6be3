// CMemoWindowNote: an open note window as the note life-cycle logic sees it
// (ILifecycleNote). It holds no state of its own: every call goes to the
// CMemoDlg it wraps. The frame keeps one per open note window and drops it
// when the window goes.
#pragma once

#include "notes/LifecycleHost.h"

class CMemoDlg;

class CMemoWindowNote : public ILifecycleNote {
public:
    explicit CMemoWindowNote(CMemoDlg* window) : m_window(window) {}
    CMemoDlg* Window() const { return m_window; }

    CMemoInfo& Record() override;
    bool IsReadyToSave(bool atExit) override;
    bool SaveMemo() override;
    bool IsChanged() const override;
    void ClearChanged() override;
    void Redraw() override;
    bool IsVisible() const override;
    void Show(bool show) override;
    void MoveTo(const CRect& rect) override;
    void SetExpanded(bool expanded) override;
    void SetLevel(int level) override;
    void PinOnTop() override;
    void FlashAttention() override;
    bool FindText(const CString& text, bool matchCase, bool wholeWord) override;
    void PasteClipboard() override;

private:
    CMemoDlg* m_window;
};
