#include "ui/GridModel.h"

#include <algorithm>
#include <stdexcept>

CGridModel::CGridModel() {}
CGridModel::~CGridModel() {}

// ---- Counts and sizes -------------------------------------------------------

void CGridModel::CreateCell(int row, int col, CGridCell& cell) {
    cell = CGridCell();
    cell.lfFont = m_Logfont;
    // New rows take the format of the cell above, so a column keeps its alignment.
    if (row > 0 && row - 1 < (int)m_Rows.size() && col < (int)m_Rows[row - 1].size())
        cell.nFormat = m_Rows[row - 1][col].nFormat;
}

BOOL CGridModel::SetRowCount(int n) {
    if (n < 0 || n == m_nRows)
        return n >= 0;
    if (n < m_nRows) {
        for (int r = n; r < m_nRows; ++r)
            for (CGridCell& c : m_Rows[r]) EmptyCell(c);
        m_Rows.resize(n);
        m_RowHeights.resize(n);
        if (m_nFixedRows > n) m_nFixedRows = n;
        if (m_idCurrentCell.row >= n) m_idCurrentCell = CCellID();
        for (auto it = m_SelectedCellMap.begin(); it != m_SelectedCellMap.end();)
            it = it->second.row >= n ? m_SelectedCellMap.erase(it) : std::next(it);
        m_PrevSelectedCellMap.clear();
    } else {
        int old = m_nRows;
        try {
            m_Rows.resize(n);
            m_RowHeights.resize(n, m_nDefCellHeight);
            for (int r = old; r < n; ++r) {
                m_Rows[r].resize(m_nCols);
                for (int c = 0; c < m_nCols; ++c) CreateCell(r, c, m_Rows[r][c]);
            }
        } catch (const std::exception&) {
            // Too many rows: the grid stays as it was.
            m_Rows.resize(old);
            m_RowHeights.resize(old);
            return FALSE;
        }
    }
    m_nRows = n;
    OnLayoutChanged();
    return TRUE;
}

BOOL CGridModel::SetColumnCount(int n) {
    if (n < 0 || n == m_nCols)
        return n >= 0;
    if (n < m_nCols) {
        for (auto& row : m_Rows) {
            for (int c = n; c < m_nCols; ++c) EmptyCell(row[c]);
            row.resize(n);
        }
        m_ColWidths.resize(n);
        if (m_nFixedCols > n) m_nFixedCols = n;
        if (m_idCurrentCell.col >= n) m_idCurrentCell = CCellID();
        for (auto it = m_SelectedCellMap.begin(); it != m_SelectedCellMap.end();)
            it = it->second.col >= n ? m_SelectedCellMap.erase(it) : std::next(it);
        m_PrevSelectedCellMap.clear();
        if (m_nSortColumn >= n) m_nSortColumn = -1;
    } else {
        int old = m_nCols;
        try {
            m_ColWidths.resize(n, m_nDefCellWidth);
            for (int r = 0; r < m_nRows; ++r) {
                m_Rows[r].resize(n);
                for (int c = old; c < n; ++c) CreateCell(r, c, m_Rows[r][c]);
            }
        } catch (const std::exception&) {
            // Too many columns: the grid stays as it was.
            m_ColWidths.resize(old);
            for (auto& row : m_Rows) row.resize(old);
            return FALSE;
        }
    }
    m_nCols = n;
    OnLayoutChanged();
    return TRUE;
}

BOOL CGridModel::SetFixedRowCount(int n) {
    if (n < 0) return FALSE;
    if (n > m_nRows) SetRowCount(n);
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < n) m_idCurrentCell = CCellID();
    m_nFixedRows = n;
    OnLayoutChanged();
    return TRUE;
}

BOOL CGridModel::SetFixedColumnCount(int n) {
    if (n < 0) return FALSE;
    if (n > m_nCols) SetColumnCount(n);
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < n) m_idCurrentCell = CCellID();
    m_nFixedCols = n;
    OnLayoutChanged();
    return TRUE;
}

BOOL CGridModel::SetRowHeight(int row, int height) {
    if (row < 0 || row >= m_nRows || height < 0) return FALSE;
    m_RowHeights[row] = height;
    return TRUE;
}

BOOL CGridModel::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= m_nCols || width < 0) return FALSE;
    m_ColWidths[col] = width;
    return TRUE;
}

int CGridModel::GetRowHeight(int row) const { return row < 0 || row >= m_nRows ? -1 : m_RowHeights[row]; }
int CGridModel::GetColumnWidth(int col) const { return col < 0 || col >= m_nCols ? -1 : m_ColWidths[col]; }

