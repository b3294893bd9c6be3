// The control wrappers on real controls: each one round-trips what the
// program stores in it.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Controls", WS_OVERLAPPED | WS_CLIPCHILDREN, 0, 0, 400, 300, nullptr,
                                    nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }
    CWnd parent;
    const CRect rect = CRect(0, 0, 200, 100);
};

class CDrawnList : public CListBox {
public:
    int drawn = 0;
    int measured = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        ++measured;
        mis->itemHeight = 20;
    }
};

TEST_F(ControlsTest, ButtonsEditsAndStatics) {
    CButton check;
    ASSERT_TRUE(check.Create(L"Check", WS_CHILD | BS_AUTOCHECKBOX, rect, &parent, 10));
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(check.GetButtonStyle() & 0x0F, (UINT)BS_AUTOCHECKBOX);

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_MULTILINE, rect, &parent, 11));
    edit.SetWindowText(L"one\r\ntwo");
    EXPECT_EQ(edit.GetLineCount(), 2);
    EXPECT_EQ(edit.LineIndex(1), 5);
    edit.SetSel(0, 3);
    edit.ReplaceSel(L"ONE");
    EXPECT_EQ(edit.GetWindowText(), L"ONE\r\ntwo");
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 3);

    CStatic label;
    ASSERT_TRUE(label.Create(L"Label", WS_CHILD, rect, &parent));
    EXPECT_EQ(label.GetWindowText(), L"Label");
}

TEST_F(ControlsTest, ListAndComboBoxes) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, rect, &parent, 20));
    EXPECT_EQ(combo.AddString(L"alpha"), 0);
    EXPECT_EQ(combo.AddString(L"beta"), 1);
    combo.SetItemData(1, 99);
    EXPECT_EQ(combo.SelectString(-1, L"be"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetLBText(1), L"beta");
    EXPECT_EQ(combo.GetItemData(1), 99u);
    EXPECT_EQ(combo.FindStringExact(-1, L"alpha"), 0);

    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_NOTIFY, rect, &parent, 21));
    list.AddString(L"x");
    list.InsertString(0, L"first");
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetText(0), L"first");
    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);

    // An owner-drawn list box measures and draws through its own object.
    CDrawnList drawn;
    ASSERT_TRUE(drawn.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, rect, &parent, 22));
    drawn.AddString(L"item");
    EXPECT_EQ(drawn.measured, 1);
    EXPECT_EQ(drawn.GetItemHeight(0), 20);
    HDC dc = ::GetDC(drawn.m_hWnd);
    DRAWITEMSTRUCT dis = {ODT_LISTBOX, 22, 0, ODA_DRAWENTIRE, 0, drawn.m_hWnd, dc, {0, 0, 10, 10}, 0};
    parent.SendMessage(WM_DRAWITEM, 22, (LPARAM)&dis);
    ::ReleaseDC(drawn.m_hWnd, dc);
    EXPECT_GE(drawn.drawn, 1);
}

TEST_F(ControlsTest, ListAndTreeViews) {
    CListCtrl listView;
    ASSERT_TRUE(listView.Create(WS_CHILD | LVS_REPORT, rect, &parent, 30));
    listView.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    EXPECT_EQ(listView.InsertColumn(0, L"Name", LVCFMT_LEFT, 80), 0);
    EXPECT_EQ(listView.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60), 1);
    EXPECT_EQ(listView.InsertItem(0, L"a.txt"), 0);
    EXPECT_EQ(listView.InsertItem(1, L"b.txt"), 1);
    listView.SetItemText(1, 1, L"12 KB");
    listView.SetItemData(1, 1234);
    EXPECT_EQ(listView.GetItemText(1, 0), L"b.txt");
    EXPECT_EQ(listView.GetItemText(1, 1), L"12 KB");
    EXPECT_EQ(listView.GetItemData(1), 1234u);
    listView.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    POSITION pos = listView.GetFirstSelectedItemPosition();
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(listView.GetNextSelectedItem(pos), 1);
    EXPECT_EQ(pos, nullptr);
    listView.SetCheck(0, TRUE);
    EXPECT_TRUE(listView.GetCheck(0));
    EXPECT_FALSE(listView.GetCheck(1));

    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_HASLINES, rect, &parent, 31));
    HTREEITEM root = tree.InsertItem(L"root");
    HTREEITEM child = tree.InsertItem(L"child", root);
    tree.SetItemData(child, 7);
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), child);
    EXPECT_EQ(tree.GetParentItem(child), root);
    EXPECT_EQ(tree.GetItemText(child), L"child");
    EXPECT_EQ(tree.GetItemData(child), 7u);
    EXPECT_EQ(tree.GetCount(), 2u);
    EXPECT_TRUE(tree.SetItemText(child, L"renamed"));
    EXPECT_EQ(tree.GetItemText(child), L"renamed");
}

