#include "app/TrayIconImage.h"

#include "shell/LanguageTable.h"
#include "shell/ShellIds.h"
#include "shell/TextUtil.h"

#include <vector>

COLORREF GetTrayDateTextColor(int weekday) {
    if (weekday == 7) return RGB(60, 60, 255);
    if (weekday == 1) return RGB(255, 0, 0);
    return RGB(50, 50, 50);
}

COLORREF GetTrayDateFrameColor(bool holiday) { return holiday ? RGB(255, 96, 96) : RGB(0, 0, 0); }

bool IsTrayHoliday(DWORD anniversaryMark, DWORD monthMark) {
    return ((anniversaryMark | monthMark) & 0x80000000u) != 0;
}

CString FormatTrayDateText(const CString& text, int year, int month, int day, int weekday) {
    CString result = text;
    result.Replace(L"#VER#", ZOREL_SHORT_VERSION);
    ReplaceNumber(result, L"#Y#", year);
    ReplaceNumber(result, L"#y#", year % 100);
    ReplaceTwoDigitNumber(result, L"#M#", month);
    ReplaceNumber(result, L"#m#", month);
    result.Replace(L"#MM#", GetMonthName(month));
    result.Replace(L"#mm#", GetShortMonthName(month));
    ReplaceTwoDigitNumber(result, L"#D#", day);
    ReplaceNumber(result, L"#d#", day);
    result.Replace(L"#W#", GetWeekdayName(weekday));
    result.Replace(L"#w#", GetShortWeekdayName(weekday));
    return result;
}

CString MakeTrayTip(const CString& userName, int year, int month, int day, int weekday) {
    CString tip = g_LanguageTable[TXT_USER] + L": " + userName + L"\n" +
                  FormatTrayDateText(g_LanguageTable[TXT_TRAY_TIP], year, month, day, weekday);
    if (tip.GetLength() > (int)TRAY_TIP_CHARS) tip = tip.Left(TRAY_TIP_CHARS);
    return tip;
}

void DrawTrayDate(HDC dc, HBITMAP background, int day, COLORREF textColor, COLORREF frameColor) {
    RECT rect = {0, 0, (LONG)TRAY_ICON_SIZE, (LONG)TRAY_ICON_SIZE};
    if (background) {
        HDC source = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(source, background);
        ::BitBlt(dc, 0, 0, TRAY_ICON_SIZE, TRAY_ICON_SIZE, source, 0, 0, SRCCOPY);
        ::SelectObject(source, old);
        ::DeleteDC(source);
    } else {
        ::FillRect(dc, &rect, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    }
    HFONT font = ::CreateFontW(13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                               CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColor);
    CString text;
    text.Format(L"%d", day);
    ::DrawTextW(dc, text, text.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
    HBRUSH frame = ::CreateSolidBrush(frameColor);
    ::FrameRect(dc, &rect, frame);
    ::DeleteObject(frame);
}

HICON MakeOpaqueIcon(HBITMAP colour) {
    // An all-zero AND mask: every pixel of the colour bitmap shows.
    std::vector<BYTE> bits(TRAY_ICON_SIZE * 2, 0);
    HBITMAP mask = ::CreateBitmap(TRAY_ICON_SIZE, TRAY_ICON_SIZE, 1, 1, bits.data());
    if (!mask) return nullptr;
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    return icon;
}