int CGridModel::GetFixedRowHeight() const {
    int h = 0;
    for (int r = 0; r < m_nFixedRows; ++r) h += m_RowHeights[r];
    return h;
}

int CGridModel::GetFixedColumnWidth() const {
    int w = 0;
    for (int c = 0; c < m_nFixedCols; ++c) w += m_ColWidths[c];
    return w;
}

int CGridModel::GetVirtualHeight() const {
    int h = 0;
    for (int v : m_RowHeights) h += v;
    return h;
}

int CGridModel::GetVirtualWidth() const {
    int w = 0;
    for (int v : m_ColWidths) w += v;
    return w;
}

// ---- Cells ------------------------------------------------------------------

CGridCell* CGridModel::GetCell(int row, int col) { return IsValid(row, col) ? &m_Rows[row][col] : nullptr; }
const CGridCell* CGridModel::GetCell(int row, int col) const { return IsValid(row, col) ? &m_Rows[row][col] : nullptr; }

#define CELL_OR(value)                        \
    CGridCell* cell = GetCell(row, col);      \
    if (!cell) return value;

BOOL CGridModel::SetItemText(int row, int col, LPCTSTR text) { CELL_OR(FALSE) cell->szText = text ? text : _T(""); return TRUE; }
BOOL CGridModel::SetItemTextCentered(int row, int col, LPCTSTR text) {
    CELL_OR(FALSE)
    cell->szText = text ? text : _T("");
    cell->nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    return TRUE;
}
CString CGridModel::GetItemText(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->szText : CString();
}
BOOL CGridModel::SetItemImage(int row, int col, int image) { CELL_OR(FALSE) cell->iImage = image; return TRUE; }
int CGridModel::GetItemImage(int row, int col) const { const CGridCell* c = GetCell(row, col); return c ? c->iImage : -1; }
BOOL CGridModel::SetItemIndex(int row, int col, int index) { CELL_OR(FALSE) cell->nIndex = index; return TRUE; }
int CGridModel::GetItemIndex(int row, int col) const { const CGridCell* c = GetCell(row, col); return c ? c->nIndex : -1; }
BOOL CGridModel::SetItemFgColour(int row, int col, COLORREF color) { CELL_OR(FALSE) cell->crFgClr = color; return TRUE; }
BOOL CGridModel::SetItemBkColour(int row, int col, COLORREF color) { CELL_OR(FALSE) cell->crBkClr = color; return TRUE; }
BOOL CGridModel::SetItemFormat(int row, int col, UINT format) { CELL_OR(FALSE) cell->nFormat = format; return TRUE; }
UINT CGridModel::GetItemFormat(int row, int col) const { const CGridCell* c = GetCell(row, col); return c ? c->nFormat : 0; }
BOOL CGridModel::SetItemFont(int row, int col, const LOGFONT& font) { CELL_OR(FALSE) cell->lfFont = font; return TRUE; }
const LOGFONT* CGridModel::GetItemFont(int row, int col) const {
    const CGridCell* c = GetCell(row, col);
    return c ? &c->lfFont : &m_Logfont;
}
BOOL CGridModel::SetItemState(int row, int col, UINT state) {
    CELL_OR(FALSE)
    bool wasSelected = (cell->state & GVIS_SELECTED) != 0;
    cell->state = state;
    bool selected = (state & GVIS_SELECTED) != 0;
    if (selected != wasSelected) {
        if (selected) m_SelectedCellMap[Key(row, col)] = CCellID(row, col);
        else m_SelectedCellMap.erase(Key(row, col));
    }
    return TRUE;
}
UINT CGridModel::GetItemState(int row, int col) const { const CGridCell* c = GetCell(row, col); return c ? c->state : 0; }
BOOL CGridModel::SetItemData(int row, int col, LPARAM data) { CELL_OR(FALSE) cell->lParam = data; return TRUE; }
LPARAM CGridModel::GetItemData(int row, int col) const { const CGridCell* c = GetCell(row, col); return c ? c->lParam : 0; }
BOOL CGridModel::SetItemRightImage(int row, int col, int image) { CELL_OR(FALSE) cell->iRightImage = image; return TRUE; }