TEST_F(ControlsTest, BarsTabsAndDates) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD, rect, &parent, 40));
    slider.SetRange(0, 255);
    slider.SetPos(300);  // clamped by the control
    EXPECT_EQ(slider.GetPos(), 255);

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD, rect, &parent, 41));
    progress.SetRange32(0, 1000);
    progress.SetPos(250);
    EXPECT_EQ(progress.GetPos(), 250);

    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD, rect, &parent, 42));
    tabs.InsertItem(0, L"One");
    tabs.InsertItem(1, L"Two");
    tabs.SetCurSel(1);
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetCurSel(), 1);

    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | DTS_SHORTDATEFORMAT, rect, &parent, 43));
    CTime when(2024, 3, 9, 0, 0, 0);
    ASSERT_TRUE(picker.SetTime(when));
    CTime back;
    EXPECT_EQ(picker.GetTime(back), (DWORD)GDT_VALID);
    EXPECT_EQ(back.GetYear(), 2024);
    EXPECT_EQ(back.GetMonth(), 3);
    EXPECT_EQ(back.GetDay(), 9);

    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_CHILD, rect, &parent, 44));
    ASSERT_TRUE(calendar.SetCurSel(when));
    CTime selected;
    ASSERT_TRUE(calendar.GetCurSel(selected));
    EXPECT_EQ(selected.GetDay(), 9);

    // A range with only one end sets only that end.
    SYSTEMTIME low = {2020, 1, 0, 2, 0, 0, 0, 0}, high = {2030, 12, 0, 31, 0, 0, 0, 0};
    SYSTEMTIME range[2] = {};
    ASSERT_TRUE(picker.SetRange(&low, nullptr));
    EXPECT_EQ(picker.GetRange(range), (DWORD)GDTR_MIN);
    EXPECT_EQ(range[0].wYear, 2020);
    ASSERT_TRUE(calendar.SetRange(nullptr, &high));
    EXPECT_EQ(calendar.SendMessage(MCM_GETRANGE, 0, (LPARAM)range), (LRESULT)GDTR_MAX);
    EXPECT_EQ(range[1].wYear, 2030);
}

TEST_F(ControlsTest, RichEditStreamsRtfAndText) {
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | ES_MULTILINE, rect, &parent, 50));
    rich.StreamInBytes(SF_RTF, "{\\rtf1\\ansi {\\b Bold} text}");
    EXPECT_EQ(rich.GetWindowText(), L"Bold text");
    rich.SetSel(0, 4);
    EXPECT_EQ(rich.GetSelText(), L"Bold");
    CHARFORMAT2W cf = {};
    cf.dwMask = CFM_BOLD;
    rich.GetSelectionCharFormat(cf);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    CStringA rtf = rich.StreamOutBytes(SF_RTF);
    EXPECT_EQ(rtf.Left(5), "{\\rtf");
    EXPECT_NE(rtf.Find("Bold"), -1);
    EXPECT_EQ(rich.StreamOutBytes(SF_TEXT), "Bold text");
}

TEST_F(ControlsTest, ImageListsAndToolTips) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    CClientDC screen(nullptr);
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&screen, 32, 16));
    EXPECT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);  // the strip is cut into 16-pixel images
    int cx = 0, cy = 0;
    images.GetIconSize(cx, cy);
    EXPECT_EQ(cx, 16);

    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent));
    ASSERT_TRUE(tip.AddTool(&parent, L"Tip text", CRect(0, 0, 50, 50), 1));
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.UpdateTipText(L"New text", &parent, 1);
    TTTOOLINFOW info;
    wchar_t text[80] = {};
    tip.GetToolInfo(info, &parent, 1);
    info.lpszText = text;
    tip.SendMessage(TTM_GETTEXTW, 80, (LPARAM)&info);
    EXPECT_STREQ(text, L"New text");
    tip.DestroyWindow();
}

}  // namespace
