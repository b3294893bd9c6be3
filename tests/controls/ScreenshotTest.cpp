// A window holding one of each control, drawn and saved as a picture
// (controls.png in the build folder) to show what a user sees.
#include "ControlHost.h"
#include "shell/LanguageTable.h"
#include "ui/BitmapPickerCombo.h"
#include "ui/ButtonEx.h"
#include "ui/ChkButtonEx.h"
#include "ui/ColorPickerCB.h"
#include "ui/ColorStaticST.h"
#include "ui/ControlSettings.h"
#include "ui/DateTimeEditCtrl.h"
#include "ui/FontPreviewCombo.h"
#include "ui/FontStatic.h"
#include "ui/GridCtrl.h"
#include "ui/GroupListBox.h"
#include "ui/HistoryCombo.h"
#include "ui/IconListBox.h"
#include "ui/ShareButtonEx.h"
#include "ui/ShareCheckButton.h"
#include "ui/StateButton.h"
#include "ui/StaticCounter.h"
#include "ui/StaticEx.h"
#include "ui/TextSizeCombo.h"

#include <gtest/gtest.h>

#include <set>

namespace {

HBITMAP Strip(int cells, int cx, int cy, bool magentaCorner = true) {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cells * cx, cy);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (int i = 0; i < cells; ++i) {
        RECT r = {i * cx, 0, (i + 1) * cx, cy};
        HBRUSH b = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(mem, &r, b);
        DeleteObject(b);
        RECT inner = {i * cx + 2, 2, (i + 1) * cx - 2, cy - 2};
        b = CreateSolidBrush(RGB(50 + 60 * i, 120, 220 - 50 * i));
        FillRect(mem, &inner, b);
        DeleteObject(b);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    (void)magentaCorner;
    return bmp;
}

class CScreenWnd : public CWnd {
public:
    CScreenWnd() {
        CreateEx(0, nullptr, L"Zorel controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 820, 560,
                 nullptr, nullptr);
        HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
        SendMessage(WM_SETFONT, (WPARAM)font);
    }
};

}  // namespace