BOOL CGridModel::GetItem(CGridItem* item) const {
    if (!item) return FALSE;
    const CGridCell* c = GetCell(item->row, item->col);
    if (!c) return FALSE;
    UINT m = item->mask;
    if (m & GVIF_TEXT) item->szText = GetItemText(item->row, item->col);
    if (m & GVIF_IMAGE) item->iImage = c->iImage;
    if (m & GVIF_PARAM) item->lParam = c->lParam;
    if (m & GVIF_STATE) item->state = c->state;
    if (m & GVIF_BKCLR) item->crBkClr = c->crBkClr;
    if (m & GVIF_FGCLR) item->crFgClr = c->crFgClr;
    if (m & GVIF_FORMAT) item->nFormat = c->nFormat;
    if (m & GVIF_FONT) item->lfFont = c->lfFont;
    if (m & GVIF_INDEX) item->nIndex = c->nIndex;
    if (m & GVIF_RIGHTIMAGE) item->iRightImage = c->iRightImage;
    return TRUE;
}

bool CGridModel::IsCellEditable(int row, int col) const {
    const CGridCell* c = GetCell(row, col);
    return c && m_bEditable && !(c->state & GVIS_READONLY);
}

void CGridModel::DeleteAllItems() {
    m_Rows.clear();
    m_RowHeights.clear();
    m_ColWidths.clear();
    m_nRows = m_nCols = m_nFixedRows = m_nFixedCols = 0;
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
    m_idCurrentCell = m_SelectionStartCell = m_LeftClickDownCell = CCellID();
    m_nVScrollPos = m_nHScrollPos = 0;
    m_nSortColumn = -1;
    OnLayoutChanged();
}

// ---- Focus and selection ----------------------------------------------------

void CGridModel::SetFocusCell(int row, int col) {
    CCellID cell(row, col);
    if (cell == m_idCurrentCell)
        return;
    CCellID prev = m_idCurrentCell;
    m_idCurrentCell = cell;
    if (CGridCell* old = GetCell(prev.row, prev.col)) {
        old->state &= ~GVIS_FOCUSED;
        RedrawCellHook(prev.row, prev.col);
        NotifyOwner(GVN_FOCUSLOST, prev.row, prev.col);
    }
    if (CGridCell* now = GetCell(row, col)) {
        now->state |= GVIS_FOCUSED;
        RedrawCellHook(row, col);
        NotifyOwner(GVN_FOCUSGAINED, row, col);
    }
    // The header cells of the focus row and column are drawn differently.
    for (const CCellID& c : {prev, cell}) {
        if (!IsValid(c)) continue;
        for (int fc = 0; fc < m_nFixedCols; ++fc) RedrawCellHook(c.row, fc);
        for (int fr = 0; fr < m_nFixedRows; ++fr) RedrawCellHook(fr, c.col);
    }
}

void CGridModel::SetCellSelected(int row, int col, bool on) {
    CGridCell* c = GetCell(row, col);
    if (!c) return;
    bool was = (c->state & GVIS_SELECTED) != 0;
    if (on) {
        c->state |= GVIS_SELECTED;
        m_SelectedCellMap[Key(row, col)] = CCellID(row, col);
    } else {
        c->state &= ~GVIS_SELECTED;
        m_SelectedCellMap.erase(Key(row, col));
    }
    if (was != on) RedrawCellHook(row, col);
}

void CGridModel::ResetSelectedRange() {
    std::vector<CCellID> cells;
    for (auto& kv : m_SelectedCellMap) cells.push_back(kv.second);
    for (const CCellID& c : cells) SetCellSelected(c.row, c.col, false);
    m_SelectedCellMap.clear();
    m_PrevSelectedCellMap.clear();
    if (CGridCell* f = GetCell(m_idCurrentCell.row, m_idCurrentCell.col)) {
        f->state &= ~GVIS_FOCUSED;
        RedrawCellHook(m_idCurrentCell.row, m_idCurrentCell.col);
    }
    m_idCurrentCell = CCellID();
}

CCellRange CGridModel::GetSelectedCellRange() const {
    CCellRange r = {m_nRows, m_nCols, -1, -1};
    for (auto& kv : m_SelectedCellMap) {
        r.minRow = std::min(r.minRow, kv.second.row);
        r.minCol = std::min(r.minCol, kv.second.col);
        r.maxRow = std::max(r.maxRow, kv.second.row);
        r.maxCol = std::max(r.maxCol, kv.second.col);
    }
    return r;
}

void CGridModel::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol) {
    std::vector<CCellID> outside;
    for (auto& kv : m_SelectedCellMap) {
        const CCellID& c = kv.second;
        if (c.row < minRow || c.row > maxRow || c.col < minCol || c.col > maxCol)
            outside.push_back(c);
    }
    for (const CCellID& c : outside) SetCellSelected(c.row, c.col, false);
    if (!m_bSingleSelection)
        for (auto& kv : m_PrevSelectedCellMap) SetCellSelected(kv.second.row, kv.second.col, true);
    for (int r = std::max(0, minRow); r <= maxRow && r < m_nRows; ++r)
        for (int c = std::max(0, minCol); c <= maxCol && c < m_nCols; ++c)
            SetCellSelected(r, c, true);
}

