#include "ui/GridModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A grid model that records what it would tell its owner.
class TestGrid : public CGridModel {
public:
    TestGrid(int rows, int cols, int fixedRows, int fixedCols) {
        SetRowCount(rows);
        SetColumnCount(cols);
        SetFixedRowCount(fixedRows);
        SetFixedColumnCount(fixedCols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                CString s;
                s.Format(_T("r%dc%d"), r, c);
                SetItemText(r, c, s);
            }
    }
    // Top-left point of a cell, one pixel in.
    CPoint At(int row, int col) {
        RECT rc;
        GetCellRect(row, col, &rc);
        return CPoint(rc.left + 5, rc.top + 5);
    }
    std::vector<Posted> posted;
    std::vector<std::pair<int, CCellID>> notes;
    int commands = 0;
    int editsStarted = 0;
    UINT editKey = 0;
    bool owner = true;

protected:
    void PostToOwner(UINT m, WPARAM w, LPARAM l) override { posted.push_back({m, w, l}); }
    void NotifyOwner(int code, int row, int col) override { notes.push_back({code, CCellID(row, col)}); }
    void SendCommandToOwner() override { ++commands; }
    bool HasOwner() const override { return owner; }
    UINT GetGridId() const override { return 77; }
    bool StartInPlaceEdit(int, int, const CString&, UINT, UINT key) override {
        ++editsStarted;
        editKey = key;
        return true;
    }
};

const CRect kClient(0, 0, 400, 300);

}  // namespace

TEST(GridModel, ClickSelectsTheRowAndPostsRowAndColumn) {
    TestGrid g(6, 4, 1, 1);
    g.OnLButtonDown(g.At(3, 2), false, false);
    g.OnLButtonUp(false);
    for (int c = 1; c < 4; ++c) EXPECT_TRUE(g.IsCellSelected(3, c)) << c;
    EXPECT_FALSE(g.IsCellSelected(3, 0));
    EXPECT_EQ(CCellID(3, 2), g.GetFocusCell());
    ASSERT_FALSE(g.posted.empty());
    EXPECT_EQ((UINT)GVM_ROWSELECTED, g.posted.back().message);
    EXPECT_EQ((WPARAM)((3 << 16) | 2), g.posted.back().wParam);
    EXPECT_EQ(77, g.posted.back().lParam);
    EXPECT_EQ(1, g.commands);
    // Focus notifications: gained for the new cell.
    ASSERT_FALSE(g.notes.empty());
    EXPECT_EQ(GVN_FOCUSGAINED, g.notes.back().first);

    // A second click on the focus cell selects again and reports again, no editor.
    g.posted.clear();
    g.OnLButtonDown(g.At(3, 2), false, false);
    g.OnLButtonUp(false);
    EXPECT_EQ((UINT)GVM_ROWSELECTED, g.posted.back().message);
    EXPECT_EQ(0, g.editsStarted);
}

TEST(GridModel, ShiftClickSelectsTheRowsBetween) {
    TestGrid g(8, 3, 1, 0);
    g.OnLButtonDown(g.At(2, 1), false, false);
    g.OnLButtonUp(false);
    g.OnLButtonDown(g.At(5, 0), true, false);
    g.OnLButtonUp(false);
    for (int r = 1; r < 8; ++r) EXPECT_EQ(r >= 2 && r <= 5, g.IsRowSelected(r)) << r;
    CCellRange range = g.GetSelectedCellRange();
    EXPECT_EQ(2, range.minRow);
    EXPECT_EQ(5, range.maxRow);
    EXPECT_EQ(0, range.minCol);
    EXPECT_EQ(2, range.maxCol);
}

TEST(GridModel, ListModeSingleSelectionKeepsOneRow) {
    TestGrid g(8, 3, 1, 0);
    g.m_bListMode = TRUE;
    g.m_bSingleSelection = TRUE;
    g.OnLButtonDown(g.At(2, 1), false, false);
    g.OnLButtonUp(false);
    g.OnLButtonDown(g.At(5, 1), true, true);
    g.OnLButtonUp(false);
    for (int r = 1; r < 8; ++r) EXPECT_EQ(r == 5, g.IsRowSelected(r)) << r;
}

