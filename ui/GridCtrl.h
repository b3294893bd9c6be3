// CGridCtrl: the window around the grid's table (CGridModel) - painting,
// scroll bars, mouse and keys, the in-place editor and the title tip.
#pragma once

#include "ui/ControlBase.h"
#include "ui/ControlIds.h"
#include "ui/GridModel.h"
#include "ui/TitleTip.h"

#include <commctrl.h>


class CGridCtrl : public CControlBase, public CGridModel {
    DECLARE_MESSAGE_MAP()
public:
    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    void ResetScrollBars();
    void EnsureVisible(int row, int col);
    BOOL RedrawCell(int row, int col, CDC* dc = nullptr);
    void SetImageList(HIMAGELIST list) { m_hImageList = list; }
    void SetRightImageList(HIMAGELIST list) { m_hRightImageList = list; }
    int AutoSizeColumn(int col);
    int AutoSizeRow(int row);
    static int GetMouseScrollLines();
    // The open in-place editor, or null.
    HWND GetEditWindow() const { return m_hWnd ? ::GetDlgItem(m_hWnd, IDC_GRID_INPLACE_EDIT) : nullptr; }
    CTitleTip& GetTitleTip() { return m_TitleTip; }
    HFONT GetGridFont() const { return m_hFont; }

    // Colours (the embedding dialogs set them directly).
    COLORREF m_crTextColour, m_crBkColour, m_crGridBkColour, m_crFixedTextColour, m_crFixedBkColour;
    COLORREF m_crGridColour = RGB(192, 192, 192);
    COLORREF m_crFocusFill = RGB(120, 210, 210), m_crFocusTopLeft = RGB(160, 160, 160),
             m_crFocusBottomRight = RGB(235, 235, 235), m_crFocusText;
    COLORREF m_crSelFill = RGB(42, 149, 162), m_crSelTopLeft = RGB(217, 217, 217),
             m_crSelBottomRight = RGB(115, 115, 115), m_crSelText;
    int m_nRowsPerWheelNotch;

protected:
    // Overridable drawing.
    virtual void OnDraw(CDC* dc);
    virtual BOOL DrawFixedCell(CDC* dc, int row, int col, CRect rect);
    virtual BOOL DrawCell(CDC* dc, int row, int col, CRect rect);
    virtual CSize GetCellExtent(int row, int col, CDC* dc);

    // CGridModel hooks.
    void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) override;
    void NotifyOwner(int code, int row, int col) override;
    void RedrawCellHook(int row, int col) override { RedrawCell(row, col); }
    void RedrawAll() override {
        if (m_hWnd && m_bAllowDraw) Invalidate(FALSE);
    }
    void SendCommandToOwner() override;
    bool HasOwner() const override;
    UINT GetGridId() const override { return m_hWnd ? (UINT)GetDlgCtrlID() : 0; }
    void OnLayoutChanged() override;
    bool StartInPlaceEdit(int row, int col, const CString& text, UINT format, UINT key) override;
    void EnsureCellVisible(int row, int col) override { EnsureVisible(row, col); }
    bool CellIsVisibleForEdit(int row, int col) const override;
    void ContinueEditLater(UINT lastKey, bool shift, const CRect& client) override;
    virtual BOOL CreateInPlaceEditControl(const CRect& rect, DWORD style, UINT id, int row, int col, LPCTSTR text,
                                          UINT key);

    void PreSubclassWindow() override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    UINT OnGetDlgCode();
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnSysColorChange();
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnContinueEdit(WPARAM wParam, LPARAM lParam);
    void OnSelectAll();
    void OnUpdateSelectAll(CCmdUI* ui);
    void OnEndInPlaceEdit(NMHDR* nm, LRESULT* result);

private:
    static void RegisterGridClass();
    void ApplyFont(HFONT font);
    void Scroll(bool vertical, UINT code, int trackPos);
    void InvertTrackLine(CPoint point);
    CRect ClientRect() const;

    CTitleTip m_TitleTip;
    HFONT m_hFont = nullptr;        // the grid font object (ours)
    HIMAGELIST m_hImageList = nullptr, m_hRightImageList = nullptr;
    HIMAGELIST m_hSortArrows = nullptr;
    COLORREF m_crWindowText, m_crWindowColour, m_cr3DFace, m_crShadow;
    bool m_bInSize = false;
    bool m_bTrackLine = false;
    CPoint m_ptTrackLine;
};