void CGridModel::SelectRows(int fromRow, int toRow) {
    if (!m_bEnableSelection || m_nCols <= m_nFixedCols)
        return;
    if (m_bListMode && m_bSingleSelection)
        fromRow = toRow;
    fromRow = std::max(fromRow, m_nFixedRows);
    toRow = std::max(toRow, m_nFixedRows);
    SetSelectedRange(std::min(fromRow, toRow), m_nFixedCols, std::max(fromRow, toRow), m_nCols - 1);
}

void CGridModel::SelectAllCells() {
    if (m_bSingleSelection)
        return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

bool CGridModel::IsCellSelected(int row, int col) const { return m_SelectedCellMap.count(Key(row, col)) != 0; }

bool CGridModel::IsRowSelected(int row) const {
    for (auto& kv : m_SelectedCellMap)
        if (kv.second.row == row) return true;
    return false;
}

void CGridModel::OnSelecting(const CCellID& cell) {
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        SelectAllCells();
        break;
    case MOUSE_SELECT_ROW:
        if (IsValid(cell)) SelectRows(m_SelectionStartCell.row < 0 ? cell.row : m_SelectionStartCell.row, cell.row);
        break;
    default:
        break;
    }
    UINT message = m_MouseMode == MOUSE_SELECT_ROW ? GVM_ROWSELECTED : GVM_SELCHANGED;
    PostToOwner(message, ((WPARAM)(cell.row & 0xFFFF) << 16) | (WPARAM)(cell.col & 0xFFFF), GetGridId());
}

// ---- Sorting ----------------------------------------------------------------

void CGridModel::SwapRows(int a, int b) {
    std::swap(m_Rows[a], m_Rows[b]);
    std::swap(m_RowHeights[a], m_RowHeights[b]);
}

