// The grid control's table without a window: cells, row heights and column
// widths, focus and selection, sorting, the mouse modes and what a click, a
// key or the end of an edit does. CGridCtrl puts a window around it; what
// needs the window (posting to the owner, repainting, the editor) goes
// through the virtual hooks at the end.
#pragma once

#include "fw/Afx.h"
#include "ui/ControlIds.h"

#include <tchar.h>
#include "ui/GridCell.h"
#include "ui/GridItem.h"

#include <functional>
#include <map>
#include <vector>

// A cell address; -1 is "no cell".
struct CCellID {
    int row = -1, col = -1;
    CCellID(int r = -1, int c = -1) : row(r), col(c) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& o) const { return row == o.row && col == o.col; }
    bool operator!=(const CCellID& o) const { return !(*this == o); }
};

struct CCellRange {
    int minRow, minCol, maxRow, maxCol;
};

// What the grid sends to its owner with WM_NOTIFY.
struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

// Messages the grid posts to its owner.
enum {
    GVM_SELCHANGED = WM_USER + 5,
    GVM_ROWSELECTED = WM_USER + 6,
    GVM_HEADERCLICK = WM_USER + 7,
    GVM_DELETEKEY = WM_USER + 8,
    GVM_READONLYSPACE = WM_USER + 9,
    GVM_RBUTTONUP = WM_USER + 10,
    GVM_DBLCLICK = WM_USER + 11,
};
// Notification codes (the list view's, as the owners expect them).
enum {
    GVN_FOCUSLOST = -100,
    GVN_FOCUSGAINED = -101,
    GVN_BEGINEDIT = -175,
    GVN_ENDEDIT = -176,
};

class CGridModel {
public:
    enum MouseMode {
        MOUSE_NOTHING = 0, MOUSE_SELECT_ALL = 1, MOUSE_SELECT_ROW = 3, MOUSE_OVER_ROW_DIVIDE = 6,
        MOUSE_SIZING_ROW = 7, MOUSE_OVER_COL_DIVIDE = 8, MOUSE_SIZING_COL = 9
    };

    CGridModel();
    virtual ~CGridModel();

