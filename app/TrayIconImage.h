// The date picture of the tray icon and its tip: today's day of the month on
// a 16 x 16 background, coloured by weekday and framed for holidays, and the
// tip with the program version and the date.
#pragma once

#include "fw/Afx.h"

// Weekday 1 = Sunday ... 7 = Saturday.
COLORREF GetTrayDateTextColor(int weekday);
// Light red on a holiday, black otherwise.
COLORREF GetTrayDateFrameColor(bool holiday);
// A day is a holiday when bit 31 is set in its solar anniversary mark or in
// its mark of the shown month (month 1-12, day 1-31).
bool IsTrayHoliday(DWORD anniversaryMark, DWORD monthMark);

// Text 23301 with its date markers filled in ("#VER#", "#Y#", "#y#", "#M#",
// "#m#", "#MM#", "#mm#", "#D#", "#d#", "#W#", "#w#").
CString FormatTrayDateText(const CString& text, int year, int month, int day, int weekday);
// The whole tip: text 30000, ": ", the user name, a line break and the date
// text; cut to what the notification record holds.
CString MakeTrayTip(const CString& userName, int year, int month, int day, int weekday);

// Draws the date picture into a 16 x 16 bitmap selected into dc: the
// background bitmap (when there is one), the day centred in bold Tahoma and a
// one-pixel frame.
void DrawTrayDate(HDC dc, HBITMAP background, int day, COLORREF textColor, COLORREF frameColor);

// An icon made from a 16 x 16 colour bitmap with a monochrome mask that keeps
// every pixel; null when the system refuses. The caller destroys it.
HICON MakeOpaqueIcon(HBITMAP colour);