bool CGridModel::SortTextItems(int col, bool ascending, int low, int high) {
    if (col < 0 || col >= m_nCols)
        return false;
    if (low < 0) low = m_nFixedRows;
    if (high == -1) high = m_nRows - 1;
    int lo = low, hi = high;
    if (hi <= lo)
        return false;
    CString pivot = GetItemText((lo + hi) / 2, col);
    while (lo <= hi) {
        if (ascending) {
            while (lo < high && GetItemText(lo, col).Compare(pivot) < 0) ++lo;
            while (hi > low && GetItemText(hi, col).Compare(pivot) > 0) --hi;
        } else {
            while (lo < high && GetItemText(lo, col).Compare(pivot) > 0) ++lo;
            while (hi > low && GetItemText(hi, col).Compare(pivot) < 0) --hi;
        }
        if (lo <= hi) {
            if (GetItemText(lo, col).Compare(GetItemText(hi, col)) != 0)
                SwapRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi) SortTextItems(col, ascending, low, hi);
    if (lo < high) SortTextItems(col, ascending, lo, high);
    return true;
}

bool CGridModel::SortItems(int col, bool ascending) {
    ResetSelectedRange();
    // The rows moved under the old selection; drop every mark with it.
    for (auto& row : m_Rows)
        for (CGridCell& c : row) c.state &= ~(GVIS_SELECTED | GVIS_FOCUSED);
    SetFocusCell(-1, -1);
    bool done = SortTextItems(col, ascending, m_nFixedRows, -1);
    RedrawAll();
    return done;
}

bool CGridModel::Resort() {
    if (m_nSortColumn < 0) return false;
    return SortItems(m_nSortColumn, m_bAscending != 0);
}

// ---- Geometry ---------------------------------------------------------------

CCellID CGridModel::GetTopleftNonFixedCell() const {
    int row = m_nFixedRows, top = 0;
    while (row < m_nRows && top < m_nVScrollPos) top += m_RowHeights[row++];
    int col = m_nFixedCols, left = 0;
    while (col < m_nCols && left < m_nHScrollPos) left += m_ColWidths[col++];
    return CCellID(row, col);
}

bool CGridModel::GetCellOrigin(int row, int col, POINT* origin) const {
    if (!IsValid(row, col))
        return false;
    CCellID tl = GetTopleftNonFixedCell();
    int x = 0, y = 0;
    if (col < m_nFixedCols) {
        for (int c = 0; c < col; ++c) x += m_ColWidths[c];
    } else {
        x = GetFixedColumnWidth();
        for (int c = tl.col; c < col; ++c) x += m_ColWidths[c];
        for (int c = col; c < tl.col; ++c) x -= m_ColWidths[c];
    }
    if (row < m_nFixedRows) {
        for (int r = 0; r < row; ++r) y += m_RowHeights[r];
    } else {
        y = GetFixedRowHeight();
        for (int r = tl.row; r < row; ++r) y += m_RowHeights[r];
        for (int r = row; r < tl.row; ++r) y -= m_RowHeights[r];
    }
    origin->x = x;
    origin->y = y;
    return true;
}

bool CGridModel::GetCellRect(int row, int col, RECT* rect) const {
    POINT o;
    if (!GetCellOrigin(row, col, &o))
        return false;
    rect->left = o.x;
    rect->top = o.y;
    rect->right = o.x + m_ColWidths[col] - 1;
    rect->bottom = o.y + m_RowHeights[row] - 1;
    return true;
}

CCellID CGridModel::GetCellFromPt(POINT pt) const {
    if (pt.x < 0 || pt.y < 0)
        return CCellID();
    CCellID tl = GetTopleftNonFixedCell();
    CCellID id;
    int fixedW = GetFixedColumnWidth(), fixedH = GetFixedRowHeight();
    int x = 0;
    if (pt.x < fixedW) {
        for (int c = 0; c < m_nFixedCols; ++c) {
            x += m_ColWidths[c];
            if (pt.x < x) { id.col = c; break; }
        }
    } else {
        x = fixedW;
        for (int c = tl.col; c < m_nCols; ++c) {
            x += m_ColWidths[c];
            if (pt.x < x) { id.col = c; break; }
        }
    }
    int y = 0;
    if (pt.y < fixedH) {
        for (int r = 0; r < m_nFixedRows; ++r) {
            y += m_RowHeights[r];
            if (pt.y < y) { id.row = r; break; }
        }
    } else {
        y = fixedH;
        for (int r = tl.row; r < m_nRows; ++r) {
            y += m_RowHeights[r];
            if (pt.y < y) { id.row = r; break; }
        }
    }
    if (id.row < 0 || id.col < 0)
        return CCellID();
    return id;
}

CCellRange CGridModel::GetVisibleNonFixedCellRange(const CRect& client, bool wholly) const {
    CCellID tl = GetTopleftNonFixedCell();
    int bottom = GetFixedRowHeight(), maxRow = tl.row - 1;
    for (int r = tl.row; r < m_nRows; ++r) {
        if (bottom >= client.bottom) break;
        bottom += m_RowHeights[r];
        if (wholly && bottom > client.bottom) break;
        maxRow = r;
    }
    int right = GetFixedColumnWidth(), maxCol = tl.col - 1;
    for (int c = tl.col; c < m_nCols; ++c) {
        if (right >= client.right) break;
        right += m_ColWidths[c];
        if (wholly && right > client.right) break;
        maxCol = c;
    }
    return CCellRange{tl.row, tl.col, maxRow, maxCol};
}

bool CGridModel::IsCellVisible(int row, int col, const CRect& client, bool wholly) const {
    if (!IsValid(row, col)) return false;
    CCellRange v = GetVisibleNonFixedCellRange(client, wholly);
    bool rowOk = row < m_nFixedRows || (row >= v.minRow && row <= v.maxRow);
    bool colOk = col < m_nFixedCols || (col >= v.minCol && col <= v.maxCol);
    return rowOk && colOk;
}

int CGridModel::BoundaryAt(POINT pt) const {
    CCellID cell = GetCellFromPt(pt);
    if (!IsValid(cell))
        return 0;
    RECT rc;
    GetCellRect(cell.row, cell.col, &rc);
    int range = m_nResizeCaptureRange;
    if (cell.row < m_nFixedRows && m_bAllowColumnResize) {
        bool nearLeft = pt.x - rc.left < range && cell.col != 0;
        bool nearRight = rc.right - pt.x < range;
        if (nearLeft || nearRight) return 1;
    }
    if (cell.col < m_nFixedCols && m_bAllowRowResize) {
        bool nearTop = pt.y - rc.top < range && cell.row != 0;
        bool nearBottom = rc.bottom - pt.y < range;
        if (nearTop || nearBottom) return 2;
    }
    return 0;
}

void CGridModel::ComputeScrollMax(int clientWidth, int clientHeight) {
    int fixedH = GetFixedRowHeight(), fixedW = GetFixedColumnWidth();
    int visibleH = clientHeight - fixedH, visibleW = clientWidth - fixedW;
    int restH = GetVirtualHeight() - fixedH, restW = GetVirtualWidth() - fixedW;
    m_nVScrollMax = (m_bAllowVertScroll && restH > visibleH && visibleH > 0) ? restH - 1 : 0;
    m_nHScrollMax = (m_bAllowHorzScroll && restW > visibleW && visibleW > 0) ? restW - 1 : 0;
    m_nVScrollPage = visibleH > 0 ? visibleH : 0;
    m_nHScrollPage = visibleW > 0 ? visibleW : 0;
    // A position beyond the new end is pulled back to a whole line.
    if (m_nVScrollPos > ScrollLimit(true)) ScrollTo(true, m_nVScrollPos);
    if (m_nHScrollPos > ScrollLimit(false)) ScrollTo(false, m_nHScrollPos);
}

int CGridModel::ScrollLimit(bool vertical) const {
    int maxPos = vertical ? m_nVScrollMax : m_nHScrollMax;
    int page = vertical ? m_nVScrollPage : m_nHScrollPage;
    // The view stops where the last line reaches the bottom (right) edge.
    if (maxPos > 0 && page > 0) maxPos = maxPos - page + 1;
    return maxPos < 0 ? 0 : maxPos;
}

void CGridModel::ScrollTo(bool vertical, int pos) {
    int maxPos = ScrollLimit(vertical);
    if (pos > maxPos) pos = maxPos;
    if (pos < 0) pos = 0;
    (vertical ? m_nVScrollPos : m_nHScrollPos) = pos;
}

bool CGridModel::ScrollLine(bool vertical, bool forward) {
    CCellID tl = GetTopleftNonFixedCell();
    int& pos = vertical ? m_nVScrollPos : m_nHScrollPos;
    int old = pos;
    if (forward) {
        int idx = vertical ? tl.row : tl.col;
        int size = vertical ? GetRowHeight(idx) : GetColumnWidth(idx);
        int maxPos = ScrollLimit(vertical);
        if (size > 0 && pos < maxPos) pos = std::min(pos + size, maxPos);
    } else {
        int idx = (vertical ? tl.row : tl.col) - 1;
        int first = vertical ? m_nFixedRows : m_nFixedCols;
        if (idx >= first) {
            int size = vertical ? GetRowHeight(idx) : GetColumnWidth(idx);
            pos = std::max(pos - size, 0);
        }
    }
    return pos != old;
}

bool CGridModel::ScrollPage(bool vertical, bool forward, int clientWidth, int clientHeight) {
    int page = vertical ? clientHeight - GetFixedRowHeight() : clientWidth - GetFixedColumnWidth();
    int& pos = vertical ? m_nVScrollPos : m_nHScrollPos;
    int old = pos;
    if (page < 1) page = 1;
    ScrollTo(vertical, pos + (forward ? page : -page));
    return pos != old;
}

void CGridModel::ScrollIntoView(int row, int col, const CRect& client) {
    // Bounded: every step moves a whole line or stops.
    for (int guard = 0; guard < m_nRows + m_nCols + 2 && IsValid(row, col); ++guard) {
        CCellRange v = GetVisibleNonFixedCellRange(client, true);
        bool moved = false;
        if (row >= m_nFixedRows && row < v.minRow) moved = ScrollLine(true, false);
        else if (row >= m_nFixedRows && row > v.maxRow && v.maxRow >= v.minRow - 1) moved = ScrollLine(true, true);
        if (!moved) {
            if (col >= m_nFixedCols && col < v.minCol) moved = ScrollLine(false, false);
            else if (col >= m_nFixedCols && col > v.maxCol) moved = ScrollLine(false, true);
        }
        if (!moved) break;
    }
}

// ---- Input ------------------------------------------------------------------

void CGridModel::OnMouseHover(POINT pt) {
    m_LastMousePoint = pt;
    int b = BoundaryAt(pt);
    m_MouseMode = b == 1 ? MOUSE_OVER_COL_DIVIDE : b == 2 ? MOUSE_OVER_ROW_DIVIDE : MOUSE_NOTHING;
}

void CGridModel::OnLButtonDown(POINT pt, bool shift, bool ctrl) {
    m_LeftClickDownPoint = pt;
    m_LeftClickDownCell = GetCellFromPt(pt);
    if (!IsValid(m_LeftClickDownCell))
        return;
    m_SelectionStartCell = shift ? m_idCurrentCell : m_LeftClickDownCell;
    CCellID cell = m_LeftClickDownCell;
    if (cell != m_idCurrentCell && m_MouseMode != MOUSE_OVER_ROW_DIVIDE && m_MouseMode != MOUSE_OVER_COL_DIVIDE &&
        cell.row >= m_nFixedRows && m_nCols > m_nFixedCols) {
        SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    }
    if (m_MouseMode == MOUSE_NOTHING) {
        int b = BoundaryAt(pt);
        if (b == 1) m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        else if (b == 2) m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
    }
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
        RECT rc;
        GetCellRect(cell.row, cell.col, &rc);
        m_nSizingIndex = (pt.x - rc.left < m_nResizeCaptureRange && cell.col > 0) ? cell.col - 1 : cell.col;
        m_MouseMode = MOUSE_SIZING_COL;
        return;
    }
    if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
        RECT rc;
        GetCellRect(cell.row, cell.col, &rc);
        m_nSizingIndex = (pt.y - rc.top < m_nResizeCaptureRange && cell.row > 0) ? cell.row - 1 : cell.row;
        m_MouseMode = MOUSE_SIZING_ROW;
        return;
    }
    m_PrevSelectedCellMap.clear();
    if (ctrl)
        m_PrevSelectedCellMap = m_SelectedCellMap;
    if (cell.row < m_nFixedRows) {
        OnFixedRowClick(cell);
    } else if (cell.col < m_nFixedCols) {
        OnFixedColumnClick(cell);
    } else {
        m_MouseMode = MOUSE_SELECT_ROW;
        OnSelecting(cell);
    }
}