TEST(GridModel, HeaderClickSortsAscendingThenDescending) {
    TestGrid g(5, 2, 1, 0);
    g.m_bListMode = TRUE;
    const wchar_t* names[] = {L"pear", L"Apple", L"apple", L"fig"};
    for (int i = 0; i < 4; ++i) g.SetItemText(i + 1, 0, names[i]);
    EXPECT_EQ(-1, g.GetSortColumn());
    g.OnLButtonDown(g.At(0, 0), false, false);
    g.OnLButtonUp(false);
    EXPECT_EQ(0, g.GetSortColumn());
    EXPECT_TRUE(g.GetSortAscending());
    // By UTF-16 units: capitals before small letters.
    const wchar_t* asc[] = {L"Apple", L"apple", L"fig", L"pear"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CString(asc[i]), g.GetItemText(i + 1, 0));
    EXPECT_EQ(CString(_T("r0c0")), g.GetItemText(0, 0));  // the header stays
    g.OnLButtonDown(g.At(0, 0), false, false);
    g.OnLButtonUp(false);
    EXPECT_FALSE(g.GetSortAscending());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CString(asc[3 - i]), g.GetItemText(i + 1, 0));
    EXPECT_EQ(0, g.GetSelectedCount());
}

TEST(GridModel, SortMovesWholeRows) {
    TestGrid g(5, 2, 1, 0);
    const wchar_t* keys[] = {L"d", L"b", L"a", L"c"};
    for (int i = 0; i < 4; ++i) {
        g.SetItemText(i + 1, 0, keys[i]);
        g.SetItemIndex(i + 1, 1, 100 + i);
        g.SetRowHeight(i + 1, 20 + i);
    }
    g.SortItems(0, true);
    EXPECT_EQ(CString(_T("a")), g.GetItemText(1, 0));
    EXPECT_EQ(102, g.GetItemIndex(1, 1));
    EXPECT_EQ(22, g.GetRowHeight(1));
    EXPECT_EQ(CString(_T("d")), g.GetItemText(4, 0));
    EXPECT_EQ(100, g.GetItemIndex(4, 1));
}

TEST(GridModel, HeaderClickOutsideListModePostsTheColumn) {
    TestGrid g(4, 3, 1, 1);
    g.OnLButtonDown(g.At(0, 2), false, false);
    ASSERT_FALSE(g.posted.empty());
    EXPECT_EQ((UINT)GVM_HEADERCLICK, g.posted.back().message);
    EXPECT_EQ(2u, g.posted.back().wParam);
    EXPECT_EQ(-1, g.GetSortColumn());
}

TEST(GridModel, DeleteAndSpaceOnReadOnlyCells) {
    TestGrid g(4, 3, 1, 0);
    g.SetFocusCell(2, 1);
    g.OnKeyDown(VK_DELETE, false, false, kClient);
    ASSERT_EQ(1u, g.posted.size());
    EXPECT_EQ((UINT)GVM_DELETEKEY, g.posted[0].message);
    EXPECT_EQ(2u, g.posted[0].wParam);
    EXPECT_EQ(1, g.posted[0].lParam);
    EXPECT_EQ(CString(_T("r2c1")), g.GetItemText(2, 1));

    g.owner = false;  // without an owner the grid clears the cell itself
    g.OnKeyDown(VK_DELETE, false, false, kClient);
    EXPECT_EQ(CString(), g.GetItemText(2, 1));
    EXPECT_TRUE(g.GetItemState(2, 1) & GVIS_MODIFIED);
    EXPECT_TRUE(g.m_bModified);

    g.posted.clear();
    g.SetItemState(2, 1, g.GetItemState(2, 1) | GVIS_READONLY);
    g.OnChar(' ', false);
    EXPECT_EQ(0, g.editsStarted);
    ASSERT_EQ(1u, g.posted.size());
    EXPECT_EQ((UINT)GVM_READONLYSPACE, g.posted[0].message);
    EXPECT_EQ(32u, g.posted[0].wParam);

    g.SetFocusCell(3, 1);
    g.OnChar('x', false);
    EXPECT_EQ(1, g.editsStarted);
    EXPECT_EQ((UINT)'x', g.editKey);
}

