#include "ControlHost.h"
#include "ScratchFolder.h"
#include "shell/LanguageTable.h"
#include "ui/BitmapPickerCombo.h"
#include "ui/ColorPickerCB.h"
#include "ui/ColorStaticST.h"
#include "ui/ControlSettings.h"
#include "ui/FontStatic.h"
#include "ui/GroupListBox.h"
#include "ui/HistoryCombo.h"
#include "ui/PickerColors.h"
#include "ui/StateButton.h"
#include "ui/StaticEx.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class MapStore : public IProfileStore {
public:
    CString Read(LPCTSTR s, LPCTSTR e) override {
        auto it = values.find(std::wstring(s) + L"\\" + e);
        return it == values.end() ? CString() : CString(it->second.c_str());
    }
    void Write(LPCTSTR s, LPCTSTR e, LPCTSTR v) override { values[std::wstring(s) + L"\\" + e] = v; }
    bool Delete(LPCTSTR s, LPCTSTR e) override { return values.erase(std::wstring(s) + L"\\" + e) != 0; }
    std::map<std::wstring, std::wstring> values;
};

std::vector<BYTE> Bmp24(int w, int h) {
    int stride = ((w * 24 + 31) / 32) * 4;
    std::vector<BYTE> b(54 + stride * h, 0x80);
    BITMAPFILEHEADER fh = {0x4D42, (DWORD)b.size(), 0, 0, 54};
    BITMAPINFOHEADER ih = {};
    ih.biSize = 40;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    memcpy(b.data(), &fh, 14);
    memcpy(b.data() + 14, &ih, 40);
    return b;
}

}  // namespace

TEST(ListWindows, HistoryComboTrimsAndStoresInTheProfile) {
    CControlHost& host = SharedHost();
    MapStore store;
    store.values[L"HistoryRun\\Script0"] = L"ABC";
    store.values[L"HistoryRun\\Script1"] = L"notepad";
    CHistoryCombo combo;
    combo.SetStore(&store);
    ASSERT_TRUE(combo.Create(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT, CRect(10, 10, 200, 200),
                             &host, 401));
    EXPECT_FALSE(combo.GetStyle() & CBS_SORT);  // sorting not allowed
    combo.LoadHistory(L"HistoryRun", L"Script");
    EXPECT_EQ(2, (int)combo.SendMessage(CB_GETCOUNT));
    combo.SetWindowText(L"  abc ");
    combo.SaveHistory(TRUE);
    EXPECT_EQ(2, (int)combo.SendMessage(CB_GETCOUNT));
    EXPECT_EQ(L"abc", store.values[L"HistoryRun\\Script0"]);
    EXPECT_EQ(L"notepad", store.values[L"HistoryRun\\Script1"]);
    EXPECT_EQ(L"abc", store.values[L"HistoryRun\\Script"]);
    // Enter posts the combo's command to its parent.
    MSG msg = {combo.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    combo.PreTranslateMessage(&msg);
    PumpWaiting();
    ASSERT_NE(nullptr, host.Last(WM_COMMAND));
    EXPECT_EQ((WPARAM)IDC_HISTORY_ENTER, host.Last(WM_COMMAND)->wParam);
}

TEST(ListWindows, GroupListLabelsDataAndRowGrounds) {
    CControlHost& host = SharedHost();
    g_LanguageTable.SetAt(10060, L"Temporary Storage");
    g_ControlSettings.MemoDBFile = L"Work.zrd";
    CGroupListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(10, 10, 250, 200), &host,
                            402));
    int work = list.AddString(L"Work.zrd");
    int home = list.AddString(L"Home.zrd");
    int bin = list.AddString(L"RecycleBin.zrr");
    EXPECT_EQ(-1, (int)(LONG_PTR)list.GetItemData(work));
    EXPECT_EQ(CString(L"Home (0)"), list.GetItemLabel(home));  // no count yet reads 0
    list.SetItemData(work, 12);
    list.SetItemData(bin, 0xFFFF);
    EXPECT_EQ(CString(L"Work (12)"), list.GetItemLabel(work));
    EXPECT_EQ(CString(L"Temporary Storage (?)"), list.GetItemLabel(bin));
    EXPECT_EQ(20, list.GetItemHeight(0));
    // The current group's row, the selected row and a plain row, each
    // sampled right of its label and on its frame.
    list.SetCurSel(home);
    list.Invalidate();
    list.UpdateWindow();
    HDC dc = GetDC(list);
    EXPECT_EQ(CGroupListBox::CurrentFill, GetPixel(dc, 200, 10));
    EXPECT_EQ(CGroupListBox::CurrentFrame, GetPixel(dc, 0, 0));
    EXPECT_EQ(CGroupListBox::SelectedFill, GetPixel(dc, 200, 30));
    EXPECT_EQ(CGroupListBox::SelectedFrame, GetPixel(dc, 0, 20));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetPixel(dc, 200, 50));
    ReleaseDC(list, dc);
    // A row whose group becomes current takes the ground at its next redraw.
    g_ControlSettings.MemoDBFile = L"RecycleBin.zrr";
    list.Invalidate();
    list.UpdateWindow();
    dc = GetDC(list);
    EXPECT_EQ(CGroupListBox::CurrentFill, GetPixel(dc, 200, 50));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetPixel(dc, 200, 10));
    ReleaseDC(list, dc);
    g_ControlSettings.MemoDBFile.Empty();
}