TEST(Screenshot, OneOfEachControl) {
    g_LanguageTable.SetAt(10060, L"Temporary Storage");
    g_ControlSettings.MemoDBFile = L"Work.zrd";
    CScreenWnd wnd;
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    auto setFont = [&](CWnd& w) { w.SendMessage(WM_SETFONT, (WPARAM)font, TRUE); };

    CStaticCounter counter;
    counter.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 160, 40), &wnd, 1);
    counter.m_nPadWidth = 5;
    counter.SetText(L"12:05");

    CButtonEx push;
    push.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(180, 10, 200, 30), &wnd, 2);
    push.SetImageStrip(Strip(4, 20, 20), 20, 20, RGB(255, 0, 255), 255);
    CChkButtonEx check;
    check.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(210, 10, 230, 30), &wnd, 3);
    check.SetImageStrip(Strip(3, 20, 20), 20, 20, RGB(255, 0, 255), 255, 3);
    check.SetCheck(TRUE);
    CShareButtonEx::Strip().Set(Strip(4, 12, 11));
    CShareCheckButton::Strip().Set(Strip(3, 12, 12));
    CShareButtonEx share;
    share.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(240, 10, 252, 21), &wnd, 4);
    CShareCheckButton shareCheck;
    shareCheck.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(260, 10, 272, 22), &wnd, 5);

    CStateButton page;
    page.Create(L"BUTTON", L"Program", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(290, 10, 400, 44), &wnd, 6);
    setFont(page);
    page.SetBitmapHandles(Strip(1, 24, 24), RGB(255, 0, 255), nullptr, 0, CStateButton::BitmapDarker);
    page.OffsetColor(2, 20, FALSE);
    page.SetCheck(TRUE);

    CFontStatic title;
    title.Create(L"STATIC", L"Font static: bold, italic, centred", WS_CHILD | WS_VISIBLE, CRect(410, 10, 800, 40),
                 &wnd, 7);
    title.SetFont(L"Tahoma", 16, RGB(30, 60, 160), 0x01 | 0x02 | 0x20);
    CStaticEx warning;
    warning.Create(L"STATIC", L"Warning text in red on white", WS_CHILD | WS_VISIBLE, CRect(10, 50, 260, 70), &wnd,
                   8);
    setFont(warning);
    warning.SetTextColor(RGB(255, 0, 0));
    warning.SetBkColor(RGB(255, 255, 255));
    CColorStaticST swatch;
    swatch.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(270, 50, 320, 70), &wnd, 9);
    swatch.SetBkColor(RGB(255, 215, 0));

    CColorPickerCB colors;
    colors.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                  CRect(10, 80, 110, 300), &wnd, 10);
    colors.FillColors();
    colors.SelectColor(RGB(0, 147, 0));
    CFontPreviewCombo fonts;
    fonts.Create(L"COMBOBOX", L"",
                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS |
                     CBS_SORT,
                 CRect(120, 80, 300, 300), &wnd, 11);
    fonts.SetPreviewStyle(12, TRUE);
    CTextSizeCombo sizes;
    sizes.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(310, 80, 370, 300), &wnd, 12);
    sizes.SetFontHeight(-12);
    sizes.SendMessage(CB_ADDSTRING, 0, (LPARAM)L"10");
    sizes.SendMessage(CB_SETCURSEL, 0);
    CHistoryCombo history;
    history.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(380, 80, 560, 300), &wnd, 13);
    setFont(history);
    history.AddToHistory(L"notepad.exe");
    CBitmapPickerCombo pictures;
    pictures.Create(L"COMBOBOX", L"",
                    WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
                    CRect(570, 80, 790, 300), &wnd, 14);
    setFont(pictures);
    pictures.AddBitmapFile(L"Z:\\missing.bmp", L"Alarm icon (no picture)");
    pictures.SendMessage(CB_SETCURSEL, 0);

    CGroupListBox groups;
    groups.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(10, 120, 200, 220),
                  &wnd, 15);
    setFont(groups);
    groups.SendMessage(LB_SETITEMDATA, groups.AddString(L"Work.zrd"), 12);
    groups.SendMessage(LB_SETITEMDATA, groups.AddString(L"Home.zrd"), 3);
    groups.SendMessage(LB_SETITEMDATA, groups.AddString(L"RecycleBin.zrr"), 0xFFFF);
    groups.SendMessage(LB_SETCURSEL, 1);
    CIconListBox icons;
    icons.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(210, 120, 380, 220),
                 &wnd, 16);
    setFont(icons);
    icons.AddString(L"First entry");
    icons.AddString(L"Second entry");
    icons.SendMessage(LB_SETCURSEL, 0);

    CDateTimeEditCtrl::SetLocaleFormat(L'-', L"yyyy-MM-dd");
    CDateTimeEditCtrl date;
    date.Create(WS_CHILD | WS_VISIBLE, CRect(400, 120, 560, 142), &wnd, 17);
    SYSTEMTIME st = {};
    st.wYear = 2014;
    st.wMonth = 12;
    st.wDay = 5;
    date.SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);

    CGridCtrl grid(8, 4, 1, 1);
    grid.Create(CRect(10, 240, 560, 520), &wnd, 18);
    grid.m_bListMode = TRUE;
    const wchar_t* heads[] = {L"", L"Title", L"Date", L"Group"};
    for (int c = 0; c < 4; ++c) grid.SetItemTextCentered(0, c, heads[c]);
    for (int r = 1; r < 8; ++r) {
        CString n, t, d;
        n.Format(L"%d", r);
        t.Format(L"Note number %d with a title longer than its cell", r);
        d.Format(L"2014-12-%02d", r + 3);
        grid.SetItemTextCentered(r, 0, n);
        grid.SetItemText(r, 1, t);
        grid.SetItemText(r, 2, d);
        grid.SetItemText(r, 3, r % 2 ? L"Work" : L"Home");
    }
    grid.SetColumnWidth(0, 30);
    grid.SetColumnWidth(1, 220);
    grid.SetColumnWidth(2, 120);
    grid.SetColumnWidth(3, 120);
    grid.SortItems(2, true);
    CCellID cell(3, 1);
    grid.CGridModel::OnLButtonDown(CPoint(100, 3 * 20 + 5), false, false);
    grid.CGridModel::OnLButtonUp(false);
    grid.ResetScrollBars();
    (void)cell;

    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_FRAME);
    PumpWaiting();
    const char* dir = getenv("ZOREL_BINARY_DIR");
    std::wstring path = L"controls.png";
    if (dir) path = L"Z:" + std::wstring(CString(dir).GetString()) + L"/controls.png";
    ASSERT_TRUE(SaveWindowPicture(wnd, path.c_str()));

    // The picture is not blank: it holds many colours.
    HDC dc = GetDC(wnd);
    std::set<COLORREF> seen;
    for (int y = 5; y < 500; y += 7)
        for (int x = 5; x < 780; x += 7) seen.insert(GetPixel(dc, x, y));
    ReleaseDC(wnd, dc);
    EXPECT_GT(seen.size(), 10u);
    CDateTimeEditCtrl::ReadLocaleFormat();
}