TEST(GridModel, KeysMoveTheFocusWithinTheNormalCells) {
    TestGrid g(4, 3, 1, 1);
    g.SetFocusCell(1, 1);
    struct Step { UINT key; bool shift; int row, col; } steps[] = {
        {VK_UP, false, 1, 1},     // not into the header
        {VK_LEFT, false, 1, 1},   // not into the fixed column
        {VK_RIGHT, false, 1, 2},
        {VK_RIGHT, false, 1, 2},  // not past the last column
        {VK_TAB, false, 2, 1},    // wraps to the next row
        {VK_TAB, true, 1, 2},     // Shift+Tab wraps back
        {VK_DOWN, false, 2, 2},
        {VK_END, false, 3, 2},
        {VK_HOME, false, 1, 2},
    };
    for (const Step& s : steps) {
        g.OnKeyDown(s.key, s.shift, false, kClient);
        EXPECT_EQ(CCellID(s.row, s.col), g.GetFocusCell()) << s.key;
    }
    g.SetFocusCell(3, 2);
    EXPECT_FALSE(g.OnKeyDown(VK_TAB, false, false, kClient));  // handed on at the end
}

TEST(GridModel, EndOfEditStoresChangedText) {
    TestGrid g(4, 3, 1, 0);
    g.SetFocusCell(1, 0);
    g.OnEndInPlaceEdit(1, 0, _T("r1c0"), VK_ESCAPE, kClient);
    EXPECT_FALSE(g.GetItemState(1, 0) & GVIS_MODIFIED);
    EXPECT_FALSE(g.m_bModified);
    g.OnEndInPlaceEdit(1, 0, _T("new"), VK_RETURN, kClient);
    EXPECT_EQ(CString(_T("new")), g.GetItemText(1, 0));
    EXPECT_TRUE(g.GetItemState(1, 0) & GVIS_MODIFIED);
    EXPECT_EQ(GVN_ENDEDIT, g.notes.back().first);
    // Tab ends the edit and carries on in the next cell.
    g.OnEndInPlaceEdit(1, 0, _T("new"), VK_TAB, kClient);
    EXPECT_EQ(CCellID(1, 1), g.GetFocusCell());
    EXPECT_EQ(1, g.editsStarted);
    EXPECT_EQ((UINT)VK_TAB, g.editKey);
}

TEST(GridModel, DoubleClickEditsTheFocusCellAndReports) {
    TestGrid g(4, 3, 1, 0);
    g.OnLButtonDown(g.At(2, 1), false, false);
    g.OnLButtonUp(false);
    g.posted.clear();
    g.OnLButtonDblClk(g.At(2, 1));
    EXPECT_EQ(1, g.editsStarted);
    EXPECT_EQ(1u, g.editKey);
    ASSERT_EQ(1u, g.posted.size());
    EXPECT_EQ((UINT)GVM_DBLCLICK, g.posted[0].message);
    EXPECT_EQ((WPARAM)((1 << 16) | 2), g.posted[0].wParam);
}

TEST(GridModel, CountsAndSizes) {
    TestGrid g(5, 4, 3, 2);
    g.SetRowCount(2);
    EXPECT_EQ(2, g.GetFixedRowCount());
    g.SetColumnCount(1);
    EXPECT_EQ(1, g.GetFixedColumnCount());
    EXPECT_FALSE(g.SetColumnWidth(5, 10));
    EXPECT_FALSE(g.SetRowHeight(0, -1));
    EXPECT_EQ(-1, g.GetColumnWidth(9));
    EXPECT_EQ(-1, g.GetRowHeight(-1));
    EXPECT_FALSE(g.SetItemText(9, 0, _T("x")));
    EXPECT_EQ(-1, g.GetItemImage(9, 0));
    EXPECT_EQ(-1, g.GetItemIndex(0, 9));
    CGridItem item;
    item.row = 9;
    EXPECT_FALSE(g.GetItem(&item));
    g.SetRowCount(4);
    EXPECT_EQ(CString(), g.GetItemText(3, 0)) << "rows removed and added again are new";
    g.SetItemText(3, 0, _T("r3c0"));
    g.SetItemFormat(3, 0, DT_RIGHT);
    g.SetRowCount(6);
    EXPECT_EQ((UINT)DT_RIGHT, g.GetItemFormat(5, 0) & DT_RIGHT) << "new rows copy the format above";
    item.row = 3;
    item.col = 0;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    ASSERT_TRUE(g.GetItem(&item));
    EXPECT_EQ(CString(_T("r3c0")), item.szText);
    EXPECT_EQ((UINT)DT_RIGHT, item.nFormat);
    CCellRange none = g.GetSelectedCellRange();
    EXPECT_EQ(6, none.minRow);
    EXPECT_EQ(-1, none.maxRow);
}

