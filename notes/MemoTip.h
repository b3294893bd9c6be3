// CMemoTip: the hover tip that previews the whole text of a folded note
// below its strip, without unfolding it. The main frame owns one.
#pragma once

#include "notes/MemoInfo.h"
#include "notes/OleRichEditCtrl.h"
#include "ui/ZDialog.h"

class CMemoTip : public CZDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CMemoTip(CWnd* parent = nullptr);
    BOOL CreateTip(CWnd* parent);

    void ShowTip(CMemoInfo* record);
    void HideTip();
    CMemoDlg* GetShownWindow() const { return m_pShown ? m_pShown->m_pWindow : nullptr; }
    CMemoInfo* GetShownRecord() const { return m_pShown; }
    // Follows a dragged note.
    void FollowNote();
    int GetContentHeight() const { return m_nContentHeight; }
    COleRichEditCtrl& GetEditor() { return m_edit; }

    BOOL OnInitDialog() override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnTimer(UINT_PTR id);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();

private:
    CRect TipArea() const;
    void CheckCursor();

    COleRichEditCtrl m_edit;
    CMemoInfo m_info;
    CMemoInfo* m_pShown = nullptr;
    int m_nContentHeight = 0;
};
