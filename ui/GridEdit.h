// CGridEdit: the single-line editor the grid places over a cell. It reports
// the end of editing (with the key that ended it) to the grid and then
// closes and deletes itself.
#pragma once

#include "ui/ControlBase.h"

class CGridEdit : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    // Creates and shows the editor. firstKey: the key that started editing,
    // 1 for a double click.
    CGridEdit(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col, const CString& text,
              UINT firstKey);

    BOOL PreTranslateMessage(MSG* msg) override;
    UINT GetLastKey() const { return m_nLastChar; }

protected:
    void PostNcDestroy() override { delete this; }
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnKillFocus(CWnd* newWnd);
    UINT OnGetDlgCode() { return DLGC_WANTALLKEYS; }

private:
    void EndEdit(UINT key);
    CString m_sInitText;
    int m_nRow, m_nCol;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    CRect m_Rect;
    CWnd* m_pGrid;
    bool m_bEnded = false;
};