TEST(ListWindows, ColorPickerAndBitmapPicker) {
    CControlHost& host = SharedHost();
    CColorPickerCB colors;
    ASSERT_TRUE(colors.Create(L"COMBOBOX", L"",
                              WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                              CRect(10, 10, 100, 200), &host, 403));
    colors.FillColors();
    EXPECT_EQ(20, (int)colors.SendMessage(CB_GETCOUNT));
    EXPECT_EQ(RGB(0, 0, 0), colors.GetSelectedColor());  // nothing selected reads black
    EXPECT_EQ(19, colors.SelectColor(RGB(255, 255, 255)));
    EXPECT_EQ(g_PickerColors[19], colors.GetSelectedColor());

    CBitmapPickerCombo pictures;
    ASSERT_TRUE(pictures.Create(L"COMBOBOX", L"",
                                WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
                                CRect(120, 10, 300, 200), &host, 404));
    CScratchFolder folder(L"controls");
    auto picture = Bmp24(32, 32);
    CString good = folder.Write(L"good.bmp", std::string(picture.begin(), picture.end()));
    auto lying = Bmp24(32, 32);
    int big = 5000;
    memcpy(lying.data() + 22, &big, 4);  // says 5000 rows, holds 32
    CString bad = folder.Write(L"lying.bmp", std::string(lying.begin(), lying.end()));
    int a = pictures.AddBitmapFile(good, L"good");
    int b = pictures.AddBitmapFile(bad, L"lying");
    int c = pictures.AddBitmapFile(L"Z:\\no\\such.bmp", L"missing");
    EXPECT_NE(nullptr, pictures.GetItemBitmap(a));
    EXPECT_EQ(nullptr, pictures.GetItemBitmap(b));  // the item stays, without a picture
    EXPECT_EQ(nullptr, pictures.GetItemBitmap(c));
    EXPECT_EQ(3, (int)pictures.SendMessage(CB_GETCOUNT));
    EXPECT_EQ(38, (int)pictures.SendMessage(CB_GETITEMHEIGHT, 0));  // 32 + 6
}

TEST(StaticWindows, CalcTextRectKeepsTheWidth) {
    CControlHost& host = SharedHost();
    CFontStatic label;
    ASSERT_TRUE(label.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 40), &host, 405));
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    label.SetFont(L"Tahoma", 14, RGB(200, 0, 0), 0x02);
    label.SetFont(L"Tahoma", 14, RGB(200, 0, 0), 0x01);
    EXPECT_EQ(1, label.m_bBold);
    EXPECT_EQ(1, label.m_bItalic);
    CRect shortText = label.CalcTextRect(L"Hi");
    CRect longText = label.CalcTextRect(
        L"A long explanation that needs several lines when it is wrapped within the label's width.");
    EXPECT_EQ(120, shortText.Width());
    EXPECT_EQ(120, longText.Width());
    EXPECT_GT(longText.Height(), 2 * shortText.Height());
    label.SetBkColor(RGB(255, 255, 255));
    label.SetText(L"Warning");
    HDC dc = GetDC(label);
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 118, 28));  // its own background
    ReleaseDC(label, dc);
}

TEST(StaticWindows, ColourStaticsAnswerTheColourRequest) {
    CControlHost& host = SharedHost();
    CColorStaticST preview;
    CStaticEx warning;
    ASSERT_TRUE(preview.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 50, 60, 80), &host, 406));
    ASSERT_TRUE(warning.Create(L"STATIC", L"Careful", WS_CHILD | WS_VISIBLE, CRect(70, 50, 200, 80), &host, 407));
    preview.SetBkColor(RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), preview.GetBkColor());
    preview.SetBkColor((COLORREF)-1);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), preview.GetBkColor());
    preview.SetBkColor(RGB(10, 20, 30));
    warning.SetTextColor(RGB(255, 0, 0));
    warning.SetBkColor(RGB(255, 255, 255));
    host.UpdateWindow();
    preview.UpdateWindow();
    warning.UpdateWindow();
    HDC dc = GetDC(preview);
    EXPECT_EQ(RGB(10, 20, 30), GetPixel(dc, 40, 20));
    ReleaseDC(preview, dc);
    dc = GetDC(warning);
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 125, 25));
    ReleaseDC(warning, dc);
}

TEST(StateButtonWindow, ColoursCodesAndBitmaps) {
    CControlHost& host = SharedHost();
    CStateButton button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"Page", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(10, 100, 110, 150),
                              &host, 408));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & BS_TYPEMASK);
    EXPECT_TRUE(button.m_bDefault);
    button.SetColor(2, RGB(250, 100, 100));
    EXPECT_EQ(0, button.OffsetColor(2, -120));
    EXPECT_EQ(RGB(150, 0, 0), button.m_crColors[2]);
    EXPECT_EQ(3, button.SetColor(7, 0));
    EXPECT_EQ(5, button.OffsetColor(0, 300));
    EXPECT_EQ(4, button.SetAlign(9));

    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT r = {0, 0, 16, 16};
    HBRUSH b = CreateSolidBrush(RGB(200, 100, 40));
    FillRect(mem, &r, b);
    DeleteObject(b);
    SetPixel(mem, 0, 0, RGB(255, 0, 255));
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(0, button.SetBitmapHandles(bmp, RGB(255, 0, 255), nullptr, 0, CStateButton::BitmapDarker));
    const CStateButton::Picture& dark = button.GetPicture(1);
    ASSERT_NE(nullptr, dark.bitmap);
    HDC check = CreateCompatibleDC(nullptr);
    old = SelectObject(check, dark.bitmap);
    EXPECT_EQ(RGB(150, 75, 30), GetPixel(check, 5, 5));  // three quarters of each channel
    SelectObject(check, old);
    DeleteDC(check);
    button.SetCheck(TRUE);
    button.UpdateWindow();
    EXPECT_EQ(1, button.SetBitmaps(9999, 0));  // no such resource: all dropped
    EXPECT_EQ(nullptr, button.GetPicture(0).bitmap);
}