void CGridModel::OnLButtonUp(bool right) {
    m_MouseMode = MOUSE_NOTHING;
    m_nSizingIndex = -1;
    if (IsValid(m_LeftClickDownCell))
        SendCommandToOwner();
    if (right) {
        PostToOwner(GVM_RBUTTONUP,
                    ((WPARAM)(m_idCurrentCell.row & 0xFFFF) << 16) | (WPARAM)(m_idCurrentCell.col & 0xFFFF),
                    GetGridId());
    }
}

void CGridModel::OnLButtonDblClk(POINT pt) {
    if (m_MouseMode != MOUSE_NOTHING)
        return;  // boundaries are fitted by the window, which can measure
    CCellID cell = GetCellFromPt(pt);
    if (!IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return;
    CCellID focus = m_idCurrentCell;
    OnEditCell(focus.row, focus.col, 1);
    PostToOwner(GVM_DBLCLICK, ((WPARAM)(focus.col & 0xFFFF) << 16) | (WPARAM)(focus.row & 0xFFFF), GetGridId());
}

void CGridModel::OnFixedRowClick(CCellID& cell) {
    if (!IsValid(cell))
        return;
    if (!m_bListMode) {
        m_MouseMode = MOUSE_NOTHING;
        if (cell.col < m_nFixedCols)
            OnSelecting(cell);
        else
            PostToOwner(GVM_HEADERCLICK, (WPARAM)cell.col, GetGridId());
        return;
    }
    if (!m_bSortOnClick)
        return;
    if (cell.col == m_nSortColumn) {
        m_bAscending = !m_bAscending;
    } else {
        m_nSortColumn = cell.col;
        m_bAscending = TRUE;
    }
    SortItems(cell.col, m_bAscending != 0);
}

void CGridModel::OnFixedColumnClick(CCellID& cell) {
    if (!IsValid(cell))
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

void CGridModel::MoveFocusTo(CCellID next, bool shift, bool tab) {
    if (!IsValid(next) || next == m_idCurrentCell || m_MouseMode != MOUSE_NOTHING)
        return;
    m_PrevSelectedCellMap.clear();
    if (!shift || tab)
        m_SelectionStartCell = next;
    OnSelecting(next);  // mode 0: only the report
    SetFocusCell(next);
    SelectRows(m_SelectionStartCell.row, next.row);
    EnsureCellVisible(next.row, next.col);
    RedrawAll();
}

bool CGridModel::OnKeyDown(UINT key, bool shift, bool ctrl, const CRect& client) {
    CCellID cur = m_idCurrentCell;
    if (!IsValid(cur))
        return key != VK_TAB;
    if (ctrl && key == 'A') {
        SelectAllCells();
        RedrawAll();
        return true;
    }
    CCellID next = cur;
    bool tab = false;
    switch (key) {
    case VK_DELETE:
        if (HasOwner()) {
            PostToOwner(GVM_DELETEKEY, (WPARAM)cur.row, (LPARAM)cur.col);
        } else if (IsCellEditable(cur.row, cur.col)) {
            NotifyOwner(GVN_BEGINEDIT, cur.row, cur.col);
            SetItemText(cur.row, cur.col, _T(""));
            GetCell(cur.row, cur.col)->state |= GVIS_MODIFIED;
            m_bModified = TRUE;
            NotifyOwner(GVN_ENDEDIT, cur.row, cur.col);
            RedrawCellHook(cur.row, cur.col);
        }
        return true;
    case VK_DOWN:
        if (next.row < m_nRows - 1) ++next.row;
        break;
    case VK_UP:
        if (next.row > m_nFixedRows) --next.row;
        break;
    case VK_RIGHT:
        if (next.col < m_nCols - 1) ++next.col;
        break;
    case VK_LEFT:
        if (next.col > m_nFixedCols) --next.col;
        break;
    case VK_TAB:
        if (!m_bHandleTabKey) return false;
        tab = true;
        if (shift) {
            if (next.col > m_nFixedCols) --next.col;
            else if (next.row > m_nFixedRows) { --next.row; next.col = m_nCols - 1; }
            else return false;
        } else {
            if (next.col < m_nCols - 1) ++next.col;
            else if (next.row < m_nRows - 1) { ++next.row; next.col = m_nFixedCols; }
            else return false;
        }
        break;
    case VK_NEXT:
    case VK_PRIOR: {
        CCellID before = GetTopleftNonFixedCell();
        ScrollPage(true, key == VK_NEXT, client.Width(), client.Height());
        CCellID after = GetTopleftNonFixedCell();
        int moved = after.row - before.row;
        if (moved != 0) next.row = std::min(std::max(cur.row + moved, m_nFixedRows), m_nRows - 1);
        else next.row = key == VK_NEXT ? m_nRows - 1 : m_nFixedRows;
        break;
    }
    case VK_HOME:
        ScrollTo(true, 0);
        next.row = m_nFixedRows;
        break;
    case VK_END:
        ScrollTo(true, ScrollLimit(true));
        next.row = m_nRows - 1;
        break;
    default:
        return true;
    }
    MoveFocusTo(next, shift, tab);
    return true;
}

void CGridModel::OnChar(UINT ch, bool ctrl) {
    if (ctrl || m_MouseMode != MOUSE_NOTHING)
        return;
    if (ch == VK_TAB && m_bHandleTabKey)
        return;
    if (IsValid(m_idCurrentCell))
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, ch);
}

void CGridModel::OnEditCell(int row, int col, UINT key) {
    EnsureCellVisible(row, col);
    if (IsCellEditable(row, col) && CellIsVisibleForEdit(row, col)) {
        NotifyOwner(GVN_BEGINEDIT, row, col);
        const CGridCell* c = GetCell(row, col);
        StartInPlaceEdit(row, col, c->szText, c->nFormat, key);
    } else if (key == VK_SPACE) {
        PostToOwner(GVM_READONLYSPACE, 32, GetGridId());
    }
}

void CGridModel::OnEndEditCell(int row, int col, const CString& text) {
    CGridCell* c = GetCell(row, col);
    if (!c) return;
    if (c->szText.Compare(text) != 0) {
        c->szText = text;
        c->state |= GVIS_MODIFIED;
        m_bModified = TRUE;
    }
}

void CGridModel::OnEndInPlaceEdit(int row, int col, const CString& text, UINT lastKey, const CRect& client) {
    OnEndEditCell(row, col, text);
    RedrawCellHook(row, col);
    NotifyOwner(GVN_ENDEDIT, row, col);
    if (lastKey == VK_TAB || (lastKey >= VK_PRIOR && lastKey <= VK_DOWN))
        ContinueEditLater(lastKey, (GetKeyState(VK_SHIFT) & 0x8000) != 0, client);
}

void CGridModel::ContinueEdit(UINT lastKey, bool shift, const CRect& client) {
    CCellID before = m_idCurrentCell;
    OnKeyDown(lastKey, shift, false, client);
    if (m_idCurrentCell != before && IsValid(m_idCurrentCell))
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, lastKey);
}

int CGridModel::AutoSizeColumn(int col, const std::function<SIZE(int, int)>& measure, int imageWidth) {
    if (col < 0 || col >= m_nCols) return -1;
    int width = 0;
    for (int r = 0; r < m_nRows; ++r) {
        SIZE s = measure(r, col);
        int w = s.cx + 4 * m_nMargin + (m_Rows[r][col].iImage >= 0 ? imageWidth : 0);
        width = std::max(width, w);
    }
    m_ColWidths[col] = width;
    return width;
}

int CGridModel::AutoSizeRow(int row, const std::function<SIZE(int, int)>& measure, int imageHeight) {
    if (row < 0 || row >= m_nRows) return -1;
    int height = 0;
    for (int c = 0; c < m_nCols; ++c) {
        SIZE s = measure(row, c);
        int h = s.cy + 2 * m_nMargin;
        if (m_Rows[row][c].iImage >= 0 && imageHeight > h) h = imageHeight;
        height = std::max(height, h);
    }
    m_RowHeights[row] = height;
    return height;
}