TEST(GridModel, GeometryAndScrolling) {
    TestGrid g(30, 3, 1, 1);  // rows of 20, columns of 30
    RECT rc;
    ASSERT_TRUE(g.GetCellRect(2, 1, &rc));
    EXPECT_EQ(30, rc.left);
    EXPECT_EQ(40, rc.top);
    EXPECT_EQ(59, rc.right);
    EXPECT_EQ(59, rc.bottom);
    EXPECT_EQ(CCellID(2, 1), g.GetCellFromPt(CPoint(45, 45)));
    EXPECT_FALSE(g.GetCellFromPt(CPoint(500, 45)).IsValid());
    g.ComputeScrollMax(200, 100);
    EXPECT_EQ(580 - 1, g.m_nVScrollMax);
    EXPECT_EQ(0, g.m_nHScrollMax);
    EXPECT_TRUE(g.ScrollLine(true, true));
    EXPECT_EQ(CCellID(2, 1), g.GetTopleftNonFixedCell());
    ASSERT_TRUE(g.GetCellRect(2, 1, &rc));
    EXPECT_EQ(20, rc.top);  // right below the header
    EXPECT_TRUE(g.ScrollLine(true, false));
    EXPECT_FALSE(g.ScrollLine(true, false));
    g.ScrollIntoView(20, 1, CRect(0, 0, 200, 100));
    EXPECT_TRUE(g.IsCellVisible(20, 1, CRect(0, 0, 200, 100)));
}

TEST(GridModel, BoundariesInTheHeader) {
    TestGrid g(4, 3, 1, 1);
    EXPECT_EQ(1, g.BoundaryAt(CPoint(58, 5)));   // right edge of column 1 (x 30-59)
    EXPECT_EQ(1, g.BoundaryAt(CPoint(61, 5)));   // left edge of column 2
    EXPECT_EQ(0, g.BoundaryAt(CPoint(1, 5)));    // not the leading edge of column 0
    EXPECT_EQ(0, g.BoundaryAt(CPoint(45, 5)));
    EXPECT_EQ(2, g.BoundaryAt(CPoint(10, 38)));  // a row boundary in the fixed column
    EXPECT_EQ(0, g.BoundaryAt(CPoint(45, 38)));  // not in normal cells
    g.OnMouseHover(CPoint(61, 5));
    EXPECT_EQ(CGridModel::MOUSE_OVER_COL_DIVIDE, g.m_MouseMode);
    g.OnLButtonDown(CPoint(61, 5), false, false);
    EXPECT_EQ(CGridModel::MOUSE_SIZING_COL, g.m_MouseMode);
    EXPECT_EQ(1, g.SizingIndex());  // near the left edge: the column before
    g.OnLButtonUp(false);
    EXPECT_EQ(CGridModel::MOUSE_NOTHING, g.m_MouseMode);
}

TEST(GridModel, AutoSizeColumnFitsTheWidestText) {
    TestGrid g(3, 2, 1, 0);
    g.m_nMargin = 3;
    g.SetItemText(2, 1, _T("a much longer text"));
    int w = g.AutoSizeColumn(1, [&](int r, int c) { return SIZE{g.GetItemText(r, c).GetLength() * 6, 12}; });
    EXPECT_EQ(18 * 6 + 12, w);
    EXPECT_EQ(w, g.GetColumnWidth(1));
}
