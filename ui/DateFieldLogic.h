// The date text of the date-time edit control without a window: reading and
// writing it by the short date picture, and counting the field under the
// caret up or down with the arrow keys.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class CDateFieldLogic {
public:
    struct StepResult {
        CString text;
        int selStart = 0, selEnd = 0;
        bool clamped = false;
    };

    // A date of the text read by the picture (d, M and y fields in the
    // picture's order; MMM and MMMM take a month name, short or full, in
    // any case). False when the text is not three fields in that
    // order, separated by the picture's separators or blanks, or when they do
    // not make a real date between the years 100 and 9999.
    static bool Parse(const CString& text, const CString& picture, SYSTEMTIME* date);
    // The date written by the picture (d, dd, M, MM, MMM and MMMM as the
    // short and full month names, y, yy, yyyy; quoted and other
    // characters copied; weekday names as numbers).
    static CString Format(const SYSTEMTIME& date, const CString& picture);

    // Up or Down in the field under the selection. min and max (may be null)
    // bound the result when the new text is a date.
    static StepResult Step(const CString& text, int selStart, int selEnd, wchar_t separator, const CString& picture,
                           bool up, const SYSTEMTIME* minDate = nullptr, const SYSTEMTIME* maxDate = nullptr);

    // Orders two dates by year, month and day.
    static int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b);
    static bool IsValidDate(int year, int month, int day);
    // The name of a month (1-12), short or full, in the program's language
    // (the locale's before its texts are loaded); empty for another number.
    static CString MonthName(int month, bool full);
};