    // ---- Counts and sizes ----
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int n);
    BOOL SetColumnCount(int n);
    BOOL SetFixedRowCount(int n);
    BOOL SetFixedColumnCount(int n);
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;

    // ---- Cells ----
    bool IsValid(int row, int col) const { return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols; }
    bool IsValid(const CCellID& c) const { return IsValid(c.row, c.col); }
    CGridCell* GetCell(int row, int col);
    const CGridCell* GetCell(int row, int col) const;
    BOOL SetItemText(int row, int col, LPCTSTR text);
    BOOL SetItemTextCentered(int row, int col, LPCTSTR text);
    virtual CString GetItemText(int row, int col) const;
    BOOL SetItemImage(int row, int col, int image);
    int GetItemImage(int row, int col) const;
    BOOL SetItemIndex(int row, int col, int index);
    int GetItemIndex(int row, int col) const;
    BOOL SetItemFgColour(int row, int col, COLORREF color);
    BOOL SetItemBkColour(int row, int col, COLORREF color);
    BOOL SetItemFormat(int row, int col, UINT format);
    UINT GetItemFormat(int row, int col) const;
    BOOL SetItemFont(int row, int col, const LOGFONT& font);
    const LOGFONT* GetItemFont(int row, int col) const;
    BOOL SetItemState(int row, int col, UINT state);
    UINT GetItemState(int row, int col) const;
    BOOL SetItemData(int row, int col, LPARAM data);
    LPARAM GetItemData(int row, int col) const;
    BOOL SetItemRightImage(int row, int col, int image);
    BOOL GetItem(CGridItem* item) const;
    bool IsCellEditable(int row, int col) const;
    void DeleteAllItems();

    // ---- Focus and selection ----
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    void SetFocusCell(int row, int col);
    void SetFocusCell(CCellID cell) { SetFocusCell(cell.row, cell.col); }
    void ResetSelectedRange();
    CCellRange GetSelectedCellRange() const;
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void SelectRows(int fromRow, int toRow);
    virtual void SelectAllCells();
    int GetSelectedCount() const { return (int)m_SelectedCellMap.size(); }
    bool IsCellSelected(int row, int col) const;
    bool IsRowSelected(int row) const;

    // ---- Sorting ----
    bool SortTextItems(int col, bool ascending, int low = -1, int high = -1);
    bool SortItems(int col, bool ascending);
    bool Resort();
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bAscending != 0; }

    // ---- Geometry (client coordinates, scroll positions in pixels) ----
    CCellID GetTopleftNonFixedCell() const;
    bool GetCellOrigin(int row, int col, POINT* origin) const;
    bool GetCellRect(int row, int col, RECT* rect) const;
    CCellID GetCellFromPt(POINT pt) const;
    // Non-fixed rows and columns at least partly (or, wholly) inside a client area.
    CCellRange GetVisibleNonFixedCellRange(const CRect& client, bool wholly = false) const;
    bool IsCellVisible(int row, int col, const CRect& client, bool wholly = true) const;
    // 1: over a column boundary in the fixed rows, 2: over a row boundary in
    // the fixed columns, 0: neither.
    int BoundaryAt(POINT pt) const;
    // The scroll maxima for a client size; 0 means no scroll bar.
    void ComputeScrollMax(int clientWidth, int clientHeight);
    // Line and page scrolling; return whether the position changed.
    bool ScrollLine(bool vertical, bool forward);
    bool ScrollPage(bool vertical, bool forward, int clientWidth, int clientHeight);
    void ScrollTo(bool vertical, int pos);
    int ScrollLimit(bool vertical) const;
    // Moves the view until the cell is wholly visible (line by line).
    void ScrollIntoView(int row, int col, const CRect& client);

    // ---- Input (the window calls these) ----
    void OnLButtonDown(POINT pt, bool shift, bool ctrl);
    void OnLButtonUp(bool right);
    void OnLButtonDblClk(POINT pt);
    void OnMouseHover(POINT pt);  // button up: boundaries set the mode
    // Keys: returns false when the key is not the grid's (Tab at the ends).
    bool OnKeyDown(UINT key, bool shift, bool ctrl, const CRect& client);
    void OnChar(UINT ch, bool ctrl);
    virtual void OnEditCell(int row, int col, UINT key);
    // The editor's end report.
    void OnEndInPlaceEdit(int row, int col, const CString& text, UINT lastKey, const CRect& client);
    // After an edit ended with Tab or a navigation key: move on and edit the
    // new focus cell with that key.
    void ContinueEdit(UINT lastKey, bool shift, const CRect& client);
    virtual void OnEndEditCell(int row, int col, const CString& text);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnFixedColumnClick(CCellID& cell);
    void OnSelecting(const CCellID& cell);
    // The column or row a boundary press sizes (mode 9 / 7).
    int SizingIndex() const { return m_nSizingIndex; }
    // Width of the widest cell of a column, given a text measure.
    int AutoSizeColumn(int col, const std::function<SIZE(int row, int col)>& measure, int imageWidth = 0);
    int AutoSizeRow(int row, const std::function<SIZE(int row, int col)>& measure, int imageHeight = 0);

    // ---- Switches, colours and state (the embedding dialogs set them) ----
    int m_nGridLines = 3;
    BOOL m_bEditable = TRUE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleSelection = FALSE;
    BOOL m_bAllowDraw = TRUE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bSortOnClick = TRUE;
    BOOL m_bHandleTabKey = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;
    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bAllowColumnResize = TRUE;
    BOOL m_bAllowVertScroll = TRUE;
    BOOL m_bAllowHorzScroll = TRUE;
    int m_nDefCellHeight = 20;
    int m_nDefCellWidth = 30;
    int m_nMargin = 0;
    int m_nResizeCaptureRange = 3;
    int m_nVScrollMax = 0, m_nHScrollMax = 0;
    int m_nVScrollPos = 0, m_nHScrollPos = 0;
    int m_nVScrollPage = 0, m_nHScrollPage = 0;
    LOGFONT m_Logfont = {};
    int m_nSortColumn = -1;
    BOOL m_bAscending = TRUE;
    CCellID m_idCurrentCell, m_SelectionStartCell, m_LeftClickDownCell;
    int m_MouseMode = MOUSE_NOTHING;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    BOOL m_bModified = FALSE;

protected:
    // ---- Hooks to the window ----
    virtual void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) {}
    virtual void NotifyOwner(int code, int row, int col) {}
    virtual void RedrawCellHook(int row, int col) {}
    virtual void RedrawAll() {}
    virtual void SendCommandToOwner() {}
    virtual bool HasOwner() const { return true; }
    virtual UINT GetGridId() const { return 0; }
    // Called after the sizes changed (scroll bars, repaint).
    virtual void OnLayoutChanged() {}
    // Opens the editor; false when the cell is not visible.
    virtual bool StartInPlaceEdit(int row, int col, const CString& text, UINT format, UINT key) { return false; }
    virtual void EnsureCellVisible(int row, int col) {}
    virtual bool CellIsVisibleForEdit(int row, int col) const { return true; }
    // Where the editing continues after Tab or a navigation key; the window
    // defers it until the old editor has gone.
    virtual void ContinueEditLater(UINT lastKey, bool shift, const CRect& client) { ContinueEdit(lastKey, shift, client); }
    virtual void CreateCell(int row, int col, CGridCell& cell);
    virtual void EmptyCell(CGridCell& cell) { cell = CGridCell(); }

private:
    static DWORD Key(int row, int col) { return ((DWORD)col << 16) | (DWORD)(row & 0xFFFF); }
    void SetCellSelected(int row, int col, bool on);
    void SwapRows(int a, int b);
    // The focus move of a key or a wrapping Tab.
    void MoveFocusTo(CCellID next, bool shift, bool tab);

    std::vector<std::vector<CGridCell>> m_Rows;
    std::vector<int> m_RowHeights, m_ColWidths;
    int m_nRows = 0, m_nCols = 0, m_nFixedRows = 0, m_nFixedCols = 0;
    std::map<DWORD, CCellID> m_SelectedCellMap, m_PrevSelectedCellMap;
    int m_nSizingIndex = -1;
};
